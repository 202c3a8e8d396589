#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics/Geometry.h"

using namespace cg;

TEST(Geometry, RectangleRulesMatchThePlatform) {
    Rect neg = RectMake(10, 10, -4, -6);
    EXPECT_EQ(RectStandardize(neg), RectMake(6, 4, 4, 6));
    EXPECT_EQ(RectGetMaxX(neg), 10);
    EXPECT_EQ(RectIntegral(RectMake(0.5, 1.2, 2.1, 2.0)), RectMake(0, 1, 3, 3));
    EXPECT_TRUE(RectIsNull(RectInset(RectMake(0, 0, 10, 10), 6, 0)));
    EXPECT_TRUE(RectIsNull(RectIntersection(RectMake(0, 0, 5, 5), RectMake(6, 6, 1, 1))));
    // Touching rectangles intersect in an empty rectangle, and do not "intersect".
    EXPECT_EQ(RectIntersection(RectMake(0, 0, 5, 5), RectMake(5, 0, 5, 5)), RectMake(5, 0, 0, 5));
    EXPECT_FALSE(RectIntersectsRect(RectMake(0, 0, 5, 5), RectMake(5, 0, 5, 5)));
    EXPECT_EQ(RectUnion(RectNull(), RectMake(1, 1, 1, 1)), RectMake(1, 1, 1, 1));
    EXPECT_TRUE(RectContainsPoint(RectMake(0, 0, 5, 5), PointMake(0, 0)));
    EXPECT_FALSE(RectContainsPoint(RectMake(0, 0, 5, 5), PointMake(5, 2)));
    EXPECT_EQ(EdgeInsetsInsetRect(RectMake(0, 0, 100, 50), EdgeInsetsMake(1, 2, 3, 4)), RectMake(2, 1, 94, 46));
    Rect slice, rest;
    RectDivide(RectMake(0, 0, 100, 20), &slice, &rest, 30, RectEdge::MaxX);
    EXPECT_EQ(slice, RectMake(70, 0, 30, 20));
    EXPECT_EQ(rest, RectMake(0, 0, 70, 20));
    EXPECT_EQ(StringFromRect(RectMake(1, 2.5, 3, 4)), "{{1, 2.5}, {3, 4}}");
}

TEST(Geometry, TransformsComposeInThePlatformsOrder) {
    // Translate-then-scale as the platform composes: the translation is applied first.
    auto t = AffineTransformScale(AffineTransformMakeTranslation(10, 0), 2, 2);
    EXPECT_EQ(PointApplyAffineTransform(PointMake(1, 1), t), PointMake(12, 2));
    auto r = AffineTransformMakeRotation(M_PI / 2);
    auto p = PointApplyAffineTransform(PointMake(1, 0), r);
    EXPECT_NEAR(p.x, 0, 1e-12);
    EXPECT_NEAR(p.y, 1, 1e-12);
    auto inv = AffineTransformInvert(t);
    auto back = PointApplyAffineTransform(PointApplyAffineTransform(PointMake(3, 4), t), inv);
    EXPECT_NEAR(back.x, 3, 1e-12);
    EXPECT_NEAR(back.y, 4, 1e-12);
    auto box = RectApplyAffineTransform(RectMake(0, 0, 2, 1), r);
    EXPECT_NEAR(box.origin.x, -1, 1e-12);
    EXPECT_NEAR(box.size.width, 1, 1e-12);
    EXPECT_NEAR(box.size.height, 2, 1e-12);
}
