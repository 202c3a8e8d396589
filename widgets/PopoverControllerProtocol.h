// What a popover's full-window view asks of the controller that owns it:
// which views keep their touches, which let the popover stay, whether the
// bubble is centred, and (optionally) resizing, content swaps and closing.
#pragma once

#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewController.h"

class PopoverControllerProtocol {
public:
    virtual ~PopoverControllerProtocol() = default;

    // Views on which a touch outside the bubble is swallowed (it still closes the popover).
    virtual const std::vector<ui::ViewPtr>& eventUnableThroughViews() const = 0;
    virtual void setEventUnableThroughViews(const std::vector<ui::ViewPtr>& views) = 0;
    // Views on which a touch outside the bubble leaves the popover up.
    virtual const std::vector<ui::ViewPtr>& passthroughViews() const = 0;
    virtual void setPassthroughViews(const std::vector<ui::ViewPtr>& views) = 0;
    virtual bool isCenterInScreen() const = 0;
    virtual void setIsCenterInScreen(bool centered) = 0;

    // Optional.
    virtual void setContentSize(const cg::Size& /*size*/, bool /*animated*/) {}
    virtual void setContentViewController(const ui::ViewControllerPtr& /*controller*/, bool /*animated*/) {}
    virtual void dismissAnimated(bool /*animated*/) {}
};
