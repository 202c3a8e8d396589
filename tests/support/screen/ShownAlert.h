// An alert on screen, whatever view class draws it: what it says, its
// buttons, its text fields, and a finger on a button. Each alert class gets
// a reader in ScreenReaders that wraps its shown alerts in this.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/ui/View.h"

namespace keelbox::test {

class ShownAlert {
public:
    virtual ~ShownAlert() = default;
    virtual std::string title() const = 0;
    virtual std::string message() const = 0;
    // In the order they are laid out.
    virtual std::vector<std::string> buttonTitles() const = 0;
    virtual std::size_t textFieldCount() const = 0;
    // Types the text into the field at the index (replacing what it held);
    // false when there is no such field or its delegate refused.
    virtual bool fillTextField(std::size_t index, const std::string& text) = 0;
    // Presses the button with the title; false when the alert has none.
    virtual bool pressButton(const std::string& title) = 0;
    virtual ui::ViewPtr view() const = 0;
};

}  // namespace keelbox::test
