// A busy spinner placed at a frame of any view: one at a time, optionally
// gone again after 0.3 s.
#pragma once

#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/View.h"

class UIViewBusyIndicator {
public:
    UIViewBusyIndicator() = delete;

    static constexpr double kAutoDismissSeconds = 0.3;

    // Removes any spinner first, then adds a started one of the style at
    // the frame; with autoDismiss it goes 0.3 s later.
    static void showBusyIndicator(const ui::ViewPtr& view, const cg::Rect& frame, ui::ActivityIndicatorViewStyle style,
                                  bool autoDismiss);
    // The grey style.
    static void showBusyIndicator(const ui::ViewPtr& view, const cg::Rect& frame, bool autoDismiss = false);
    // Stops and removes every spinner directly in the view.
    static void dismissBusyIndicator(const ui::ViewPtr& view);
};
