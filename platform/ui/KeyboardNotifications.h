// The keyboard's notification names and user-info keys, and the posting
// of the will/did show and hide pairs.
#pragma once

#include <string>

#include "platform/foundation/Object.h"
#include "platform/graphics/Geometry.h"

namespace ui {

inline const std::string KeyboardWillShowNotification = "UIKeyboardWillShowNotification";
inline const std::string KeyboardDidShowNotification = "UIKeyboardDidShowNotification";
inline const std::string KeyboardWillHideNotification = "UIKeyboardWillHideNotification";
inline const std::string KeyboardDidHideNotification = "UIKeyboardDidHideNotification";
inline const std::string KeyboardFrameBeginUserInfoKey = "UIKeyboardFrameBeginUserInfoKey";
inline const std::string KeyboardFrameEndUserInfoKey = "UIKeyboardFrameEndUserInfoKey";
inline const std::string KeyboardAnimationDurationUserInfoKey = "UIKeyboardAnimationDurationUserInfoKey";
inline const std::string KeyboardAnimationCurveUserInfoKey = "UIKeyboardAnimationCurveUserInfoKey";

// A rectangle carried in a notification's user info (the platform wraps
// geometry in value objects).
class RectValue : public ns::Object {
public:
    explicit RectValue(const cg::Rect& r) : rect(r) {}
    static std::shared_ptr<RectValue> create(const cg::Rect& r) { return std::make_shared<RectValue>(r); }
    cg::Rect rect;
};

// Posts will-show now and did-show after the keyboard's animation (or the
// hide pair).
void postKeyboardNotifications(bool show);

}  // namespace ui
