#include "platform/graphics/Geometry.h"

#include <algorithm>
#include <limits>

#include "platform/foundation/Value.h"

namespace cg {

namespace {
constexpr Float kInf = std::numeric_limits<Float>::infinity();
constexpr Float kHuge = std::numeric_limits<Float>::max();
}  // namespace

Rect RectNull() { return {{kInf, kInf}, {0, 0}}; }
Rect RectInfinite() { return {{-kHuge / 2, -kHuge / 2}, {kHuge, kHuge}}; }
bool RectIsNull(const Rect& r) { return std::isinf(r.origin.x) || std::isinf(r.origin.y); }
bool RectIsInfinite(const Rect& r) { return r == RectInfinite(); }
bool RectIsEmpty(const Rect& r) { return RectIsNull(r) || r.size.width == 0 || r.size.height == 0; }

Rect RectStandardize(const Rect& r) {
    if (RectIsNull(r)) return r;
    Rect s = r;
    if (s.size.width < 0) {
        s.origin.x += s.size.width;
        s.size.width = -s.size.width;
    }
    if (s.size.height < 0) {
        s.origin.y += s.size.height;
        s.size.height = -s.size.height;
    }
    return s;
}

Float RectGetMinX(const Rect& r) { return RectStandardize(r).origin.x; }
Float RectGetMinY(const Rect& r) { return RectStandardize(r).origin.y; }
Float RectGetMaxX(const Rect& r) {
    auto s = RectStandardize(r);
    return s.origin.x + s.size.width;
}
Float RectGetMaxY(const Rect& r) {
    auto s = RectStandardize(r);
    return s.origin.y + s.size.height;
}
Float RectGetMidX(const Rect& r) {
    auto s = RectStandardize(r);
    return s.origin.x + s.size.width / 2;
}
Float RectGetMidY(const Rect& r) {
    auto s = RectStandardize(r);
    return s.origin.y + s.size.height / 2;
}
Float RectGetWidth(const Rect& r) { return std::fabs(r.size.width); }
Float RectGetHeight(const Rect& r) { return std::fabs(r.size.height); }

Rect RectIntegral(const Rect& r) {
    if (RectIsNull(r)) return r;
    auto s = RectStandardize(r);
    Float x0 = std::floor(s.origin.x), y0 = std::floor(s.origin.y);
    Float x1 = std::ceil(s.origin.x + s.size.width), y1 = std::ceil(s.origin.y + s.size.height);
    return {{x0, y0}, {x1 - x0, y1 - y0}};
}

Rect RectInset(const Rect& r, Float dx, Float dy) {
    if (RectIsNull(r)) return r;
    auto s = RectStandardize(r);
    s.origin.x += dx;
    s.origin.y += dy;
    s.size.width -= 2 * dx;
    s.size.height -= 2 * dy;
    if (s.size.width < 0 || s.size.height < 0) return RectNull();
    return s;
}

Rect RectOffset(const Rect& r, Float dx, Float dy) {
    if (RectIsNull(r)) return r;
    auto s = RectStandardize(r);
    s.origin.x += dx;
    s.origin.y += dy;
    return s;
}

Rect RectUnion(const Rect& a, const Rect& b) {
    if (RectIsNull(a)) return RectStandardize(b);
    if (RectIsNull(b)) return RectStandardize(a);
    Float x0 = std::min(RectGetMinX(a), RectGetMinX(b));
    Float y0 = std::min(RectGetMinY(a), RectGetMinY(b));
    Float x1 = std::max(RectGetMaxX(a), RectGetMaxX(b));
    Float y1 = std::max(RectGetMaxY(a), RectGetMaxY(b));
    return {{x0, y0}, {x1 - x0, y1 - y0}};
}

Rect RectIntersection(const Rect& a, const Rect& b) {
    if (RectIsNull(a) || RectIsNull(b)) return RectNull();
    Float x0 = std::max(RectGetMinX(a), RectGetMinX(b));
    Float y0 = std::max(RectGetMinY(a), RectGetMinY(b));
    Float x1 = std::min(RectGetMaxX(a), RectGetMaxX(b));
    Float y1 = std::min(RectGetMaxY(a), RectGetMaxY(b));
    // Touching edges still intersect (in a zero-size rectangle), as on the platform.
    if (x1 < x0 || y1 < y0) return RectNull();
    return {{x0, y0}, {x1 - x0, y1 - y0}};
}

bool RectIntersectsRect(const Rect& a, const Rect& b) {
    auto i = RectIntersection(a, b);
    return !RectIsNull(i) && !RectIsEmpty(i);
}

bool RectContainsPoint(const Rect& r, const Point& p) {
    if (RectIsNull(r)) return false;
    return p.x >= RectGetMinX(r) && p.x < RectGetMaxX(r) && p.y >= RectGetMinY(r) && p.y < RectGetMaxY(r);
}

bool RectContainsRect(const Rect& outer, const Rect& inner) {
    if (RectIsNull(outer) || RectIsNull(inner)) return false;
    return RectGetMinX(inner) >= RectGetMinX(outer) && RectGetMinY(inner) >= RectGetMinY(outer) &&
           RectGetMaxX(inner) <= RectGetMaxX(outer) && RectGetMaxY(inner) <= RectGetMaxY(outer);
}

bool RectEqualToRect(const Rect& a, const Rect& b) {
    if (RectIsNull(a) || RectIsNull(b)) return RectIsNull(a) && RectIsNull(b);
    return RectStandardize(a) == RectStandardize(b);
}

void RectDivide(const Rect& r, Rect* slice, Rect* remainder, Float amount, RectEdge edge) {
    auto s = RectStandardize(r);
    Rect sl = s, rem = s;
    switch (edge) {
        case RectEdge::MinX:
            amount = std::clamp(amount, Float(0), s.size.width);
            sl.size.width = amount;
            rem.origin.x += amount;
            rem.size.width -= amount;
            break;
        case RectEdge::MaxX:
            amount = std::clamp(amount, Float(0), s.size.width);
            sl.origin.x = RectGetMaxX(s) - amount;
            sl.size.width = amount;
            rem.size.width -= amount;
            break;
        case RectEdge::MinY:
            amount = std::clamp(amount, Float(0), s.size.height);
            sl.size.height = amount;
            rem.origin.y += amount;
            rem.size.height -= amount;
            break;
        case RectEdge::MaxY:
            amount = std::clamp(amount, Float(0), s.size.height);
            sl.origin.y = RectGetMaxY(s) - amount;
            sl.size.height = amount;
            rem.size.height -= amount;
            break;
    }
    if (slice) *slice = sl;
    if (remainder) *remainder = rem;
}

Rect EdgeInsetsInsetRect(const Rect& r, const EdgeInsets& i) {
    return {{r.origin.x + i.left, r.origin.y + i.top},
            {r.size.width - (i.left + i.right), r.size.height - (i.top + i.bottom)}};
}

AffineTransform AffineTransformMake(Float a, Float b, Float c, Float d, Float tx, Float ty) {
    return {a, b, c, d, tx, ty};
}
AffineTransform AffineTransformMakeTranslation(Float tx, Float ty) { return {1, 0, 0, 1, tx, ty}; }
AffineTransform AffineTransformMakeScale(Float sx, Float sy) { return {sx, 0, 0, sy, 0, 0}; }
AffineTransform AffineTransformMakeRotation(Float angle) {
    Float c = std::cos(angle), s = std::sin(angle);
    return {c, s, -s, c, 0, 0};
}
bool AffineTransformIsIdentity(const AffineTransform& t) { return t == AffineTransformIdentity; }

AffineTransform AffineTransformConcat(const AffineTransform& t1, const AffineTransform& t2) {
    return {t1.a * t2.a + t1.b * t2.c,
            t1.a * t2.b + t1.b * t2.d,
            t1.c * t2.a + t1.d * t2.c,
            t1.c * t2.b + t1.d * t2.d,
            t1.tx * t2.a + t1.ty * t2.c + t2.tx,
            t1.tx * t2.b + t1.ty * t2.d + t2.ty};
}
AffineTransform AffineTransformTranslate(const AffineTransform& t, Float tx, Float ty) {
    return AffineTransformConcat(AffineTransformMakeTranslation(tx, ty), t);
}
AffineTransform AffineTransformScale(const AffineTransform& t, Float sx, Float sy) {
    return AffineTransformConcat(AffineTransformMakeScale(sx, sy), t);
}
AffineTransform AffineTransformRotate(const AffineTransform& t, Float angle) {
    return AffineTransformConcat(AffineTransformMakeRotation(angle), t);
}
AffineTransform AffineTransformInvert(const AffineTransform& t) {
    Float det = t.a * t.d - t.b * t.c;
    if (det == 0) return t;
    Float a = t.d / det, b = -t.b / det, c = -t.c / det, d = t.a / det;
    return {a, b, c, d, -(t.tx * a + t.ty * c), -(t.tx * b + t.ty * d)};
}
Point PointApplyAffineTransform(const Point& p, const AffineTransform& t) {
    return {t.a * p.x + t.c * p.y + t.tx, t.b * p.x + t.d * p.y + t.ty};
}
Size SizeApplyAffineTransform(const Size& s, const AffineTransform& t) {
    return {t.a * s.width + t.c * s.height, t.b * s.width + t.d * s.height};
}
Rect RectApplyAffineTransform(const Rect& r, const AffineTransform& t) {
    if (RectIsNull(r)) return r;
    auto s = RectStandardize(r);
    Point pts[4] = {{s.origin.x, s.origin.y},
                    {s.origin.x + s.size.width, s.origin.y},
                    {s.origin.x, s.origin.y + s.size.height},
                    {s.origin.x + s.size.width, s.origin.y + s.size.height}};
    Float x0 = kInf, y0 = kInf, x1 = -kInf, y1 = -kInf;
    for (auto& p : pts) {
        auto q = PointApplyAffineTransform(p, t);
        x0 = std::min(x0, q.x);
        y0 = std::min(y0, q.y);
        x1 = std::max(x1, q.x);
        y1 = std::max(y1, q.y);
    }
    return {{x0, y0}, {x1 - x0, y1 - y0}};
}

std::string StringFromPoint(const Point& p) {
    return "{" + ns::formatDouble(p.x) + ", " + ns::formatDouble(p.y) + "}";
}
std::string StringFromSize(const Size& s) {
    return "{" + ns::formatDouble(s.width) + ", " + ns::formatDouble(s.height) + "}";
}
std::string StringFromRect(const Rect& r) { return "{" + StringFromPoint(r.origin) + ", " + StringFromSize(r.size) + "}"; }

}  // namespace cg
