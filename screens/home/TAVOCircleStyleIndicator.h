// The dashboard's round gauge: an outer ring that a sweeping mask reveals,
// a signal icon in the middle that a growing fan reveals, a title and a
// detail line, and a transparent help button over the whole. Its prepare
// animation sweeps the ring in, grows the full-signal icon and flashes the
// ring; its promotion animation slides a speed-up badge up into the circle.
// The delegate hears when each has ended.
#pragma once

#include <memory>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Animation.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"
#include "screens/home/SpeedupResultView.h"
#include "screens/home/TAVOCircleStyleIndicatorDelegate.h"
#include "uikit/LXAttributedLabel.h"

class TAVOCircleStyleIndicator : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOCircleStyleIndicator> create(const cg::Rect& frame = {}) {
        return make<TAVOCircleStyleIndicator>(frame);
    }

    static constexpr int kActionPrepareFinished = 0;
    static constexpr int kActionPromotionShown = 1;
    static constexpr double kRingSweepSeconds = 1.0;
    static constexpr double kIconFanSeconds = 0.3;
    static constexpr double kNotifyDelay = 0.5;
    static constexpr double kBadgeSlideSeconds = 1.0;
    static constexpr double kBadgeFadeSeconds = 1.0;
    static constexpr const char* kRingAnimationKey = "mastPathAnimation";
    static constexpr const char* kIconAnimationKey = "mastCircleAnimation";

    std::shared_ptr<TAVOCircleStyleIndicatorDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOCircleStyleIndicatorDelegate>& d) { delegate_ = d; }

    const ui::ImageViewPtr& imageView() const { return imageView_; }
    const ui::ImageViewPtr& imageBottomView() const { return imageBottomView_; }
    const ui::ImageViewPtr& bgIconInCircle() const { return bgIconInCircle_; }
    const ui::ImageViewPtr& iconInCircle() const { return iconInCircle_; }
    const std::shared_ptr<LXAttributedLabel>& titleLabel() const { return titleLabel_; }
    const ui::LabelPtr& detailLabel() const { return detailLabel_; }
    const std::shared_ptr<ui::Button>& helpButton() const { return helpButton_; }
    const ui::ImageViewPtr& bgSpeedupResultView() const { return bgSpeedupResultView_; }
    const std::shared_ptr<SpeedupResultView>& speedupView() const { return speedupView_; }
    const ca::AnimationPtr& maskImageViewAnimation() const { return maskImageViewAnimation_; }
    const ca::AnimationPtr& maskCircleViewAnimation() const { return maskCircleViewAnimation_; }

    int level() const { return level_; }
    void setLevel(int level) { level_ = level; }

    // Hides the ring behind its sweep mask, nothing animated.
    void restoreInitState();
    void startPrepareAnimation() { startPrepareAnimation(1); }
    void startPrepareAnimation(int level);
    // Kept for owners that call them; the animations end by themselves.
    void stopPrepareAnimation() {}
    void stopAnimation() {}
    // Slides the badge with the figure (capped at 999) into the circle.
    void startOptPromotionAnimation(int percent);
    void AddSpeedupVew();
    // Fades the badge out and removes it; nothing without a badge.
    void removeSpeedupView();
    void notifier(int action);

    void animationDidStop(const ca::AnimationPtr& animation, bool finished);

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    void installRingMask();
    void growIconFan();

    std::weak_ptr<TAVOCircleStyleIndicatorDelegate> delegate_;
    ui::ImageViewPtr imageView_;
    ui::ImageViewPtr imageBottomView_;
    ui::ImageViewPtr bgIconInCircle_;
    ui::ImageViewPtr iconInCircle_;
    std::shared_ptr<LXAttributedLabel> titleLabel_;
    ui::LabelPtr detailLabel_;
    std::shared_ptr<ui::Button> helpButton_;
    ui::ImageViewPtr bgSpeedupResultView_;
    std::shared_ptr<SpeedupResultView> speedupView_;
    ca::AnimationPtr maskImageViewAnimation_;
    ca::AnimationPtr maskCircleViewAnimation_;
    // Hears the mask animations without keeping the indicator alive.
    std::shared_ptr<ca::AnimationDelegate> maskListener_;
    ns::ScopedTimer prepareNotice_;
    int level_ = 0;
};

using TAVOCircleStyleIndicatorPtr = std::shared_ptr<TAVOCircleStyleIndicator>;
