// A path: subpaths of lines, curves and arcs, kept as the caller built them
// so that recorded drawing can be checked element by element (an arc stays an
// arc with its centre, radius, angles and direction).
//
// Angles are in radians. As on the platform, `clockwise` here means
// decreasing angle in the path's own coordinates (y up); in a flipped,
// y-down context such an arc therefore runs anticlockwise on screen.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/graphics/Geometry.h"

namespace cg {

enum class PathElementType { MoveToPoint, AddLineToPoint, AddQuadCurveToPoint, AddCurveToPoint, CloseSubpath, AddArc };

struct Arc {
    Point center;
    Float radius = 0;
    Float startAngle = 0;
    Float endAngle = 0;
    bool clockwise = false;
    // Applied to the circle (so a scaled arc is elliptical).
    AffineTransform transform;
};

struct PathElement {
    PathElementType type = PathElementType::MoveToPoint;
    // Move/line: points[0]; quad: control, end; cubic: control 1, control 2, end;
    // arc: points[0] is where the arc ends (its start is joined by a line or move).
    std::array<Point, 3> points{};
    Arc arc;
    bool operator==(const PathElement& o) const;
};

enum class LineCap { Butt, Round, Square };
enum class LineJoin { Miter, Round, Bevel };

class Path {
public:
    Path() = default;

    bool isEmpty() const { return elements_.empty(); }
    const std::vector<PathElement>& elements() const { return elements_; }
    // The end of the last element; PointZero for an empty path.
    Point currentPoint() const { return current_; }

    void moveToPoint(Point p, const AffineTransform* m = nullptr);
    void addLineToPoint(Point p, const AffineTransform* m = nullptr);
    void addQuadCurveToPoint(Point control, Point end, const AffineTransform* m = nullptr);
    void addCurveToPoint(Point c1, Point c2, Point end, const AffineTransform* m = nullptr);
    // Joins the current point (if any) to the arc's start with a line, as the
    // platform does; otherwise starts a subpath there.
    void addArc(Point center, Float radius, Float startAngle, Float endAngle, bool clockwise,
                const AffineTransform* m = nullptr);
    // An arc tangent to the lines current->p1 and p1->p2; a line to p1 when
    // the points are collinear or the radius is 0.
    void addArcToPoint(Point p1, Point p2, Float radius, const AffineTransform* m = nullptr);
    void addRect(const Rect& r, const AffineTransform* m = nullptr);
    void addEllipseInRect(const Rect& r, const AffineTransform* m = nullptr);
    // Corner radii are clamped to half the width and height.
    void addRoundedRect(const Rect& r, Float cornerWidth, Float cornerHeight, const AffineTransform* m = nullptr);
    void addPath(const Path& other, const AffineTransform* m = nullptr);
    void closeSubpath();
    void removeAll();

    // Every element transformed (arcs keep their parameters and gain the transform).
    Path transformed(const AffineTransform& t) const;

    // The tight box around the path's points and curves; RectNull when empty.
    Rect boundingBox() const;
    bool containsPoint(Point p, bool evenOdd = false) const;
    // The path as closed polygons and open polylines, curves sampled finely.
    std::vector<std::vector<Point>> flattened() const;

    void apply(const std::function<void(const PathElement&)>& visit) const;
    bool operator==(const Path& o) const { return elements_ == o.elements_; }
    std::string description() const;

    static Path withRect(const Rect& r);
    static Path withEllipseInRect(const Rect& r);
    static Path withRoundedRect(const Rect& r, Float cornerWidth, Float cornerHeight);

private:
    void push(PathElement e, Point end);
    std::vector<PathElement> elements_;
    Point current_;
    Point subpathStart_;
    bool hasCurrent_ = false;
};

// A point on an arc at an angle, in the arc's transformed space.
Point ArcPoint(const Arc& arc, Float angle);

}  // namespace cg
