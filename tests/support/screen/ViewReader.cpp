#include "tests/support/screen/ViewReader.h"

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"
#include "tests/support/screen/ScreenReaders.h"

namespace keelbox::test {

namespace {
// Below this a view is as good as invisible; the platform does not hit-test
// views under 0.01 either.
constexpr double kInvisibleAlpha = 0.01;
}  // namespace

std::string ViewReader::text(const ui::ViewPtr& view) {
    if (!view) return {};
    return ScreenReaders::textOf(*view).value_or("");
}

std::string ViewReader::imageName(const ui::ViewPtr& view) {
    if (!view) return {};
    return ScreenReaders::imageNameOf(*view).value_or("");
}

bool ViewReader::isShown(const ui::ViewPtr& view) {
    if (!view) return false;
    auto window = view->window();
    if (!window) return false;
    for (ui::ViewPtr v = view; v; v = v->superview())
        if (v->isHidden() || v->alpha() < kInvisibleAlpha) return false;
    const cg::Rect frame = frameInWindow(view);
    return cg::RectIntersectsRect(frame, window->bounds());
}

cg::Rect ViewReader::frameInWindow(const ui::ViewPtr& view) {
    if (!view) return {};
    return view->convertRectToView(view->bounds(), nullptr);
}

ui::OptionalColor ViewReader::backgroundColor(const ui::ViewPtr& view) {
    return view ? view->backgroundColor() : ui::OptionalColor{};
}

ui::OptionalColor ViewReader::textColor(const ui::ViewPtr& view) {
    if (auto label = std::dynamic_pointer_cast<ui::Label>(view)) return label->currentTextColor();
    if (auto button = std::dynamic_pointer_cast<ui::Button>(view)) return button->currentTitleColor();
    if (auto field = std::dynamic_pointer_cast<ui::TextField>(view)) return field->textColor();
    if (auto textView = std::dynamic_pointer_cast<ui::TextView>(view)) return textView->textColor;
    return std::nullopt;
}

}  // namespace keelbox::test
