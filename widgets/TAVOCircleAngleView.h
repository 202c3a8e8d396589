// A ring whose arc a timer steps towards a target fraction (stopPercent),
// up or down, one step of duration / frameCount seconds at a time; each
// step is reported to the delegate and redrawn. The step that would pass
// the target lands on it instead and the stepping ends there, so the ring
// settles rather than rocking around a target it never hits exactly.
#pragma once

#include <memory>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/View.h"
#include "widgets/TAVOCircleAngleViewDelegate.h"

class TAVOCircleAngleView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOCircleAngleView> create(const cg::Rect& frame = {}) {
        return make<TAVOCircleAngleView>(frame);
    }
    static std::shared_ptr<TAVOCircleAngleView> create(const cg::Rect& frame, const ui::Color& progressBGColor,
                                                       const ui::Color& progressColor);

    // The first step comes this long after start.
    static constexpr double kFirstStepDelay = 0.3;

    const ui::Color& progressBGColor() const { return progressBGColor_; }
    void setProgressBGColor(const ui::Color& color) { setProperty(progressBGColor_, color, ui::PropertyEffectsDisplay); }
    const ui::Color& progressColor() const { return progressColor_; }
    void setProgressColor(const ui::Color& color) { setProperty(progressColor_, color, ui::PropertyEffectsDisplay); }
    double lineWidth() const { return lineWidth_; }
    void setLineWidth(double width) { setProperty(lineWidth_, width, ui::PropertyEffectsDisplay); }
    double duration() const { return duration_; }
    void setDuration(double seconds);
    unsigned frameCount() const { return frameCount_; }
    void setFrameCount(unsigned count);
    float stopPercent() const { return stopPercent_; }
    void setStopPercent(float fraction) { stopPercent_ = fraction; }
    std::shared_ptr<TAVOCircleAngleViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOCircleAngleViewDelegate>& d) { delegate_ = d; }

    float progress() const { return progress_; }
    double stepTime() const { return stepTime_; }
    bool isStepping() const { return timer_.isRunning(); }

    void start();
    void stop();
    // One step towards stopPercent.
    void updateProgress();

    void initWithFrame(const cg::Rect& frame) override;
    void drawRect(const cg::Rect& rect) override;

private:
    void resetToDefaults();
    void recomputeStepTime();

    ui::Color progressBGColor_ = ui::Color::darkGrayColor();
    ui::Color progressColor_ = ui::Color::whiteColor();
    double lineWidth_ = 10;
    double duration_ = 1.0;
    unsigned frameCount_ = 100;
    float stopPercent_ = 0.5f;
    std::weak_ptr<TAVOCircleAngleViewDelegate> delegate_;
    float progress_ = 0;
    double currentTime_ = 0;
    double stepTime_ = 0.01;
    ns::ScopedTimer timer_;
};
