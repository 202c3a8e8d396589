// The view layer's path object: a path with its own stroke settings that
// fills and strokes itself into the current context.
//
// Unlike the context's arcs, `clockwise` here means clockwise on screen in
// a y-down view, that is increasing angle; the path stores such an arc with
// the context's flag inverted.
#pragma once

#include <memory>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/graphics/DrawCall.h"
#include "platform/graphics/Path.h"

namespace cg {

enum RectCorner : unsigned {
    RectCornerTopLeft = 1u << 0,
    RectCornerTopRight = 1u << 1,
    RectCornerBottomLeft = 1u << 2,
    RectCornerBottomRight = 1u << 3,
    RectCornerAllCorners = 0xFu,
};

class BezierPath : public ns::Object {
public:
    static std::shared_ptr<BezierPath> bezierPath();
    static std::shared_ptr<BezierPath> bezierPathWithRect(const Rect& rect);
    static std::shared_ptr<BezierPath> bezierPathWithOvalInRect(const Rect& rect);
    static std::shared_ptr<BezierPath> bezierPathWithRoundedRect(const Rect& rect, Float cornerRadius);
    static std::shared_ptr<BezierPath> bezierPathWithRoundedRect(const Rect& rect, unsigned corners, Size cornerRadii);
    static std::shared_ptr<BezierPath> bezierPathWithArcCenter(Point center, Float radius, Float startAngle,
                                                               Float endAngle, bool clockwise);
    static std::shared_ptr<BezierPath> bezierPathWithCGPath(const Path& path);

    void moveToPoint(Point p) { path_.moveToPoint(p); }
    void addLineToPoint(Point p) { path_.addLineToPoint(p); }
    void addCurveToPoint(Point end, Point control1, Point control2) { path_.addCurveToPoint(control1, control2, end); }
    void addQuadCurveToPoint(Point end, Point control) { path_.addQuadCurveToPoint(control, end); }
    void addArcWithCenter(Point center, Float radius, Float startAngle, Float endAngle, bool clockwise);
    void closePath() { path_.closeSubpath(); }
    void removeAllPoints() { path_.removeAll(); }
    void appendPath(const BezierPath& other) { path_.addPath(other.path_); }
    void applyTransform(const AffineTransform& t) { path_ = path_.transformed(t); }

    bool isEmpty() const { return path_.isEmpty(); }
    Rect bounds() const;
    Point currentPoint() const { return path_.currentPoint(); }
    bool containsPoint(Point p) const { return path_.containsPoint(p, usesEvenOddFillRule); }
    const Path& CGPath() const { return path_; }
    void setCGPath(const Path& path) { path_ = path; }

    Float lineWidth = 1;
    LineCap lineCapStyle = LineCap::Butt;
    LineJoin lineJoinStyle = LineJoin::Miter;
    Float miterLimit = 10;
    bool usesEvenOddFillRule = false;
    void setLineDash(const std::vector<Float>& pattern, Float phase) {
        dashes_ = pattern;
        dashPhase_ = phase;
    }

    // Into the current context (nothing without one), with the context's colours.
    void fill();
    void stroke();
    void fillWithBlendMode(BlendMode mode, double alpha);
    void strokeWithBlendMode(BlendMode mode, double alpha);
    // Intersects the current context's clip with the path.
    void addClip();

private:
    Path path_;
    std::vector<Float> dashes_;
    Float dashPhase_ = 0;
};

using BezierPathPtr = std::shared_ptr<BezierPath>;

}  // namespace cg
