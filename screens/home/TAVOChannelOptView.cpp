#include "screens/home/TAVOChannelOptView.h"

#include "core/crypto/TAVOCommonUtility.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/ui/Image.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr const char* kRingImage = "home_ring_big";
constexpr const char* kSpinImage = "home_youhua_ic";
constexpr double kRingSizeTall = 203;
constexpr double kRingSizeShort = 181;
constexpr double kSpinFirstTurn = 1.5;
constexpr double kSpinTurn = 1.0;
constexpr double kSpinLastTurn = 1.0;
constexpr unsigned kFill = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;

double ringSize() { return TAVOCommonUtility::is4InchScreen() ? kRingSizeTall : kRingSizeShort; }

}  // namespace

void TAVOChannelOptView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    bgView_ = ui::ImageView::createWithImage(ui::Image::imageNamed(kRingImage));
    const double size = ringSize();
    bgView_->setFrame(cg::RectMake(0, 0, size, size));
    bgView_->setCenter({cg::RectGetMidX(bounds()), cg::RectGetMidY(bounds())});
    addSubview(bgView_);

    prepareView_ = OptPrepare::create(bgView_->bounds());
    prepareView_->setAutoresizingMask(kFill);
    prepareView_->setAlpha(0);
    prepareView_->setDelegate(std::static_pointer_cast<OptPrepareDelegate>(self<TAVOChannelOptView>()));
    bgView_->addSubview(prepareView_);

    rotationView_ = TAVOCircleView::create(bgView_->bounds());
    rotationView_->setAutoresizingMask(kFill);
    rotationView_->setAlpha(0);
    rotationView_->setBackgroundColor(ui::Color::clearColor());
    rotationView_->bgView()->setHidden(true);
    rotationView_->statusCircleView()->setHidden(true);
    const auto& spinner = rotationView_->animationCircleView();
    spinner->setImage(ui::Image::imageNamed(kSpinImage));
    spinner->setContentMode(ui::ContentMode::Center);
    spinner->setFrame(bgView_->bounds());
    spinner->setAutoresizingMask(kFill);
    rotationView_->setInitDuration(kSpinFirstTurn);
    rotationView_->setOngoingDuration(kSpinTurn);
    rotationView_->setEndDuration(0);
    bgView_->addSubview(rotationView_);

    // The ring's turn is lost while the application is away or the tab is
    // hidden; it starts again when either comes back.
    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVOChannelOptView> weak = weakSelf<TAVOChannelOptView>();
    auto resume = [weak](const ns::NotificationPtr&) {
        if (auto self = weak.lock()) self->resumeSpin();
    };
    becameActive_ =
        ns::ScopedObserver(center, center->addObserverForName(ns::UIApplicationDidBecomeActiveNotification, {}, nullptr, resume));
    tabAppeared_ = ns::ScopedObserver(center, center->addObserverForName(kTabAppearNotification, {}, nullptr, resume));
}

void TAVOChannelOptView::layoutSubviews() {
    View::layoutSubviews();
    bgView_->setCenter({cg::RectGetMidX(bounds()), cg::RectGetMidY(bounds())});
}

void TAVOChannelOptView::resumeSpin() {
    if (state_ == StateSpinning || state_ == StateWaiting || state_ == StateComplete)
        rotationView_->startCircleAnimation();
}

void TAVOChannelOptView::optPrepare(OptPrepare&, bool) {
    // Only a burst that is still running leads on: a stopped optimisation
    // stays stopped.
    if (state_ == StatePreparing) setState(StateSpinning);
}

void TAVOChannelOptView::setState(int state) {
    if (state == state_) return;
    state_ = state;
    switch (state) {
        case StateIdle:
            spinStep_.stop();
            prepareView_->setAlpha(0);
            prepareView_->stopAnimation();
            rotationView_->setAlpha(0);
            rotationView_->stopCircleAnimation();
            break;
        case StatePreparing:
            prepareView_->setAlpha(1);
            prepareView_->startAnimation();
            break;
        case StateSpinning: {
            auto prepare = prepareView_;
            auto rotation = rotationView_;
            ui::ViewAnimation::animate(
                kCrossFadeSeconds,
                [prepare, rotation] {
                    prepare->setAlpha(0);
                    rotation->setAlpha(1);
                },
                [weakPrepare = std::weak_ptr<OptPrepare>(prepare)](bool) {
                    if (auto prepare = weakPrepare.lock()) prepare->stopAnimation();
                });
            rotationView_->setInitDuration(kSpinFirstTurn);
            rotationView_->setOngoingDuration(kSpinTurn);
            rotationView_->setEndDuration(kSpinLastTurn);
            rotationView_->startCircleAnimation();
            // Asks for the optimisation only while the spin is still on: a
            // view stopped or reset in between never starts one.
            spinStep_.start(kSpinSeconds, false, [this] {
                if (state_ == StateSpinning) setState(StateWaiting);
            });
            break;
        }
        case StateComplete:
            setState(StateLeaving);
            break;
        case StateLeaving:
            setState(StateIdle);
            break;
        case StateWaiting:
        case StateReported:
            break;
        default:
            return;  // stored only, reported to nobody
    }
    report(state);
}

void TAVOChannelOptView::report(int state) {
    if (auto d = delegate()) d->optView(*this, state);
}
