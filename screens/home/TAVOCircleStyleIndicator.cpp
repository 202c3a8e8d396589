#include "screens/home/TAVOCircleStyleIndicator.h"

#include <cmath>
#include <numbers>

#include "core/app/TAVOImageGetter.h"
#include "platform/graphics/Path.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/Font.h"
#include "platform/ui/Image.h"
#include "platform/ui/ShapeLayer.h"
#include "platform/ui/ViewAnimation.h"
#include "screens/home/TAVOFanPath.h"
#include "widgets/TAVOAnimationUtility.h"

namespace {

constexpr const char* kRingImage = "home_ring_small_out";
constexpr const char* kInnerRingImage = "home_ring_small_in";
constexpr const char* kRingFlashMask = "home_ring_small_mask";
constexpr const char* kBadgeBackgroundImage = "home_speed-up_circle";
constexpr int kFullSignalLevel = 1;
constexpr int kNoSignalLevel = 5;
constexpr double kDetailFontSize = 16;
constexpr int kFlashSeconds = 1;
// The icon sits this far above the middle, further with a title under it.
constexpr double kIconLiftWithTitle = 20;
constexpr double kIconLift = 10;
constexpr double kTitleGap = 3;
// The ring's sweep: a three-quarter circle open at the bottom, from the
// lower left round the top to the lower right.
constexpr double kSweepFromDegrees = -225;
constexpr double kSweepToDegrees = 45;

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

ui::ImageViewPtr aspectFillImageView(const ui::ImagePtr& image) {
    auto view = ui::ImageView::createWithImage(image);
    view->setContentMode(ui::ContentMode::ScaleAspectFill);
    return view;
}

class MaskListener : public ca::AnimationDelegate {
public:
    explicit MaskListener(std::weak_ptr<TAVOCircleStyleIndicator> indicator) : indicator_(std::move(indicator)) {}
    void animationDidStop(const ca::AnimationPtr& animation, bool finished) override {
        if (auto indicator = indicator_.lock()) indicator->animationDidStop(animation, finished);
    }

private:
    std::weak_ptr<TAVOCircleStyleIndicator> indicator_;
};

}  // namespace

void TAVOCircleStyleIndicator::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setClipsToBounds(true);
    imageView_ = aspectFillImageView(ui::Image::imageNamed(kRingImage));
    imageBottomView_ = aspectFillImageView(ui::Image::imageNamed(kInnerRingImage));
    bgIconInCircle_ = aspectFillImageView(TAVOImageGetter::imageForChannelQualityLevel(kNoSignalLevel));
    iconInCircle_ = aspectFillImageView(nullptr);

    titleLabel_ = LXAttributedLabel::create();
    titleLabel_->setTextAlignment(ui::TextAlignment::Center);
    titleLabel_->setCenterVertically(true);
    titleLabel_->setTextColor(ui::Color::whiteColor());
    titleLabel_->setBackgroundColor(ui::Color::clearColor());

    detailLabel_ = ui::Label::create();
    detailLabel_->setTextColor(ui::Color::whiteColor());
    detailLabel_->setFont(ui::Font::boldSystemFontOfSize(kDetailFontSize));
    detailLabel_->setTextAlignment(ui::TextAlignment::Center);
    detailLabel_->setBackgroundColor(ui::Color::clearColor());

    helpButton_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
    helpButton_->setBackgroundColor(ui::Color::clearColor());
    helpButton_->setFrame(bounds());
    helpButton_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);

    for (const ui::ViewPtr& view : std::initializer_list<ui::ViewPtr>{
             imageView_, imageBottomView_, bgIconInCircle_, iconInCircle_, titleLabel_, detailLabel_, helpButton_})
        addSubview(view);
}

void TAVOCircleStyleIndicator::layoutSubviews() {
    View::layoutSubviews();
    const cg::Rect b = bounds();
    helpButton_->setFrame(b);
    const double detailHeight = detailLabel_->frame().size.height;
    detailLabel_->setFrame(cg::RectMake(0, b.size.height - detailHeight, b.size.width, detailHeight));

    const cg::Size icon = iconInCircle_->frame().size;
    const double iconX = (b.size.width - icon.width) / 2;
    const double middle = (b.size.height - icon.height) / 2;
    const bool titled = !titleLabel_->isHidden() && titleLabel_->attributedText()->length() > 0;
    if (titled) {
        iconInCircle_->setFrame(cg::RectMake(iconX, middle - kIconLiftWithTitle, icon.width, icon.height));
        cg::Rect title = titleLabel_->frame();
        title.origin = {0, cg::RectGetMaxY(iconInCircle_->frame()) + kTitleGap};
        titleLabel_->setFrame(title);
    } else {
        iconInCircle_->setFrame(cg::RectMake(iconX, middle - kIconLift, icon.width, icon.height));
    }
    bgIconInCircle_->setFrame(iconInCircle_->frame());
    if (bgSpeedupResultView_) bgSpeedupResultView_->setCenter(imageView_->center());
}

void TAVOCircleStyleIndicator::installRingMask() {
    const cg::Rect ring = imageView_->layer()->bounds();
    auto mask = ca::ShapeLayer::create();
    mask->setFrame(ring);
    mask->fillColor = ui::Color::clearColor();
    mask->strokeColor = ui::Color::blackColor();
    mask->lineWidth = ring.size.width / 2;
    auto path = std::make_shared<cg::Path>();
    // Increasing angles turn clockwise on the screen.
    path->addArc({cg::RectGetMidX(ring), cg::RectGetMidY(ring)}, ring.size.width / 2, radians(kSweepFromDegrees),
                 radians(kSweepToDegrees), false);
    mask->path = path;
    mask->strokeEnd = 0;
    imageView_->layer()->setMask(mask);
}

void TAVOCircleStyleIndicator::restoreInitState() { installRingMask(); }

void TAVOCircleStyleIndicator::startPrepareAnimation(int level) {
    level_ = level;
    installRingMask();
    auto mask = std::static_pointer_cast<ca::ShapeLayer>(imageView_->layer()->mask());
    if (!maskListener_) maskListener_ = std::make_shared<MaskListener>(weakSelf<TAVOCircleStyleIndicator>());
    auto sweep = ca::BasicAnimation::animationWithKeyPath("strokeEnd");
    sweep->fromValue = 0.0;
    sweep->toValue = 1.0;
    sweep->duration = kRingSweepSeconds;
    sweep->timingFunction = ca::TimingFunction::EaseInEaseOut;
    sweep->fillMode = ca::FillMode::Forwards;
    sweep->removedOnCompletion = false;
    sweep->delegate = maskListener_;
    mask->strokeEnd = 1;
    mask->addAnimation(sweep, kRingAnimationKey);
    maskImageViewAnimation_ = mask->animationForKey(kRingAnimationKey);
}

void TAVOCircleStyleIndicator::growIconFan() {
    const cg::Size icon = iconInCircle_->layer()->bounds().size;
    auto mask = ca::ShapeLayer::create();
    mask->setFrame(iconInCircle_->layer()->bounds());
    mask->fillColor = ui::Color::blackColor();
    mask->path = TAVOFanPath(icon, TAVOFanFullRadius(icon));
    iconInCircle_->layer()->setMask(mask);

    auto fan = ca::BasicAnimation::animationWithKeyPath("path");
    fan->fromValue = TAVOFanPath(icon, 0);
    fan->toValue = mask->path;
    fan->duration = kIconFanSeconds;
    fan->timingFunction = ca::TimingFunction::EaseInEaseOut;
    fan->fillMode = ca::FillMode::Forwards;
    fan->removedOnCompletion = false;
    fan->delegate = maskListener_;
    mask->addAnimation(fan, kIconAnimationKey);
    maskCircleViewAnimation_ = mask->animationForKey(kIconAnimationKey);
}

void TAVOCircleStyleIndicator::animationDidStop(const ca::AnimationPtr& animation, bool finished) {
    if (!animation) return;
    auto notifyLater = [this] {
        prepareNotice_.start(kNotifyDelay, false, [this] { notifier(kActionPrepareFinished); });
    };
    if (animation == maskImageViewAnimation_) {
        // The full-signal icon, whatever level the animation was started with.
        iconInCircle_->setImage(TAVOImageGetter::imageForChannelQualityLevel(kFullSignalLevel));
        if (finished) {
            growIconFan();
        } else {
            maskImageViewAnimation_ = nullptr;
            notifyLater();
        }
    } else if (animation == maskCircleViewAnimation_) {
        maskCircleViewAnimation_ = nullptr;
        TAVOAnimationUtility::implHighlightFlashEffect(imageView_, ui::Color::whiteColor(), kRingFlashMask, false,
                                                       kFlashSeconds);
        notifyLater();
    }
}

void TAVOCircleStyleIndicator::AddSpeedupVew() {
    if (!bgSpeedupResultView_) {
        auto image = ui::Image::imageNamed(kBadgeBackgroundImage);
        bgSpeedupResultView_ = ui::ImageView::createWithImage(image);
        bgSpeedupResultView_->setContentMode(ui::ContentMode::ScaleAspectFit);
        bgSpeedupResultView_->setClipsToBounds(true);
        bgSpeedupResultView_->setCenter(imageView_->center());
        addSubview(bgSpeedupResultView_);
    }
    if (!speedupView_) {
        speedupView_ = SpeedupResultView::create(bgSpeedupResultView_->bounds());
        speedupView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
        bgSpeedupResultView_->addSubview(speedupView_);
    }
}

void TAVOCircleStyleIndicator::startOptPromotionAnimation(int percent) {
    AddSpeedupVew();
    detailLabel_->setText("");
    speedupView_->startCountUp(percent);

    const cg::Rect place = speedupView_->frame();
    speedupView_->setFrame(cg::RectOffset(place, 0, place.size.height));
    auto badge = speedupView_;
    std::weak_ptr<TAVOCircleStyleIndicator> weak = weakSelf<TAVOCircleStyleIndicator>();
    ui::ViewAnimation::animate(
        kBadgeSlideSeconds, [badge, place] { badge->setFrame(place); },
        [weak](bool) {
            if (auto self = weak.lock()) self->notifier(kActionPromotionShown);
        });
}

void TAVOCircleStyleIndicator::removeSpeedupView() {
    if (!speedupView_) return;
    // The badge leaves at once: a badge asked for during the fade is a new
    // one, never the one about to be removed.
    auto badge = std::move(speedupView_);
    auto background = std::move(bgSpeedupResultView_);
    speedupView_ = nullptr;
    bgSpeedupResultView_ = nullptr;
    ui::ViewAnimation::animate(
        kBadgeFadeSeconds,
        [badge, background] {
            badge->setAlpha(0);
            if (background) background->setAlpha(0);
        },
        // Weak: the animations hold their completion, the views their animations.
        [weakBadge = std::weak_ptr<SpeedupResultView>(badge), weakBackground = std::weak_ptr<ui::ImageView>(background)](
            bool) {
            if (auto badge = weakBadge.lock()) badge->removeFromSuperview();
            if (auto background = weakBackground.lock()) background->removeFromSuperview();
        });
}

void TAVOCircleStyleIndicator::notifier(int action) {
    if (auto d = delegate()) d->indicator(*this, action);
}
