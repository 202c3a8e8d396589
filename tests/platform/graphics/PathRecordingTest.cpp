// Geometry checked through the recording back end and the path object:
// arcs keep their centre, radius, angles and direction; paths answer
// bounding boxes and containment.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics/BezierPath.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"

using namespace cg;

namespace {

const PathElement* findArc(const Path& p, std::size_t nth = 0) {
    for (const auto& e : p.elements()) {
        if (e.type == PathElementType::AddArc && nth-- == 0) return &e;
    }
    return nullptr;
}

void expectPoint(Point got, Point want) {
    EXPECT_NEAR(got.x, want.x, 1e-9);
    EXPECT_NEAR(got.y, want.y, 1e-9);
}

}  // namespace

TEST(PathRecording, StrokedArcIsRecordedWithItsGeometryAndState) {
    auto ctx = Context::createRecording({100, 100});
    ctx->translateCTM(10, 0);
    ctx->setLineWidth(2);
    ctx->setLineCap(LineCap::Round);
    ctx->setRGBStrokeColor(0.102, 0.792, 0.271, 1);
    // A progress ring: from the top clockwise on screen, 30 percent of a turn.
    double start = -M_PI / 2, end = start + 2 * M_PI * 0.3;
    ctx->addArc(50, 50, 48, start, end, false);
    ctx->strokePath();
    ASSERT_EQ(ctx->recordedCalls().size(), 1u);
    const DrawCall& call = ctx->recordedCalls()[0];
    EXPECT_EQ(call.op, DrawOp::StrokePath);
    EXPECT_EQ(call.lineWidth, 2);
    EXPECT_EQ(call.lineCap, LineCap::Round);
    EXPECT_EQ(call.strokeColor, (RGBA{0.102, 0.792, 0.271, 1}));
    EXPECT_EQ(call.ctm, AffineTransformMakeTranslation(10, 0));
    ASSERT_EQ(call.path.elements().size(), 2u);
    EXPECT_EQ(call.path.elements()[0].type, PathElementType::MoveToPoint);
    expectPoint(call.path.elements()[0].points[0], {50, 2});
    const PathElement* arc = findArc(call.path);
    ASSERT_TRUE(arc);
    EXPECT_EQ(arc->arc.center, PointMake(50, 50));
    EXPECT_EQ(arc->arc.radius, 48);
    EXPECT_DOUBLE_EQ(arc->arc.startAngle, start);
    EXPECT_DOUBLE_EQ(arc->arc.endAngle, end);
    EXPECT_FALSE(arc->arc.clockwise);
    expectPoint(arc->points[0], {50 + 48 * std::cos(end), 50 + 48 * std::sin(end)});
}

TEST(PathRecording, ArcDirectionAndSweep) {
    struct Case {
        double start, end;
        bool clockwise;
        double sweep;  // expected angle covered, in the arc's direction
    } cases[] = {
        {0, M_PI / 2, false, M_PI / 2},
        {0, M_PI / 2, true, 3 * M_PI / 2},      // the long way round
        {0, -M_PI / 2, false, 3 * M_PI / 2},
        {-M_PI / 2, 3 * M_PI / 2, false, 2 * M_PI},  // a full ring
        {0, 6 * M_PI, false, 2 * M_PI},          // more than a turn draws one turn
    };
    for (const auto& c : cases) {
        Path p;
        p.addArc({0, 0}, 10, c.start, c.end, c.clockwise);
        const PathElement* arc = findArc(p);
        ASSERT_TRUE(arc);
        double endAngle = c.start + (c.clockwise ? -c.sweep : c.sweep);
        expectPoint(arc->points[0], {10 * std::cos(endAngle), 10 * std::sin(endAngle)});
        // Half-way along the sweep lies on the circle in the arc's direction.
        double midAngle = c.start + (c.clockwise ? -c.sweep : c.sweep) / 2;
        Rect box = p.boundingBox();
        EXPECT_TRUE(RectContainsPoint(RectInset(box, -0.01, -0.01), {10 * std::cos(midAngle), 10 * std::sin(midAngle)}))
            << c.start << " " << c.end << " " << c.clockwise;
    }
    // The view layer's clockwise is the context's anticlockwise.
    auto bp = BezierPath::bezierPathWithArcCenter({0, 0}, 5, 0, M_PI, true);
    EXPECT_FALSE(findArc(bp->CGPath())->arc.clockwise);
}

TEST(PathRecording, ArcToPointIsTangentToBothLines) {
    Path p;
    p.moveToPoint({0, 0});
    p.addArcToPoint({10, 0}, {10, 10}, 4);
    ASSERT_EQ(p.elements().size(), 3u);  // move, line to the first tangent point, arc
    expectPoint(p.elements()[1].points[0], {6, 0});
    const PathElement* arc = findArc(p);
    ASSERT_TRUE(arc);
    expectPoint(arc->arc.center, {6, 4});
    EXPECT_FALSE(arc->arc.clockwise);  // turning left in y-up terms
    expectPoint(arc->points[0], {10, 4});
    // Collinear points give a straight line.
    Path straight;
    straight.moveToPoint({0, 0});
    straight.addArcToPoint({5, 0}, {10, 0}, 3);
    EXPECT_EQ(straight.elements().back().type, PathElementType::AddLineToPoint);
}

TEST(PathRecording, ShapesBoundsAndContainment) {
    Path circle = Path::withRoundedRect(RectMake(0, 0, 40, 40), 30, 30);  // radii clamped to 20
    ASSERT_TRUE(findArc(circle, 3));
    EXPECT_EQ(findArc(circle)->arc.radius, 20);
    EXPECT_FALSE(circle.containsPoint({2, 2}));
    Path rounded = Path::withRoundedRect(RectMake(0, 0, 40, 20), 10, 10);
    Rect box = rounded.boundingBox();
    EXPECT_NEAR(box.size.width, 40, 1e-6);
    EXPECT_NEAR(box.size.height, 20, 1e-6);
    EXPECT_TRUE(rounded.containsPoint({20, 10}));
    EXPECT_FALSE(rounded.containsPoint({1, 1}));

    // Two nested squares: even-odd leaves a hole, winding does not.
    Path nested = Path::withRect(RectMake(0, 0, 10, 10));
    nested.addRect(RectMake(3, 3, 4, 4));
    EXPECT_TRUE(nested.containsPoint({5, 5}));
    EXPECT_FALSE(nested.containsPoint({5, 5}, true));
    EXPECT_TRUE(nested.containsPoint({1, 5}, true));

    Path empty;
    EXPECT_TRUE(RectIsNull(empty.boundingBox()));
    empty.addLineToPoint({NAN, 1});  // ignored
    EXPECT_TRUE(empty.isEmpty());
    auto t = AffineTransformMakeTranslation(5, 5);
    Path moved = Path::withEllipseInRect(RectMake(0, 0, 10, 10)).transformed(t);
    Rect mb = moved.boundingBox();
    EXPECT_NEAR(mb.origin.x, 5, 1e-3);
    EXPECT_NEAR(RectGetMaxY(mb), 15, 1e-3);
}

TEST(PathRecording, ClipsGradientsAndBezierStrokesAreRecorded) {
    auto ctx = Context::createRecording({50, 50});
    pushContext(ctx);
    auto path = BezierPath::bezierPathWithRoundedRect(RectMake(0, 0, 20, 20), RectCornerTopLeft | RectCornerBottomRight,
                                                      {4, 4});
    path->lineWidth = 3;
    path->setLineDash({2, 1}, 0);
    path->stroke();
    path->addClip();
    popContext();
    auto g = Gradient::createWithColors(nullptr, {Color::white(), Color::black()}, {0, 1});
    ctx->drawLinearGradient(g, {0, 0}, {0, 20}, GradientDrawsAfterEndLocation);
    const auto& calls = ctx->recordedCalls();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].op, DrawOp::StrokePath);
    EXPECT_EQ(calls[0].lineWidth, 3);
    EXPECT_EQ(calls[0].dashes, (std::vector<double>{2, 1}));
    EXPECT_TRUE(findArc(calls[0].path, 1));
    EXPECT_FALSE(findArc(calls[0].path, 2));  // only the two rounded corners
    EXPECT_EQ(calls[1].op, DrawOp::Clip);
    EXPECT_EQ(calls[2].op, DrawOp::LinearGradient);
    EXPECT_EQ(calls[2].endPoint, PointMake(0, 20));
    EXPECT_EQ(calls[2].gradientOptions, unsigned(GradientDrawsAfterEndLocation));
    ASSERT_EQ(calls[2].stops.size(), 2u);
    EXPECT_EQ(calls[2].stops[1].color, (RGBA{0, 0, 0, 1}));
    // The dash did not leak out of the bezier path's own state.
    EXPECT_EQ(ctx->makeCall(DrawOp::StrokePath).dashes.size(), 0u);
}
