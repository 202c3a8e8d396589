#include "uikit/PGRoundProgressView.h"

#include <cmath>
#include <numbers>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"

namespace {

constexpr double kDefaultSide = 37;
// The circle sits this far inside the bounds.
constexpr double kCircleInset = 2;
constexpr double kPieOutlineWidth = 2;
constexpr double kRingWidth = 5;
constexpr double kBackgroundTintAlpha = 0.2;
constexpr double kStartAngle = -std::numbers::pi / 2;  // twelve o'clock

void setFill(cg::Context& context, const ui::Color& c) { context.setRGBFillColor(c.red(), c.green(), c.blue(), c.alpha()); }
void setStroke(cg::Context& context, const ui::Color& c) {
    context.setRGBStrokeColor(c.red(), c.green(), c.blue(), c.alpha());
}

// The angle the arc reaches for a progress: a full turn at 1.
double endAngleFor(float progress) { return progress * 2 * std::numbers::pi + kStartAngle; }

}  // namespace

std::shared_ptr<PGRoundProgressView> PGRoundProgressView::create() {
    return make<PGRoundProgressView>(cg::RectMake(0, 0, kDefaultSide, kDefaultSide));
}

void PGRoundProgressView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    setOpaque(false);
    progressTintColor_ = ui::Color::grayColor();
    backgroundTintColor_ = ui::Color::grayColor().colorWithAlphaComponent(kBackgroundTintAlpha);
}

void PGRoundProgressView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    if (annular_) {
        drawRing(*context);
    } else {
        drawPie(*context);
    }
}

void PGRoundProgressView::drawPie(cg::Context& context) const {
    cg::Rect b = bounds();
    cg::Rect circle = cg::RectInset(b, kCircleInset, kCircleInset);
    setFill(context, backgroundTintColor_);
    setStroke(context, progressTintColor_);
    context.setLineWidth(kPieOutlineWidth);
    context.fillEllipseInRect(circle);
    context.strokeEllipseInRect(circle);

    cg::Point centre{cg::RectGetMidX(b), cg::RectGetMidY(b)};
    double radius = (b.size.width - 2 * kCircleInset) / 2;
    setFill(context, progressTintColor_);
    context.beginPath();
    context.moveToPoint(centre.x, centre.y);
    // Not "clockwise" in the context's y-up sense: increasing angles turn
    // clockwise on a y-down screen.
    context.addArc(centre.x, centre.y, radius, kStartAngle, endAngleFor(progress_), false);
    context.closePath();
    context.fillPath();
}

void PGRoundProgressView::drawRing(cg::Context& context) const {
    cg::Rect b = bounds();
    cg::Point centre{cg::RectGetMidX(b), cg::RectGetMidY(b)};
    double radius = (b.size.width - kRingWidth) / 2;
    context.setLineWidth(kRingWidth);
    context.setLineCap(cg::LineCap::Round);

    setStroke(context, backgroundTintColor_);
    context.beginPath();
    context.addArc(centre.x, centre.y, radius, kStartAngle, kStartAngle + 2 * std::numbers::pi, false);
    context.strokePath();

    setStroke(context, progressTintColor_);
    context.beginPath();
    context.addArc(centre.x, centre.y, radius, kStartAngle, endAngleFor(progress_), false);
    context.strokePath();
}
