// Geometry of the drawing layer: points, sizes, rectangles, edge insets and
// affine transforms, with the platform's rules for null and infinite
// rectangles, standardization, integral rounding, insets, unions,
// intersections and containment.
#pragma once

#include <cmath>
#include <string>

namespace cg {

using Float = double;

struct Point {
    Float x = 0, y = 0;
    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
    bool operator!=(const Point& o) const { return !(*this == o); }
};

struct Size {
    Float width = 0, height = 0;
    bool operator==(const Size& o) const { return width == o.width && height == o.height; }
    bool operator!=(const Size& o) const { return !(*this == o); }
};

struct Rect {
    Point origin;
    Size size;
    bool operator==(const Rect& o) const { return origin == o.origin && size == o.size; }
    bool operator!=(const Rect& o) const { return !(*this == o); }
};

struct Vector {
    Float dx = 0, dy = 0;
};

inline constexpr Point PointZero{};
inline constexpr Size SizeZero{};
inline constexpr Rect RectZero{};

inline Point PointMake(Float x, Float y) { return {x, y}; }
inline Size SizeMake(Float w, Float h) { return {w, h}; }
inline Rect RectMake(Float x, Float y, Float w, Float h) { return {{x, y}, {w, h}}; }

// The null rectangle (the result of intersecting disjoint rectangles).
Rect RectNull();
Rect RectInfinite();
bool RectIsNull(const Rect& r);
bool RectIsInfinite(const Rect& r);
// Zero width or height, or null.
bool RectIsEmpty(const Rect& r);

// A rectangle with non-negative width and height covering the same area.
Rect RectStandardize(const Rect& r);
Float RectGetMinX(const Rect& r);
Float RectGetMidX(const Rect& r);
Float RectGetMaxX(const Rect& r);
Float RectGetMinY(const Rect& r);
Float RectGetMidY(const Rect& r);
Float RectGetMaxY(const Rect& r);
Float RectGetWidth(const Rect& r);
Float RectGetHeight(const Rect& r);

// Smallest rectangle with integer coordinates containing r.
Rect RectIntegral(const Rect& r);
// Positive dx/dy shrink; null if the result would have negative size.
Rect RectInset(const Rect& r, Float dx, Float dy);
Rect RectOffset(const Rect& r, Float dx, Float dy);
Rect RectUnion(const Rect& a, const Rect& b);
// Null when the rectangles do not overlap.
Rect RectIntersection(const Rect& a, const Rect& b);
bool RectIntersectsRect(const Rect& a, const Rect& b);
bool RectContainsPoint(const Rect& r, const Point& p);
bool RectContainsRect(const Rect& outer, const Rect& inner);
bool RectEqualToRect(const Rect& a, const Rect& b);

enum class RectEdge { MinX, MinY, MaxX, MaxY };
void RectDivide(const Rect& r, Rect* slice, Rect* remainder, Float amount, RectEdge edge);

// top, left, bottom, right, as the platform orders them.
struct EdgeInsets {
    Float top = 0, left = 0, bottom = 0, right = 0;
    bool operator==(const EdgeInsets& o) const {
        return top == o.top && left == o.left && bottom == o.bottom && right == o.right;
    }
    bool operator!=(const EdgeInsets& o) const { return !(*this == o); }
};
inline constexpr EdgeInsets EdgeInsetsZero{};
inline EdgeInsets EdgeInsetsMake(Float top, Float left, Float bottom, Float right) { return {top, left, bottom, right}; }
Rect EdgeInsetsInsetRect(const Rect& r, const EdgeInsets& insets);

// [a b 0; c d 0; tx ty 1], points as row vectors: x' = a*x + c*y + tx.
struct AffineTransform {
    Float a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
    bool operator==(const AffineTransform& o) const {
        return a == o.a && b == o.b && c == o.c && d == o.d && tx == o.tx && ty == o.ty;
    }
    bool operator!=(const AffineTransform& o) const { return !(*this == o); }
};
inline constexpr AffineTransform AffineTransformIdentity{};

AffineTransform AffineTransformMake(Float a, Float b, Float c, Float d, Float tx, Float ty);
AffineTransform AffineTransformMakeTranslation(Float tx, Float ty);
AffineTransform AffineTransformMakeScale(Float sx, Float sy);
AffineTransform AffineTransformMakeRotation(Float angle);
bool AffineTransformIsIdentity(const AffineTransform& t);
// t1 then t2.
AffineTransform AffineTransformConcat(const AffineTransform& t1, const AffineTransform& t2);
// Translation applied before t (the platform's argument order).
AffineTransform AffineTransformTranslate(const AffineTransform& t, Float tx, Float ty);
AffineTransform AffineTransformScale(const AffineTransform& t, Float sx, Float sy);
AffineTransform AffineTransformRotate(const AffineTransform& t, Float angle);
// The inverse; t unchanged when it cannot be inverted.
AffineTransform AffineTransformInvert(const AffineTransform& t);
Point PointApplyAffineTransform(const Point& p, const AffineTransform& t);
Size SizeApplyAffineTransform(const Size& s, const AffineTransform& t);
// The bounding box of the transformed rectangle.
Rect RectApplyAffineTransform(const Rect& r, const AffineTransform& t);

// "{x, y}", "{w, h}", "{{x, y}, {w, h}}" as the platform prints them.
std::string StringFromPoint(const Point& p);
std::string StringFromSize(const Size& s);
std::string StringFromRect(const Rect& r);

}  // namespace cg
