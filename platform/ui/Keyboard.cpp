#include "platform/ui/Keyboard.h"

#include "platform/foundation/Singleton.h"
#include "platform/ui/KeyboardNotifications.h"
#include "platform/ui/Screen.h"

namespace ui {

namespace {
bool& visible() {
    static bool v = false;
    static bool registered = false;
    if (!registered) {
        registered = true;
        ns::onTestReset([] { visible() = false; });
    }
    return v;
}
}  // namespace

bool Keyboard::isVisible() { return visible(); }

cg::Rect Keyboard::shownFrame() {
    cg::Rect screen = Screen::mainScreen()->bounds();
    return cg::RectMake(0, screen.size.height - kHeight, screen.size.width, kHeight);
}

void Keyboard::focusMoved(bool /*hadKeyboard*/, bool needsKeyboard) {
    if (needsKeyboard && !visible()) {
        visible() = true;
        postKeyboardNotifications(true);
    } else if (!needsKeyboard && visible()) {
        visible() = false;
        postKeyboardNotifications(false);
    }
}

}  // namespace ui
