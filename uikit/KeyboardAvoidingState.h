// What a keyboard-avoiding scroll view remembers while the keyboard is up
// (the insets and content size to give back), and the work it has pending:
// its keyboard registrations, the delayed scan of its text fields and the
// move of the focus on the next turn. Each view owns one; everything in it
// ends with the view.
#pragma once

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/graphics/Geometry.h"

struct KeyboardAvoidingState {
    cg::EdgeInsets priorInset;
    cg::EdgeInsets priorScrollIndicatorInsets;
    bool keyboardVisible = false;
    // The keyboard's final frame in the view's coordinates; zero while hidden.
    cg::Rect keyboardRect;
    // The content size to give back when the keyboard hides (scroll view).
    cg::Size priorContentSize;

    // The same frame in the window: the view may scroll while the keyboard
    // is up, and its covered depth is measured where the view is now.
    cg::Rect keyboardFrameInWindow;
    // Only the plain scroll view keeps and gives back its content size (the
    // table and collection views size their content themselves).
    bool restoresContentSize = false;
    // While the view sizes its own content for the keyboard: that size is
    // not the owner's and is not kept to be given back.
    bool sizingContentForKeyboard = false;
    ns::ScopedObserver keyboardWillShowObserver;
    ns::ScopedObserver keyboardWillHideObserver;
    ns::ScopedTimer fieldScanTimer;
    ns::ScopedTimer focusTimer;
};
