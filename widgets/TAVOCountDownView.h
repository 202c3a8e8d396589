// The circle counting seconds down: idle it shows its info text in green;
// started, the scan ring turns and the number goes down once a second; the
// tick that shows 1 tells the delegate the time is up (the ring keeps
// turning until the owner stops it or removes the view).
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Label.h"
#include "widgets/TAVOCircleView.h"
#include "widgets/TAVOCountDownViewDelegate.h"

class TAVOCountDownView : public TAVOCircleView {
public:
    using TAVOCircleView::TAVOCircleView;
    static std::shared_ptr<TAVOCountDownView> create(const cg::Rect& frame = {}) {
        return make<TAVOCountDownView>(frame);
    }

    static constexpr double kTickSeconds = 1.0;

    const ui::LabelPtr& infoLabel() const { return infoLabel_; }
    const std::string& info() const { return info_; }
    void setInfo(const std::string& info);
    bool isRunning() const { return running_; }
    int currentCount() const { return currentCount_; }
    void setCurrentCount(int count) { currentCount_ = count; }
    std::shared_ptr<TAVOCountDownViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOCountDownViewDelegate>& delegate) { delegate_ = delegate; }

    // Starts (or restarts) from `seconds`: the number shows at once.
    void startCountDown(int seconds);
    // One tick: shows the current number and counts down.
    void setCount();
    // Back to idle without telling the delegate.
    void cancelCountDown();

    void initWithFrame(const cg::Rect& frame) override;

protected:
    // The idle look of the info label (text, green, 22 points).
    void showInfo();

private:
    ui::LabelPtr infoLabel_;
    std::string info_;
    bool running_ = false;
    int currentCount_ = 0;
    std::weak_ptr<TAVOCountDownViewDelegate> delegate_;
    ns::ScopedTimer tick_;
};
