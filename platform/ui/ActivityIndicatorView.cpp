#include "platform/ui/ActivityIndicatorView.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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
    constexpr double kFaintestAlpha = 0.25;
    cg::Rect b = bounds();
    double radius = std::min(b.size.width, b.size.height) / 2;
    double lineWidth = radius * 0.2;
    Color c = color ? *color : (style_ == ActivityIndicatorViewStyle::Gray ? Color::grayColor() : Color::whiteColor());
    cg::Point centre{cg::RectGetMidX(b), cg::RectGetMidY(b)};
    context->setLineWidth(lineWidth);
    context->setLineCap(cg::LineCap::Round);
    for (int i = 0; i < kSpokes; ++i) {
        // The brightest spoke at twelve o'clock, fainter clockwise behind it.
        double angle = -std::numbers::pi / 2 - i * 2 * std::numbers::pi / kSpokes;
        double alpha = 1 - (1 - kFaintestAlpha) * i / (kSpokes - 1);
        double dx = std::cos(angle), dy = std::sin(angle);
        double inner = radius * 0.5, outer = radius - lineWidth / 2;
        context->setRGBStrokeColor(c.red(), c.green(), c.blue(), c.alpha() * alpha);
        context->beginPath();
        context->moveToPoint(centre.x + dx * inner, centre.y + dy * inner);
        context->addLineToPoint(centre.x + dx * outer, centre.y + dy * outer);
        context->strokePath();
    }
}

}  // namespace ui
