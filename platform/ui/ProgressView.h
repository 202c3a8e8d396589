// A bar that shows progress from 0 to 1 (values outside are clamped).
#pragma once

#include "platform/ui/Image.h"
#include "platform/ui/View.h"

namespace ui {

class ProgressView : public View {
public:
    using View::View;
    static std::shared_ptr<ProgressView> create(const cg::Rect& frame = {}) { return make<ProgressView>(frame); }

    double progress() const { return progress_; }
    void setProgress(double progress, bool animated = false);
    int progressViewStyle = 0;
    OptionalColor progressTintColor;
    OptionalColor trackTintColor;
    ImagePtr progressImage;
    ImagePtr trackImage;

    cg::Size sizeThatFits(const cg::Size& size) const override;

private:
    double progress_ = 0;
};

}  // namespace ui
