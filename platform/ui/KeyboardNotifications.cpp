#include "platform/ui/KeyboardNotifications.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/MainLoop.h"

namespace ui {

void postKeyboardNotifications(bool show) {
    cg::Rect shown = Keyboard::shownFrame();
    cg::Rect hidden = cg::RectOffset(shown, 0, shown.size.height);
    ns::Dictionary info;
    info.set(KeyboardFrameBeginUserInfoKey, ns::Value(RectValue::create(show ? hidden : shown)));
    info.set(KeyboardFrameEndUserInfoKey, ns::Value(RectValue::create(show ? shown : hidden)));
    info.set(KeyboardAnimationDurationUserInfoKey, Keyboard::kAnimationDuration);
    info.set(KeyboardAnimationCurveUserInfoKey, Keyboard::kAnimationCurve);
    auto center = ns::NotificationCenter::defaultCenter();
    center->postNotificationName(show ? KeyboardWillShowNotification : KeyboardWillHideNotification, {}, info);
    mainloop::performAfter(Keyboard::kAnimationDuration, [info, show] {
        ns::NotificationCenter::defaultCenter()->postNotificationName(
            show ? KeyboardDidShowNotification : KeyboardDidHideNotification, {}, info);
    });
}

}  // namespace ui
