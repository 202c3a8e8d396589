// The black backdrop behind a shown popover (shown at alpha 0.3).
#pragma once

#include <memory>

#include "platform/ui/View.h"

class PopoverDimingView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<PopoverDimingView> create(const cg::Rect& frame = {}) {
        return make<PopoverDimingView>(frame);
    }

    void initWithFrame(const cg::Rect& frame) override {
        ui::View::initWithFrame(frame);
        setBackgroundColor(ui::Color::blackColor());
    }
};
