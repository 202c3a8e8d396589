// A round status control: a background button (the tap target, users attach
// their own action), a still status ring shown while idle and a scan ring
// that turns in three phases: a start turn easing in, then linear turns
// until stopped, then a turn easing out. Stopping ends the rotation after
// the turn in progress and shows the status ring again.
#pragma once

#include <memory>

#include "platform/ui/Animation.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/View.h"

class TAVOCircleView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOCircleView> create(const cg::Rect& frame = {}) { return make<TAVOCircleView>(frame); }

    // Layer keys of the three phases.
    static constexpr const char* kStartPhaseKey = "init_animation_circle";
    static constexpr const char* kOngoingPhaseKey = "ongoing_animation_circle";
    static constexpr const char* kEndPhaseKey = "end_animation_circle";

    const std::shared_ptr<ui::Button>& bgView() const { return bgView_; }
    const ui::ImageViewPtr& statusCircleView() const { return statusCircleView_; }
    const ui::ImageViewPtr& animationCircleView() const { return animationCircleView_; }

    // The running phases as the scan ring's layer holds them.
    const ca::AnimationPtr& startupAnimation() const { return startupAnimation_; }
    const ca::AnimationPtr& ongoingAnimation() const { return ongoingAnimation_; }
    const ca::AnimationPtr& endAnimation() const { return endAnimation_; }

    double initDuration() const { return initDuration_; }
    void setInitDuration(double seconds) { initDuration_ = seconds; }
    double ongoingDuration() const { return ongoingDuration_; }
    void setOngoingDuration(double seconds) { ongoingDuration_ = seconds; }
    double endDuration() const { return endDuration_; }
    void setEndDuration(double seconds) { endDuration_ = seconds; }

    bool runningAnimation() const { return runningAnimation_; }
    bool stopFlag() const { return stopFlag_; }

    void startCircleAnimation();
    void stopCircleAnimation();
    void initCircleAnimation();
    void ongoingCircleAnimation();
    void endCircleAnimation();
    // Moves the rotation on when a phase ends (the phases' delegate).
    void animationDidStop(const ca::AnimationPtr& animation, bool finished);

    void initWithFrame(const cg::Rect& frame) override;

protected:
    // Frames the background button at the image's size, centred across the
    // view at its top, and puts both rings on the button's frame.
    void placeButtonForImage(const ui::ImagePtr& image);
    void setRingsFrame(const cg::Rect& frame);

private:
    ca::AnimationPtr addPhase(const char* key, double duration, double repeatCount, ca::TimingFunction curve);
    void finishRotation();

    std::shared_ptr<ui::Button> bgView_;
    ui::ImageViewPtr statusCircleView_;
    ui::ImageViewPtr animationCircleView_;
    ca::AnimationPtr startupAnimation_;
    ca::AnimationPtr ongoingAnimation_;
    ca::AnimationPtr endAnimation_;
    // Hears the phases for this view without keeping it alive (animations
    // hold their delegate strongly and the layer holds the animations).
    std::shared_ptr<ca::AnimationDelegate> phaseListener_;
    double initDuration_ = 0.75;
    double ongoingDuration_ = 0.5;
    double endDuration_ = 0.75;
    bool runningAnimation_ = false;
    bool stopFlag_ = false;
};
