// The guest screen's count-down button: a green ring that fills in ticks of
// 0.1 s over the admission window around the router picture, and tells its
// delegate once when it is full.
#pragma once

#include <memory>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "widgets/TAVOCircleProgressView.h"

class TAVOVisitModeProgress;

class TAVOVisitModeProgressDelegate {
public:
    virtual ~TAVOVisitModeProgressDelegate() = default;
    virtual void timeout(TAVOVisitModeProgress& progress) = 0;
};

class TAVOVisitModeProgress : public ui::Button {
public:
    using ui::Button::Button;
    static std::shared_ptr<TAVOVisitModeProgress> create(const cg::Rect& frame) {
        return make<TAVOVisitModeProgress>(frame);
    }
    static constexpr double kTick = 0.1;
    ~TAVOVisitModeProgress() override = default;

    void initWithFrame(const cg::Rect& frame) override;

    // Starts ticking toward a window of that many seconds; the ticks already
    // counted stay counted.
    void startCounter(int seconds);
    // Stops ticking; the ring stays where it is.
    void stopCounter();

    std::shared_ptr<TAVOVisitModeProgressDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOVisitModeProgressDelegate>& d) { delegate_ = d; }
    int counter() const { return counter_; }
    int currentTimeoutCount() const { return currentTimeoutCount_; }
    bool isCounting() const { return counting_; }
    const std::shared_ptr<TAVOCircleProgressView>& progressView() const { return progressView_; }

private:
    void tick();

    std::weak_ptr<TAVOVisitModeProgressDelegate> delegate_;
    int counter_ = 0;
    int currentTimeoutCount_ = 0;
    bool counting_ = false;
    std::shared_ptr<TAVOCircleProgressView> progressView_;
    ui::ImageViewPtr iconView_;
    ns::ScopedTimer timer_;
};
