// The short animation after a Wi-Fi restart: the full-signal icon grows
// upwards over the empty one, once a second, until stopped.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/Animation.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"

class ReconnectingView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<ReconnectingView> create(const cg::Rect& frame = {}) {
        return make<ReconnectingView>(frame);
    }

    static constexpr double kGrowSeconds = 1.0;
    static constexpr const char* kGrowAnimationKey = "mastCircleAnimation";

    // Called when the growing animation stops.
    std::function<void()> animationStopBlock;

    void startReconnecting(std::function<void()> stopped);
    // Removes the growing mask (the animation stops with it).
    void stopAnimation();
    void animationDidStop(const ca::AnimationPtr& animation, bool finished);

    const ui::ImageViewPtr& bgIconInCircle() const { return bgIconInCircle_; }
    const ui::ImageViewPtr& iconInCircle() const { return iconInCircle_; }

    void initWithFrame(const cg::Rect& frame) override;

private:
    ui::ImageViewPtr bgIconInCircle_;
    ui::ImageViewPtr iconInCircle_;
    std::shared_ptr<ca::AnimationDelegate> listener_;
    // The running growth, so that a late stop of an earlier one is ignored.
    ca::AnimationPtr growing_;
};
