// Hears a popover controller close: before and after.
#pragma once

class PopoverController;

class PopoverControllerDelegate {
public:
    virtual ~PopoverControllerDelegate() = default;
    // Optional.
    virtual void popoverControllerWillDismiss(PopoverController& /*controller*/) {}
    virtual void popoverControllerDidDismiss(PopoverController& /*controller*/) {}
};
