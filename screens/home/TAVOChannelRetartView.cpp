#include "screens/home/TAVOChannelRetartView.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/ControlFactory.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/Image.h"
#include "platform/ui/ViewAnimation.h"

namespace {

constexpr const char* kRingImage = "home_ring_big";
constexpr double kRingSizeTall = 203;
constexpr double kRingSizeShort = 181;
// The optimisation panel's gauge heights: the ring is raised by four times
// the difference so that it sits where the gauge sat.
constexpr double kGaugeHeightTall = 195;
constexpr double kGaugeHeightShort = 175;
constexpr double kRaiseFactor = 4;
constexpr double kTextFontSize = 16;
constexpr double kTextX = 53;
constexpr double kTextHeightTall = 36;
constexpr double kTextHeightShort = 28;
constexpr double kTextBottomTall = 25;
constexpr double kTextBottomShort = 5;
constexpr unsigned kFill = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;

}  // namespace

void TAVOChannelRetartView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    const double ring = TAVOCommonUtility::is4InchScreen() ? kRingSizeTall : kRingSizeShort;
    bgView_ = ui::ImageView::createWithImage(ui::Image::imageNamed(kRingImage));
    bgView_->setFrame(cg::RectMake(0, 0, ring, ring));
    addSubview(bgView_);

    restartView_ = RestartView::create(bgView_->bounds());
    restartView_->setAutoresizingMask(kFill);
    restartView_->setAlpha(0);
    bgView_->addSubview(restartView_);
    reconnectView_ = ReconnectingView::create(bgView_->bounds());
    reconnectView_->setAutoresizingMask(kFill);
    reconnectView_->setAlpha(0);
    bgView_->addSubview(reconnectView_);

    optActionText_ = ControlFactory::createLabel(TAVOLocalizedString("is in wifi restarting"), ui::Color::whiteColor(),
                                                 ui::Font::systemFontOfSize(kTextFontSize), std::nullopt,
                                                 ui::TextAlignment::Center);
    addSubview(optActionText_);
    setState(StateHidden);
    layoutSubviews();
}

void TAVOChannelRetartView::layoutSubviews() {
    View::layoutSubviews();
    const cg::Rect b = bounds();
    const bool tall = TAVOCommonUtility::is4InchScreen();
    const double ring = tall ? kRingSizeTall : kRingSizeShort;
    const double raise = kRaiseFactor * (ring - (tall ? kGaugeHeightTall : kGaugeHeightShort));
    bgView_->setFrame(cg::RectMake((b.size.width - ring) / 2, (b.size.height - ring) / 2 - raise, ring, ring));
    const double height = tall ? kTextHeightTall : kTextHeightShort;
    const double bottom = tall ? kTextBottomTall : kTextBottomShort;
    optActionText_->setFrame(cg::RectMake(kTextX, b.size.height - bottom - height, b.size.width - 2 * kTextX, height));
}

void TAVOChannelRetartView::setState(int state) {
    state_ = state;
    switch (state) {
        case StateHidden:
            // A hidden view counts no further: it never reports a restart
            // that nobody waits for.
            restartView_->stopCountDown();
            reconnectEnd_.stop();
            reconnectView_->stopAnimation();
            restartView_->setAlpha(0);
            reconnectView_->setAlpha(0);
            break;
        case StateCounting: {
            restartView_->setCountValue(kCountFrom);
            std::weak_ptr<TAVOChannelRetartView> weak = weakSelf<TAVOChannelRetartView>();
            restartView_->startCountDown([weak] {
                if (auto self = weak.lock()) self->showConnectingView();
            });
            break;
        }
        case StateReconnecting: {
            std::weak_ptr<TAVOChannelRetartView> weak = weakSelf<TAVOChannelRetartView>();
            reconnectView_->startReconnecting([weak] {
                if (auto self = weak.lock()) self->finishReconnecting();
            });
            reconnectEnd_.start(kReconnectSeconds, false, [this] { finishReconnecting(); });
            break;
        }
        default:
            break;
    }
    if (auto notify = notifierBlock) notify(state);
}

void TAVOChannelRetartView::finishReconnecting() {
    if (state_ == StateReconnecting) setState(StateDone);
}

void TAVOChannelRetartView::showRestartCountDown() {
    reconnectView_->setAlpha(0);
    auto restart = restartView_;
    auto reconnect = reconnectView_;
    auto text = optActionText_;
    ui::ViewAnimation::transition(self<ui::View>(), kCrossFadeSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
                                  [=] {
                                      restart->setAlpha(1);
                                      reconnect->setAlpha(0);
                                      text->setText(TAVOLocalizedString("is in wifi restarting"));
                                  });
    setState(StateCounting);
}

void TAVOChannelRetartView::showConnectingView() {
    auto restart = restartView_;
    auto reconnect = reconnectView_;
    auto text = optActionText_;
    ui::ViewAnimation::transition(self<ui::View>(), kCrossFadeSeconds, ui::ViewAnimationOptionTransitionCrossDissolve,
                                  [=] {
                                      restart->setAlpha(0);
                                      reconnect->setAlpha(1);
                                      text->setText(TAVOLocalizedString("restart complete"));
                                  });
    setState(StateReconnecting);
}
