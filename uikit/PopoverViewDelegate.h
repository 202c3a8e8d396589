// What a popover view tells its delegate; both optional.
#pragma once

#include <cstddef>

class PopoverView;

class PopoverViewDelegate {
public:
    virtual ~PopoverViewDelegate() = default;
    // An item was tapped; its index in the order the items were given.
    virtual void popoverViewDidSelectItemAtIndex(PopoverView&, std::size_t /*index*/) {}
    // The popover closed and left the screen.
    virtual void popoverViewDidDismiss(PopoverView&) {}
};
