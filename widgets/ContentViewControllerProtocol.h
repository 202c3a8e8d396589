// What a popover's content controller offers: a place for the popover
// controller showing it, which that controller clears when it goes away.
#pragma once

#include <memory>

class PopoverControllerProtocol;

class ContentViewControllerProtocol {
public:
    virtual ~ContentViewControllerProtocol() = default;
    virtual std::shared_ptr<PopoverControllerProtocol> popoverDelegate() const = 0;
    virtual void setPopoverDelegate(const std::shared_ptr<PopoverControllerProtocol>& delegate) = 0;
};
