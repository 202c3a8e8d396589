#include "uikit/TKTabBar.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GraphicsContextStack.h"
#include "uikit/TKTab.h"
#include "uikit/TKTabDrawing.h"

namespace {

const ui::Color kDefaultEdgeColor = ui::Color::rgba(0.1, 0.1, 0.1, 0.8);
// The highlight line under the top edge, laid over with overlay blending.
const ui::Color kHighlightLineColor = ui::Color::rgba(0.9, 0.9, 0.9, 0.7);
const ui::Color kDefaultGradientTop = ui::Color::rgba(0.9, 0.9, 0.9, 1.0);
const ui::Color kDefaultGradientBottom = ui::Color::rgba(0.2, 0.2, 0.2, 0.8);
const std::string kTabSelectedAction = "tabSelected";

}  // namespace

void TKTabBar::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setUserInteractionEnabled(true);
    setContentMode(ui::ContentMode::Redraw);
    setOpaque(true);
    setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight |
                        ui::ViewAutoresizingFlexibleTopMargin);
    bgImageView_ = ui::ImageView::create(bounds());
    bgImageView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    addSubview(bgImageView_);
}

void TKTabBar::setEdgeColor(const ui::OptionalColor& color) {
    setProperty(edgeColor_, color.value_or(kDefaultEdgeColor), ui::PropertyEffectsDisplay);
}

void TKTabBar::setTabs(const std::vector<std::shared_ptr<TKTab>>& tabs) {
    if (tabs != tabs_) {
        for (const auto& old : tabs_) {
            old->removeTarget(self<TKTabBar>(), kTabSelectedAction, ui::ControlEventTouchUpInside);
            old->removeFromSuperview();
        }
        tabs_ = tabs;
        for (const auto& tab : tabs_) {
            tab->setUserInteractionEnabled(true);
            tab->addTarget(self<TKTabBar>(), &TKTabBar::tabSelected, kTabSelectedAction,
                           ui::ControlEventTouchUpInside);
        }
    }
    setNeedsLayout();
}

void TKTabBar::setSelectedTab(const std::shared_ptr<TKTab>& tab) {
    if (tab == selectedTab_) return;
    if (selectedTab_) selectedTab_->setSelected(false);
    selectedTab_ = tab;
    if (selectedTab_) selectedTab_->setSelected(true);
}

void TKTabBar::setBackgroundImage(const ui::ImagePtr& image) {
    backgroundImage_ = image;
    bgImageView_->setImage(image);
    setNeedsDisplay();
}

void TKTabBar::tabSelected(ui::Control& tab) {
    auto it = std::find_if(tabs_.begin(), tabs_.end(), [&](const auto& t) { return t.get() == &tab; });
    if (it == tabs_.end()) return;
    if (auto d = delegate()) d->tabBarDidSelectTabAtIndex(*this, static_cast<std::size_t>(it - tabs_.begin()));
}

void TKTabBar::layoutSubviews() {
    // No tabs, nothing to share the width among.
    if (tabs_.empty()) return;
    const cg::Rect b = bounds();
    const double n = static_cast<double>(tabs_.size());
    // Every tab gets the same width, with one-point gaps between them; the
    // points left over widen the first tabs by one each.
    const double width = std::floor((b.size.width + 1) / n - 1);
    double extra = b.size.width - n * width - (n - 1);
    double x = b.origin.x;
    for (const auto& tab : tabs_) {
        const double w = extra > 0 ? width + 1 : width;
        if (extra > 0) extra -= 1;
        tab->setFrame(cg::RectMake(x, b.origin.y, w, b.size.height));
        if (tab->superview().get() != this) addSubview(tab);
        x += w + 1;
    }
}

void TKTabBar::drawRect(const cg::Rect& rect) {
    if (backgroundImage_) return;
    auto context = cg::currentContext();
    if (!context) return;
    const std::string patternName = backgroundImageName_.empty() ? kDefaultBackgroundImageName : backgroundImageName_;
    tk::fillWithPattern(*context, rect, ui::Image::imageNamed(patternName));

    context->saveGState();
    context->setBlendMode(cg::BlendMode::Multiply);
    auto colors = tk::isColorPair(tabColors_)
                      ? tk::gradient(tabColors_[0], 0, tabColors_[1], 1)
                      : tk::gradient(tk::cgColor(kDefaultGradientTop), 0, tk::cgColor(kDefaultGradientBottom), 1);
    context->drawLinearGradient(colors, {0, 0}, {0, rect.size.height}, cg::GradientDrawsAfterEndLocation);
    context->restoreGState();

    context->setRGBFillColor(edgeColor_.red(), edgeColor_.green(), edgeColor_.blue(), edgeColor_.alpha());
    context->fillRect(cg::RectMake(0, 0, rect.size.width, 1));

    context->saveGState();
    context->setBlendMode(cg::BlendMode::Overlay);
    context->setRGBFillColor(kHighlightLineColor.red(), kHighlightLineColor.green(), kHighlightLineColor.blue(),
                             kHighlightLineColor.alpha());
    context->fillRect(cg::RectMake(0, 1, rect.size.width, 1));
    context->restoreGState();

    context->setRGBFillColor(edgeColor_.red(), edgeColor_.green(), edgeColor_.blue(), edgeColor_.alpha());
    for (const auto& tab : tabs_) context->fillRect(cg::RectMake(tab->frame().origin.x - 1, 0, 1, rect.size.height));
}
