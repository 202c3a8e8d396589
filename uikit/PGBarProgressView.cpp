#include "uikit/PGBarProgressView.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"

namespace {

constexpr double kDefaultWidth = 120;
constexpr double kDefaultHeight = 20;
constexpr double kLineWidth = 2;
// The outline sits this far inside the bounds, the fill twice as far.
constexpr double kOutlineInset = 2;
constexpr double kFillInset = 4;

void setFill(cg::Context& context, const ui::Color& c) { context.setRGBFillColor(c.red(), c.green(), c.blue(), c.alpha()); }
void setStroke(cg::Context& context, const ui::Color& c) {
    context.setRGBStrokeColor(c.red(), c.green(), c.blue(), c.alpha());
}

}  // namespace

std::shared_ptr<PGBarProgressView> PGBarProgressView::create() {
    return make<PGBarProgressView>(cg::RectMake(0, 0, kDefaultWidth, kDefaultHeight));
}

void PGBarProgressView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    setOpaque(false);
    lineColor_ = ui::Color::grayColor();
    progressColor_ = ui::Color::grayColor();
}

void PGBarProgressView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    drawOutline(*context);
    drawFill(*context);
}

void PGBarProgressView::drawOutline(cg::Context& context) const {
    cg::Rect b = bounds();
    double w = b.size.width, h = b.size.height;
    double radius = h / 2 - kOutlineInset;
    double left = kOutlineInset, right = w - kOutlineInset, top = kOutlineInset, bottom = h - kOutlineInset;
    context.setLineWidth(kLineWidth);
    setStroke(context, lineColor_);
    setFill(context, progressRemainingColor_);
    // Two half-round ends joined by straight edges.
    context.beginPath();
    context.moveToPoint(left, h / 2);
    context.addArcToPoint(left, top, left + radius, top, radius);
    context.addLineToPoint(right - radius, top);
    context.addArcToPoint(right, top, right, h / 2, radius);
    context.addArcToPoint(right, bottom, right - radius, bottom, radius);
    context.addLineToPoint(left + radius, bottom);
    context.addArcToPoint(left, bottom, left, h / 2, radius);
    context.closePath();
    context.drawPath(cg::PathDrawingMode::FillStroke);
}

void PGBarProgressView::drawFill(cg::Context& context) const {
    cg::Rect b = bounds();
    double w = b.size.width, h = b.size.height;
    double radius = h / 2 - kFillInset;
    double top = kFillInset, bottom = h - kFillInset, mid = h / 2;
    double leftCapEnd = kFillInset + radius;        // where the straight middle begins
    double rightCapStart = w - kFillInset - radius;  // where it ends
    double amount = progress_ * w;
    if (!(amount > 0) || radius <= 0) return;
    setFill(context, progressColor_);
    context.beginPath();
    if (amount < leftCapEnd) {
        // Inside the left end: the whole left cap.
        context.moveToPoint(kFillInset, mid);
        context.addArcToPoint(kFillInset, top, leftCapEnd, top, radius);
        context.addLineToPoint(leftCapEnd, mid);
        context.moveToPoint(kFillInset, mid);
        context.addArcToPoint(kFillInset, bottom, leftCapEnd, bottom, radius);
        context.addLineToPoint(leftCapEnd, mid);
    } else if (amount <= rightCapStart) {
        // The left cap and the straight part, cut off vertically.
        context.moveToPoint(kFillInset, mid);
        context.addArcToPoint(kFillInset, top, leftCapEnd, top, radius);
        context.addLineToPoint(amount, top);
        context.addLineToPoint(amount, bottom);
        context.addLineToPoint(leftCapEnd, bottom);
        context.addArcToPoint(kFillInset, bottom, kFillInset, mid, radius);
    } else {
        // Into the right cap: filled up to where the cap's arc meets x.
        double into = std::min(amount - rightCapStart, radius);
        double angle = std::acos(into / radius);
        context.moveToPoint(kFillInset, mid);
        context.addArcToPoint(kFillInset, top, leftCapEnd, top, radius);
        context.addLineToPoint(rightCapStart, top);
        // Increasing angles turn clockwise on a y-down screen.
        context.addArc(rightCapStart, mid, radius, -std::numbers::pi / 2, -angle, false);
        context.addLineToPoint(rightCapStart + into, mid + radius * std::sin(angle));
        context.addArc(rightCapStart, mid, radius, angle, std::numbers::pi / 2, false);
        context.addLineToPoint(leftCapEnd, bottom);
        context.addArcToPoint(kFillInset, bottom, kFillInset, mid, radius);
    }
    context.closePath();
    context.fillPath();
}
