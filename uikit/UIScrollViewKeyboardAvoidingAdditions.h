// The shared work of the keyboard-avoiding scroll, table and collection
// views, each passing its own state:
// - while the keyboard is up, the bottom content inset grows by as much of
//   the view as the keyboard covers, and the focused field is scrolled
//   into the middle of what is left (at least 20 points from its top);
// - Return moves the focus to the next field below (or to the right on the
//   same row); the last field's Return key reads Done;
// - a tap outside the fields ends editing.
#pragma once

#include <memory>

#include "platform/foundation/Notification.h"
#include "platform/ui/ScrollView.h"
#include "uikit/KeyboardAvoidingState.h"

class UIScrollViewKeyboardAvoidingAdditions {
public:
    static constexpr double kMinimumScrollOffsetPadding = 20;
    static constexpr double kCalculatedContentPadding = 10;
    static constexpr double kFieldScanDelay = 0.1;
    static constexpr double kScrollToFieldDuration = 0.25;

    // Subscribes the view to the keyboard's will-show and will-hide news.
    static void setup(const ui::ScrollViewPtr& view, KeyboardAvoidingState& state);
    static void keyboardWillShow(const ui::ScrollViewPtr& view, KeyboardAvoidingState& state,
                                 const ns::NotificationPtr& notification);
    static void keyboardWillHide(const ui::ScrollViewPtr& view, KeyboardAvoidingState& state,
                                 const ns::NotificationPtr& notification);
    static void updateContentInset(const ui::ScrollViewPtr& view, KeyboardAvoidingState& state);
    // The owner set a new content size: it is the one to give back.
    static void updateFromContentSizeChange(const ui::ScrollViewPtr& view, KeyboardAvoidingState& state);
    // False when there is no focused field or no field after it.
    static bool focusNextTextField(const ui::ScrollViewPtr& view, KeyboardAvoidingState& state);
    static void scrollToActiveTextField(const ui::ScrollViewPtr& view, KeyboardAvoidingState& state);
    // After a layout: the fields are scanned 0.1 s after the last of a burst.
    static void scheduleFieldScan(const ui::ScrollViewPtr& view, KeyboardAvoidingState& state);

    static ui::ViewPtr findFirstResponderBeneathView(const ui::ViewPtr& view);
    // The next field after `current` below `beneath`: the one whose top, in
    // the scroll view's coordinates, is the nearest at or below the
    // current's, to its right when on the same row. `minY` is the best top
    // so far (in and out).
    static void findTextFieldAfterTextField(const ui::ScrollViewPtr& view, const ui::ViewPtr& current,
                                            const ui::ViewPtr& beneath, double& minY, ui::ViewPtr& found);
    // Makes the view the delegate of its text fields that have none, and
    // labels their Return keys Next or Done.
    static void assignTextDelegateForViewsBeneathView(const ui::ScrollViewPtr& view, const ui::ViewPtr& beneath);
    static void initializeView(const ui::ScrollViewPtr& view, const ui::ViewPtr& field);
    static cg::Size calculatedContentSizeFromSubviewFrames(const ui::ScrollViewPtr& view);
    static cg::EdgeInsets contentInsetForKeyboard(const ui::ScrollViewPtr& view, const KeyboardAvoidingState& state);
    static double idealOffsetForView(const ui::ScrollViewPtr& view, const ui::ViewPtr& field, double viewingAreaHeight);
};
