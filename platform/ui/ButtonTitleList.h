// The titled buttons of an alert or an action sheet, numbered in the order
// they were added, as the platform numbers them for the delegate.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace ui {

class ButtonTitleList {
public:
    // Adds a button and returns its index.
    long add(const std::string& title);
    // The title at an index; empty outside the list.
    std::string titleAt(long index) const;
    long count() const { return static_cast<long>(titles_.size()); }
    // The first index that is none of the given special buttons (cancel,
    // destructive), or -1 when there is none.
    long firstIndexOtherThan(std::initializer_list<long> special) const;

private:
    std::vector<std::string> titles_;
};

}  // namespace ui
