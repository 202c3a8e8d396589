// The ten-second count-down shown while the router restarts its Wi-Fi:
// a large number over the line "remaining restart time".
#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class RestartView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<RestartView> create(const cg::Rect& frame = {}) { return make<RestartView>(frame); }

    static constexpr double kTickSeconds = 1.0;

    // Called once when the count has run out.
    std::function<void()> timeOutFunc;

    int countValue() const { return countValue_; }
    void setCountValue(int value) { countValue_ = value; }
    // Shows countValue now and one less each second down to 0; the tick
    // after 0 ends the count and calls the block.
    void startCountDown(std::function<void()> timeOut);
    // Ends the count without calling the block.
    void stopCountDown();
    bool isCounting() const { return timer_.isRunning(); }
    // The timer's tick.
    void updateValue();

    const ui::LabelPtr& countDownLabel() const { return countDownLabel_; }
    const ui::LabelPtr& introduceLabel() const { return introduceLabel_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    void show(int value);

    ui::LabelPtr countDownLabel_;
    ui::LabelPtr introduceLabel_;
    ns::ScopedTimer timer_;
    int countValue_ = 0;
};
