// The on-screen keyboard, emulated: when focus moves to a text input while
// no keyboard is up, "UIKeyboardWillShowNotification" is posted (and
// "...DidShow" 0.25 s later); when the last text input gives up the focus,
// "UIKeyboardWillHideNotification" (and "...DidHide"). The user info holds
// the begin and end frames (a 320 x 216 keyboard at the bottom of the
// screen, as RectValue objects), the duration 0.25 and the curve 7.
#pragma once

#include "platform/graphics/Geometry.h"

namespace ui {

class Keyboard {
public:
    static constexpr double kHeight = 216;
    static constexpr double kAnimationDuration = 0.25;
    static constexpr int kAnimationCurve = 7;

    static bool isVisible();
    // The keyboard's frame on the screen when shown.
    static cg::Rect shownFrame();
    // Called by the responder chain when the focus moves.
    static void focusMoved(bool hadKeyboard, bool needsKeyboard);
};

}  // namespace ui
