// The speed-up badge of a circle-style indicator: a rocket over a green
// "+", the gain in per cent and a "%" sign.
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class SpeedupResultView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<SpeedupResultView> create(const cg::Rect& frame = {}) {
        return make<SpeedupResultView>(frame);
    }

    // The largest figure the badge shows.
    static constexpr int kMaxValue = 999;

    // Shows the figure at once, capped at kMaxValue.
    void startCountUp(int value);
    int value() const { return value_; }

    const ui::ImageViewPtr& rocketView() const { return rocketView_; }
    const ui::LabelPtr& plusLabel() const { return plusLabel_; }
    const ui::LabelPtr& speedupResultLabel() const { return speedupResultLabel_; }
    const ui::LabelPtr& percentLabel() const { return percentLabel_; }

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    ui::ImageViewPtr rocketView_;
    ui::LabelPtr plusLabel_;
    ui::LabelPtr speedupResultLabel_;
    ui::LabelPtr percentLabel_;
    int value_ = 0;
};
