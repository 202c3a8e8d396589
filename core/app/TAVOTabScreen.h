// What the core needs of the main tab screen, which the interface kits
// build: the tab screen class also derives from this, so that the core can
// find it on the screen stack without knowing the kit.
#pragma once

#include <memory>

namespace ui {
class ViewController;
}

class TAVOTabScreen {
public:
    virtual ~TAVOTabScreen() = default;
    // The screen of the selected tab, or nullptr.
    virtual std::shared_ptr<ui::ViewController> selectedViewController() const = 0;
};
