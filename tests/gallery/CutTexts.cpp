#include "tests/gallery/CutTexts.h"

#include "platform/foundation/Format.h"
#include "platform/graphics/StringDrawing.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/Window.h"

namespace keelbox::gallery {

namespace {

// Half a point: rounding of a text that just fits.
constexpr double kSlack = 0.5;

void collect(const ui::ViewPtr& view, std::vector<std::string>& cut) {
    if (view->isHidden() || view->alpha() <= 0) return;
    if (auto* label = dynamic_cast<ui::Label*>(view.get());
        label && label->numberOfLines() == 1 && !label->adjustsFontSizeToFitWidth() && !label->text().empty()) {
        const double width = ct::sizeWithFont(label->text(), label->font().ctFont()).width;
        if (width > label->bounds().size.width + kSlack)
            cut.push_back(ns::format("\"%@\" %.0f wide in %.0f", label->text(), width, label->bounds().size.width));
    }
    // A button's title may be laid out past the button's own edges.
    if (auto* button = dynamic_cast<ui::Button*>(view.get()); button && button->titleLabel() &&
                                                             !button->titleLabel()->text().empty()) {
        const auto& title = *button->titleLabel();
        const double width = ct::sizeWithFont(title.text(), title.font().ctFont()).width;
        if (width > button->bounds().size.width + kSlack)
            cut.push_back(ns::format("button \"%@\" %.0f wide in %.0f", title.text(), width, button->bounds().size.width));
    }
    for (const auto& sub : view->subviews()) collect(sub, cut);
}

}  // namespace

std::vector<std::string> cutTextsOnScreen() {
    std::vector<std::string> cut;
    if (auto app = ui::Application::existing())
        for (const auto& window : app->windows()) collect(window, cut);
    return cut;
}

}  // namespace keelbox::gallery
