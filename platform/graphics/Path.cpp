#include "platform/graphics/Path.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cg {

namespace {

constexpr Float kTwoPi = 2 * M_PI;
// Control-point distance of a quarter circle drawn as one cubic curve.
constexpr Float kKappa = 0.5522847498307936;

Point mapped(Point p, const AffineTransform* m) { return m ? PointApplyAffineTransform(p, *m) : p; }

bool finite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

bool PathElement::operator==(const PathElement& o) const {
    if (type != o.type || points != o.points) return false;
    if (type != PathElementType::AddArc) return true;
    return arc.center == o.arc.center && arc.radius == o.arc.radius && arc.startAngle == o.arc.startAngle &&
           arc.endAngle == o.arc.endAngle && arc.clockwise == o.arc.clockwise && arc.transform == o.arc.transform;
}

// The angle actually swept (always >= 0, at most a full turn), in the arc's direction.
static Float arcSweep(const Arc& a) {
    Float d = a.clockwise ? a.startAngle - a.endAngle : a.endAngle - a.startAngle;
    if (!std::isfinite(d)) return 0;
    if (d >= kTwoPi) return kTwoPi;
    if (d < 0) {
        d = std::fmod(d, kTwoPi);
        if (d < 0) d += kTwoPi;
    }
    return d;
}

Point ArcPoint(const Arc& arc, Float angle) {
    Point p{arc.center.x + arc.radius * std::cos(angle), arc.center.y + arc.radius * std::sin(angle)};
    return PointApplyAffineTransform(p, arc.transform);
}

void Path::push(PathElement e, Point end) {
    elements_.push_back(e);
    current_ = end;
}

void Path::moveToPoint(Point p, const AffineTransform* m) {
    p = mapped(p, m);
    if (!finite(p)) return;
    PathElement e;
    e.type = PathElementType::MoveToPoint;
    e.points[0] = p;
    push(e, p);
    subpathStart_ = p;
    hasCurrent_ = true;
}

void Path::addLineToPoint(Point p, const AffineTransform* m) {
    if (!hasCurrent_) return moveToPoint(p, m);
    p = mapped(p, m);
    if (!finite(p)) return;
    PathElement e;
    e.type = PathElementType::AddLineToPoint;
    e.points[0] = p;
    push(e, p);
}

void Path::addQuadCurveToPoint(Point control, Point end, const AffineTransform* m) {
    if (!hasCurrent_) moveToPoint(control, m);
    PathElement e;
    e.type = PathElementType::AddQuadCurveToPoint;
    e.points[0] = mapped(control, m);
    e.points[1] = mapped(end, m);
    if (!finite(e.points[0]) || !finite(e.points[1])) return;
    push(e, e.points[1]);
}

void Path::addCurveToPoint(Point c1, Point c2, Point end, const AffineTransform* m) {
    if (!hasCurrent_) moveToPoint(c1, m);
    PathElement e;
    e.type = PathElementType::AddCurveToPoint;
    e.points = {mapped(c1, m), mapped(c2, m), mapped(end, m)};
    if (!finite(e.points[0]) || !finite(e.points[1]) || !finite(e.points[2])) return;
    push(e, e.points[2]);
}

void Path::addArc(Point center, Float radius, Float startAngle, Float endAngle, bool clockwise, const AffineTransform* m) {
    if (!finite(center) || !std::isfinite(radius) || !std::isfinite(startAngle) || !std::isfinite(endAngle)) return;
    Arc a;
    a.center = center;
    a.radius = std::fabs(radius);
    a.startAngle = startAngle;
    a.endAngle = endAngle;
    a.clockwise = clockwise;
    if (m) a.transform = *m;
    Point start = ArcPoint(a, startAngle);
    if (hasCurrent_) {
        addLineToPoint(start);
    } else {
        moveToPoint(start);
    }
    Float sweep = arcSweep(a);
    PathElement e;
    e.type = PathElementType::AddArc;
    e.arc = a;
    e.points[0] = ArcPoint(a, clockwise ? startAngle - sweep : startAngle + sweep);
    push(e, e.points[0]);
}

void Path::addArcToPoint(Point p1, Point p2, Float radius, const AffineTransform* m) {
    if (!hasCurrent_) moveToPoint(p1, m);
    // Work in the untransformed space: map the current point back.
    Point p0 = current_;
    if (m) p0 = PointApplyAffineTransform(p0, AffineTransformInvert(*m));
    Float v1x = p0.x - p1.x, v1y = p0.y - p1.y, v2x = p2.x - p1.x, v2y = p2.y - p1.y;
    Float l1 = std::hypot(v1x, v1y), l2 = std::hypot(v2x, v2y);
    Float cross = v1x * v2y - v1y * v2x;
    if (radius <= 0 || l1 == 0 || l2 == 0 || std::fabs(cross) < 1e-12 * l1 * l2) {
        addLineToPoint(p1, m);
        return;
    }
    v1x /= l1, v1y /= l1, v2x /= l2, v2y /= l2;
    Float theta = std::acos(std::clamp(v1x * v2x + v1y * v2y, -1.0, 1.0));
    Float d = radius / std::tan(theta / 2);
    Point t1{p1.x + v1x * d, p1.y + v1y * d};
    Point t2{p1.x + v2x * d, p1.y + v2y * d};
    Float bx = v1x + v2x, by = v1y + v2y, bl = std::hypot(bx, by);
    Float h = radius / std::sin(theta / 2);
    Point c{p1.x + bx / bl * h, p1.y + by / bl * h};
    Float a1 = std::atan2(t1.y - c.y, t1.x - c.x);
    Float a2 = std::atan2(t2.y - c.y, t2.x - c.x);
    // Turning right (p0 -> p1 -> p2, y up) sweeps clockwise.
    Float turn = (p1.x - p0.x) * (p2.y - p1.y) - (p1.y - p0.y) * (p2.x - p1.x);
    addArc(c, radius, a1, a2, turn < 0, m);
}

void Path::addRect(const Rect& r0, const AffineTransform* m) {
    Rect r = RectStandardize(r0);
    moveToPoint({r.origin.x, r.origin.y}, m);
    addLineToPoint({RectGetMaxX(r), r.origin.y}, m);
    addLineToPoint({RectGetMaxX(r), RectGetMaxY(r)}, m);
    addLineToPoint({r.origin.x, RectGetMaxY(r)}, m);
    closeSubpath();
}

void Path::addEllipseInRect(const Rect& r0, const AffineTransform* m) {
    Rect r = RectStandardize(r0);
    Float cx = RectGetMidX(r), cy = RectGetMidY(r), rx = r.size.width / 2, ry = r.size.height / 2;
    Float kx = rx * kKappa, ky = ry * kKappa;
    moveToPoint({cx + rx, cy}, m);
    addCurveToPoint({cx + rx, cy + ky}, {cx + kx, cy + ry}, {cx, cy + ry}, m);
    addCurveToPoint({cx - kx, cy + ry}, {cx - rx, cy + ky}, {cx - rx, cy}, m);
    addCurveToPoint({cx - rx, cy - ky}, {cx - kx, cy - ry}, {cx, cy - ry}, m);
    addCurveToPoint({cx + kx, cy - ry}, {cx + rx, cy - ky}, {cx + rx, cy}, m);
    closeSubpath();
}

void Path::addRoundedRect(const Rect& r0, Float cw, Float ch, const AffineTransform* m) {
    Rect r = RectStandardize(r0);
    cw = std::clamp(std::isfinite(cw) ? cw : 0.0, 0.0, r.size.width / 2);
    ch = std::clamp(std::isfinite(ch) ? ch : 0.0, 0.0, r.size.height / 2);
    if (cw == 0 || ch == 0) return addRect(r, m);
    Float x0 = r.origin.x, y0 = r.origin.y, x1 = RectGetMaxX(r), y1 = RectGetMaxY(r);
    if (cw == ch) {
        moveToPoint({x0 + cw, y0}, m);
        addArc({x1 - cw, y0 + cw}, cw, -M_PI / 2, 0, false, m);
        addArc({x1 - cw, y1 - cw}, cw, 0, M_PI / 2, false, m);
        addArc({x0 + cw, y1 - cw}, cw, M_PI / 2, M_PI, false, m);
        addArc({x0 + cw, y0 + cw}, cw, M_PI, 3 * M_PI / 2, false, m);
        closeSubpath();
        return;
    }
    Float kx = cw * kKappa, ky = ch * kKappa;
    moveToPoint({x0 + cw, y0}, m);
    addLineToPoint({x1 - cw, y0}, m);
    addCurveToPoint({x1 - cw + kx, y0}, {x1, y0 + ch - ky}, {x1, y0 + ch}, m);
    addLineToPoint({x1, y1 - ch}, m);
    addCurveToPoint({x1, y1 - ch + ky}, {x1 - cw + kx, y1}, {x1 - cw, y1}, m);
    addLineToPoint({x0 + cw, y1}, m);
    addCurveToPoint({x0 + cw - kx, y1}, {x0, y1 - ch + ky}, {x0, y1 - ch}, m);
    addLineToPoint({x0, y0 + ch}, m);
    addCurveToPoint({x0, y0 + ch - ky}, {x0 + cw - kx, y0}, {x0 + cw, y0}, m);
    closeSubpath();
}

void Path::addPath(const Path& other, const AffineTransform* m) {
    Path t = m ? other.transformed(*m) : other;
    for (const auto& e : t.elements_) {
        elements_.push_back(e);
    }
    if (!t.elements_.empty()) {
        current_ = t.current_;
        subpathStart_ = t.subpathStart_;
        hasCurrent_ = t.hasCurrent_;
    }
}

void Path::closeSubpath() {
    if (!hasCurrent_ || elements_.empty() || elements_.back().type == PathElementType::CloseSubpath) return;
    PathElement e;
    e.type = PathElementType::CloseSubpath;
    push(e, subpathStart_);
}

void Path::removeAll() {
    elements_.clear();
    current_ = subpathStart_ = PointZero;
    hasCurrent_ = false;
}

Path Path::transformed(const AffineTransform& t) const {
    Path out = *this;
    for (auto& e : out.elements_) {
        for (auto& p : e.points) p = PointApplyAffineTransform(p, t);
        if (e.type == PathElementType::AddArc) e.arc.transform = AffineTransformConcat(e.arc.transform, t);
    }
    out.current_ = PointApplyAffineTransform(current_, t);
    out.subpathStart_ = PointApplyAffineTransform(subpathStart_, t);
    return out;
}

std::vector<std::vector<Point>> Path::flattened() const {
    std::vector<std::vector<Point>> out;
    Point cur{}, start{};
    auto open = [&](Point p) {
        out.push_back({p});
        cur = start = p;
    };
    for (const auto& e : elements_) {
        switch (e.type) {
        case PathElementType::MoveToPoint: open(e.points[0]); break;
        case PathElementType::AddLineToPoint:
            if (out.empty()) open(cur);
            out.back().push_back(e.points[0]);
            cur = e.points[0];
            break;
        case PathElementType::AddQuadCurveToPoint: {
            if (out.empty()) open(cur);
            for (int i = 1; i <= 16; ++i) {
                Float t = i / 16.0, u = 1 - t;
                out.back().push_back({u * u * cur.x + 2 * u * t * e.points[0].x + t * t * e.points[1].x,
                                      u * u * cur.y + 2 * u * t * e.points[0].y + t * t * e.points[1].y});
            }
            cur = e.points[1];
            break;
        }
        case PathElementType::AddCurveToPoint: {
            if (out.empty()) open(cur);
            for (int i = 1; i <= 16; ++i) {
                Float t = i / 16.0, u = 1 - t;
                Float b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
                out.back().push_back({b0 * cur.x + b1 * e.points[0].x + b2 * e.points[1].x + b3 * e.points[2].x,
                                      b0 * cur.y + b1 * e.points[0].y + b2 * e.points[1].y + b3 * e.points[2].y});
            }
            cur = e.points[2];
            break;
        }
        case PathElementType::AddArc: {
            if (out.empty()) open(cur);
            Float sweep = arcSweep(e.arc);
            int steps = std::max(1, static_cast<int>(std::ceil(sweep / (M_PI / 64))));
            for (int i = 1; i <= steps; ++i) {
                Float a = e.arc.startAngle + (e.arc.clockwise ? -1 : 1) * sweep * i / steps;
                out.back().push_back(ArcPoint(e.arc, a));
            }
            cur = e.points[0];
            break;
        }
        case PathElementType::CloseSubpath:
            if (!out.empty()) out.back().push_back(start);
            cur = start;
            break;
        }
    }
    return out;
}

Rect Path::boundingBox() const {
    Float minX = std::numeric_limits<Float>::infinity(), minY = minX, maxX = -minX, maxY = -minX;
    bool any = false;
    for (const auto& poly : flattened()) {
        for (const auto& p : poly) {
            minX = std::min(minX, p.x), minY = std::min(minY, p.y);
            maxX = std::max(maxX, p.x), maxY = std::max(maxY, p.y);
            any = true;
        }
    }
    return any ? RectMake(minX, minY, maxX - minX, maxY - minY) : RectNull();
}

bool Path::containsPoint(Point p, bool evenOdd) const {
    int winding = 0, crossings = 0;
    for (const auto& poly : flattened()) {
        if (poly.size() < 2) continue;
        // Every subpath is implicitly closed for filling.
        for (std::size_t i = 0; i < poly.size(); ++i) {
            Point a = poly[i], b = poly[(i + 1) % poly.size()];
            if ((a.y <= p.y) != (b.y <= p.y)) {
                Float x = a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y);
                if (x > p.x) {
                    ++crossings;
                    winding += b.y > a.y ? 1 : -1;
                }
            }
        }
    }
    return evenOdd ? (crossings % 2) == 1 : winding != 0;
}

void Path::apply(const std::function<void(const PathElement&)>& visit) const {
    for (const auto& e : elements_) visit(e);
}

std::string Path::description() const {
    std::string out;
    auto pt = [](Point p) { return StringFromPoint(p); };
    for (const auto& e : elements_) {
        switch (e.type) {
        case PathElementType::MoveToPoint: out += "move " + pt(e.points[0]) + "\n"; break;
        case PathElementType::AddLineToPoint: out += "line " + pt(e.points[0]) + "\n"; break;
        case PathElementType::AddQuadCurveToPoint: out += "quad " + pt(e.points[0]) + " " + pt(e.points[1]) + "\n"; break;
        case PathElementType::AddCurveToPoint:
            out += "curve " + pt(e.points[0]) + " " + pt(e.points[1]) + " " + pt(e.points[2]) + "\n";
            break;
        case PathElementType::AddArc:
            out += "arc " + pt(e.arc.center) + " r " + std::to_string(e.arc.radius) + " " + std::to_string(e.arc.startAngle) +
                   (e.arc.clockwise ? " cw " : " ccw ") + std::to_string(e.arc.endAngle) + "\n";
            break;
        case PathElementType::CloseSubpath: out += "close\n"; break;
        }
    }
    return out;
}

Path Path::withRect(const Rect& r) {
    Path p;
    p.addRect(r);
    return p;
}

Path Path::withEllipseInRect(const Rect& r) {
    Path p;
    p.addEllipseInRect(r);
    return p;
}

Path Path::withRoundedRect(const Rect& r, Float cw, Float ch) {
    Path p;
    p.addRoundedRect(r, cw, ch);
    return p;
}

}  // namespace cg
