#include "platform/ui/ActivityIndicatorView.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"

namespace ui {

std::shared_ptr<ActivityIndicatorView> ActivityIndicatorView::createWithStyle(ActivityIndicatorViewStyle style) {
    auto v = make<ActivityIndicatorView>();
    v->setStyle(style);
    v->sizeToFit();
    return v;
}

void ActivityIndicatorView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setUserInteractionEnabled(false);
    setHidden(true);  // stopped
}

void ActivityIndicatorView::setStyle(ActivityIndicatorViewStyle style) {
    setProperty(style_, style, PropertyEffectsDisplay);
}

void ActivityIndicatorView::startAnimating() {
    animating_ = true;
    setHidden(false);
}

void ActivityIndicatorView::stopAnimating() {
    animating_ = false;
    if (hidesWhenStopped_) setHidden(true);
}

void ActivityIndicatorView::setHidesWhenStopped(bool hides) {
    hidesWhenStopped_ = hides;
    if (!animating_) setHidden(hides);
}

cg::Size ActivityIndicatorView::sizeThatFits(const cg::Size&) const {
    return style_ == ActivityIndicatorViewStyle::WhiteLarge ? cg::Size{37, 37} : cg::Size{20, 20};
}

void ActivityIndicatorView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    constexpr int kSpokes = 12;
    const cg::Rect b = bounds();
    const double radius = std::min(b.size.width, b.size.height) / 2;
    if (radius <= 0) return;
    const Color tint = color ? *color
                             : (style_ == ActivityIndicatorViewStyle::Gray ? Color::grayColor() : Color::whiteColor());
    context->saveGState();
    context->translateCTM(cg::RectGetMidX(b), cg::RectGetMidY(b));
    context->setLineWidth(radius * 0.2);
    context->setLineCap(cg::LineCap::Round);
    for (int i = 0; i < kSpokes; ++i) {
        const double angle = 2 * M_PI * i / kSpokes - M_PI / 2;
        const double alpha = tint.alpha() * (1.0 - 0.75 * i / kSpokes);
        context->setRGBStrokeColor(tint.red(), tint.green(), tint.blue(), alpha);
        context->beginPath();
        context->moveToPoint(std::cos(angle) * radius * 0.45, std::sin(angle) * radius * 0.45);
        context->addLineToPoint(std::cos(angle) * radius * 0.9, std::sin(angle) * radius * 0.9);
        context->strokePath();
    }
    context->restoreGState();
}

}  // namespace ui
