// What a view shows, as a person sees it: its text and image (through the
// registered readers), whether it can be seen at all, where it is on the
// window, and its colours.
#pragma once

#include <optional>
#include <string>

#include "platform/ui/Color.h"
#include "platform/ui/View.h"

namespace keelbox::test {

class ViewReader {
public:
    // The text the view shows ("" when it shows none).
    static std::string text(const ui::ViewPtr& view);
    // The name of the image it shows ("" when none, or unnamed).
    static std::string imageName(const ui::ViewPtr& view);
    // On a visible window, neither it nor an ancestor hidden or
    // transparent, and at least partly inside the window.
    static bool isShown(const ui::ViewPtr& view);
    // The view's bounds in its window's coordinates (the screen's, for
    // full-screen windows).
    static cg::Rect frameInWindow(const ui::ViewPtr& view);
    static ui::OptionalColor backgroundColor(const ui::ViewPtr& view);
    // The colour of its text, for the views that show text in one colour.
    static ui::OptionalColor textColor(const ui::ViewPtr& view);
};

}  // namespace keelbox::test
