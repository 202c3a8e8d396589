#include "screens/home/TAVORouterControlPanel.h"

#include <algorithm>
#include <cmath>

void TAVORouterControlPanel::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    setUserInteractionEnabled(true);
}

void TAVORouterControlPanel::setControls(const std::vector<ui::ViewPtr>& controls) {
    for (const auto& control : controls_)
        if (control) control->removeFromSuperview();
    controls_ = controls;
    for (const auto& control : controls_)
        if (control) addSubview(control);
    setNeedsLayout();
}

unsigned TAVORouterControlPanel::cellWidth(double panelWidth, std::size_t controlCount) {
    const std::size_t placed = std::min(controlCount, kMaxPlacedControls);
    if (placed == 0) return 0;
    // A panel narrower than its insets (or not a width at all) has no room:
    // its cells are empty rather than a wrapped-around huge width.
    const double room = std::trunc(panelWidth - 2 * kSideInset);
    if (!(room > 0)) return 0;
    return static_cast<unsigned>(room) / static_cast<unsigned>(placed);
}

void TAVORouterControlPanel::layoutSubviews() {
    View::layoutSubviews();
    if (controls_.empty()) return;
    const unsigned width = cellWidth(bounds().size.width, controls_.size());
    const std::size_t placed = std::min(controls_.size(), kMaxPlacedControls);
    for (std::size_t i = 0; i < placed; ++i) {
        if (!controls_[i]) continue;
        controls_[i]->setFrame(cg::RectMake(static_cast<double>(i * width) + kSideInset, 0, width, bounds().size.height));
    }
}
