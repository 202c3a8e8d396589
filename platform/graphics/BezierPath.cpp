#include "platform/graphics/BezierPath.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"

namespace cg {

std::shared_ptr<BezierPath> BezierPath::bezierPath() { return std::make_shared<BezierPath>(); }

std::shared_ptr<BezierPath> BezierPath::bezierPathWithRect(const Rect& rect) {
    auto p = bezierPath();
    p->path_.addRect(rect);
    return p;
}

std::shared_ptr<BezierPath> BezierPath::bezierPathWithOvalInRect(const Rect& rect) {
    auto p = bezierPath();
    p->path_.addEllipseInRect(rect);
    return p;
}

std::shared_ptr<BezierPath> BezierPath::bezierPathWithRoundedRect(const Rect& rect, Float cornerRadius) {
    return bezierPathWithRoundedRect(rect, RectCornerAllCorners, {cornerRadius, cornerRadius});
}

std::shared_ptr<BezierPath> BezierPath::bezierPathWithRoundedRect(const Rect& rect0, unsigned corners, Size radii) {
    auto p = bezierPath();
    Rect r = RectStandardize(rect0);
    Float rad = std::min({std::isfinite(radii.width) ? std::max(0.0, radii.width) : 0.0, r.size.width / 2, r.size.height / 2});
    Float x0 = RectGetMinX(r), y0 = RectGetMinY(r), x1 = RectGetMaxX(r), y1 = RectGetMaxY(r);
    auto radius = [&](unsigned corner) { return (corners & corner) ? rad : 0.0; };
    Path& path = p->path_;
    // Clockwise on screen from the top-left corner's end, as views trace it.
    Float tl = radius(RectCornerTopLeft), tr = radius(RectCornerTopRight), br = radius(RectCornerBottomRight),
          bl = radius(RectCornerBottomLeft);
    path.moveToPoint({x0 + tl, y0});
    path.addLineToPoint({x1 - tr, y0});
    if (tr > 0) path.addArc({x1 - tr, y0 + tr}, tr, -M_PI / 2, 0, false);
    path.addLineToPoint({x1, y1 - br});
    if (br > 0) path.addArc({x1 - br, y1 - br}, br, 0, M_PI / 2, false);
    path.addLineToPoint({x0 + bl, y1});
    if (bl > 0) path.addArc({x0 + bl, y1 - bl}, bl, M_PI / 2, M_PI, false);
    path.addLineToPoint({x0, y0 + tl});
    if (tl > 0) path.addArc({x0 + tl, y0 + tl}, tl, M_PI, 3 * M_PI / 2, false);
    path.closeSubpath();
    return p;
}

std::shared_ptr<BezierPath> BezierPath::bezierPathWithArcCenter(Point center, Float radius, Float start, Float end,
                                                                bool clockwise) {
    auto p = bezierPath();
    p->addArcWithCenter(center, radius, start, end, clockwise);
    return p;
}

std::shared_ptr<BezierPath> BezierPath::bezierPathWithCGPath(const Path& path) {
    auto p = bezierPath();
    p->path_ = path;
    return p;
}

void BezierPath::addArcWithCenter(Point center, Float radius, Float start, Float end, bool clockwise) {
    path_.addArc(center, radius, start, end, !clockwise);
}

Rect BezierPath::bounds() const {
    Rect r = path_.boundingBox();
    return RectIsNull(r) ? RectZero : r;
}

void BezierPath::fill() { fillWithBlendMode(BlendMode::Normal, 1); }
void BezierPath::stroke() { strokeWithBlendMode(BlendMode::Normal, 1); }

void BezierPath::fillWithBlendMode(BlendMode mode, double alpha) {
    auto ctx = currentContext();
    if (!ctx) return;
    ctx->saveGState();
    ctx->setBlendMode(mode);
    ctx->setAlpha(alpha);
    ctx->beginPath();
    ctx->addPath(path_);
    if (usesEvenOddFillRule) {
        ctx->eoFillPath();
    } else {
        ctx->fillPath();
    }
    ctx->restoreGState();
}

void BezierPath::strokeWithBlendMode(BlendMode mode, double alpha) {
    auto ctx = currentContext();
    if (!ctx) return;
    ctx->saveGState();
    ctx->setBlendMode(mode);
    ctx->setAlpha(alpha);
    ctx->setLineWidth(lineWidth);
    ctx->setLineCap(lineCapStyle);
    ctx->setLineJoin(lineJoinStyle);
    ctx->setMiterLimit(miterLimit);
    ctx->setLineDash(dashPhase_, dashes_);
    ctx->beginPath();
    ctx->addPath(path_);
    ctx->strokePath();
    ctx->restoreGState();
}

void BezierPath::addClip() {
    auto ctx = currentContext();
    if (!ctx) return;
    ctx->beginPath();
    ctx->addPath(path_);
    if (usesEvenOddFillRule) {
        ctx->eoClip();
    } else {
        ctx->clip();
    }
}

}  // namespace cg
