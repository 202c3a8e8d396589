#include "widgets/UIViewBusyIndicator.h"

#include <vector>

#include "platform/foundation/Perform.h"

namespace {

constexpr const char* kDismissRequest = "dismissBusyIndicator";

}  // namespace

void UIViewBusyIndicator::showBusyIndicator(const ui::ViewPtr& view, const cg::Rect& frame,
                                            ui::ActivityIndicatorViewStyle style, bool autoDismiss) {
    if (!view) return;
    dismissBusyIndicator(view);
    auto spinner = ui::ActivityIndicatorView::createWithStyle(style);
    spinner->setFrame(frame);
    spinner->setBackgroundColor(ui::Color::clearColor());
    spinner->startAnimating();
    view->addSubview(spinner);
    if (!autoDismiss) return;
    std::weak_ptr<ui::View> weak = view;
    ns::performAfterDelay(view, kDismissRequest, kAutoDismissSeconds, [weak] {
        if (auto v = weak.lock()) dismissBusyIndicator(v);
    });
}

void UIViewBusyIndicator::showBusyIndicator(const ui::ViewPtr& view, const cg::Rect& frame, bool autoDismiss) {
    showBusyIndicator(view, frame, ui::ActivityIndicatorViewStyle::Gray, autoDismiss);
}

void UIViewBusyIndicator::dismissBusyIndicator(const ui::ViewPtr& view) {
    if (!view) return;
    // A spinner shown later must not go at an earlier spinner's time.
    ns::cancelPreviousPerformRequests(view, kDismissRequest);
    std::vector<std::shared_ptr<ui::ActivityIndicatorView>> spinners;
    for (const auto& subview : view->subviews())
        if (auto spinner = std::dynamic_pointer_cast<ui::ActivityIndicatorView>(subview)) spinners.push_back(spinner);
    for (const auto& spinner : spinners) {
        spinner->stopAnimating();
        spinner->removeFromSuperview();
    }
}
