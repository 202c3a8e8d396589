// Pixels drawn through the context: the representative drawings of the
// views (rounded, shadowed, gradient, stroked arcs, blending, layers, masks)
// checked at sample points, and the bitmap formats.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics/BezierPath.h"
#include "platform/graphics/BitmapContext.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"

using namespace cg;

namespace {

void expectColor(const RGBA& got, const RGBA& want, double tol = 0.02) {
    EXPECT_NEAR(got.r, want.r, tol);
    EXPECT_NEAR(got.g, want.g, tol);
    EXPECT_NEAR(got.b, want.b, tol);
    EXPECT_NEAR(got.a, want.a, tol);
}

const RGBA kRed{1, 0, 0, 1}, kBlue{0, 0, 1, 1}, kNone{0, 0, 0, 0};

}  // namespace

TEST(Drawing, RoundedRectangleAtScaleTwo) {
    auto ctx = Context::createImageContext({40, 30}, false, 2);
    ASSERT_TRUE(ctx);
    EXPECT_EQ(ctx->width(), 80u);
    EXPECT_EQ(ctx->height(), 60u);
    ctx->setRGBFillColor(1, 0, 0, 1);
    ctx->addPath(Path::withRoundedRect(RectMake(0, 0, 40, 30), 10, 10));
    ctx->fillPath();
    expectColor(ctx->pixel(1, 1), kNone);     // cut-off corner
    expectColor(ctx->pixel(78, 58), kNone);   // opposite corner
    expectColor(ctx->pixel(40, 1), kRed);     // straight top edge
    expectColor(ctx->pixel(40, 30), kRed);
    EXPECT_TRUE(ctx->isPathEmpty());          // filling consumes the path
}

TEST(Drawing, ShadowFallsBelowInViewsAndAboveInBitmaps) {
    for (bool yUp : {false, true}) {
        auto ctx = yUp ? Context::createBitmap(60, 60) : Context::createImageContext({60, 60}, false, 1);
        ctx->setShadowWithColor({0, 8}, 4, Color::createRGB(0, 0, 0, 1));
        ctx->setRGBFillColor(1, 1, 1, 1);
        ctx->fillRect(RectMake(20, 20, 20, 20));
        // The rectangle is white; its shadow is dark on the side it falls to.
        int rectTop = yUp ? 20 : 20;  // device rows 20..39 in both cases
        expectColor(ctx->pixel(30, rectTop + 10), {1, 1, 1, 1});
        RGBA below = ctx->pixel(30, 45), above = ctx->pixel(30, 15);
        RGBA shadowed = yUp ? above : below, clear = yUp ? below : above;
        EXPECT_GT(shadowed.a, 0.5) << "yUp=" << yUp;
        EXPECT_LT(shadowed.r, 0.1);
        EXPECT_LT(clear.a, 0.05) << "yUp=" << yUp;
        // The blur softens the edge: partial coverage just beside the shadow.
        RGBA edge = ctx->pixel(41, yUp ? 15 : 45);
        EXPECT_GT(edge.a, 0.05);
        EXPECT_LT(edge.a, 0.9);
    }
}

TEST(Drawing, LinearGradientHonoursExtendOptions) {
    auto grad = Gradient::createWithColors(ColorSpace::createDeviceRGB(),
                                           {Color::createRGB(1, 0, 0, 1), Color::createRGB(0, 0, 1, 1)});
    ASSERT_TRUE(grad);
    auto plain = Context::createImageContext({100, 4}, false, 1);
    plain->drawLinearGradient(grad, {25, 0}, {75, 0}, 0);
    expectColor(plain->pixel(10, 2), kNone);
    expectColor(plain->pixel(90, 2), kNone);
    expectColor(plain->pixel(26, 2), {0.98, 0, 0.02, 1}, 0.05);
    RGBA mid = plain->pixel(50, 2);
    EXPECT_NEAR(mid.r, 0.5, 0.06);
    EXPECT_NEAR(mid.b, 0.5, 0.06);

    auto after = Context::createImageContext({100, 4}, false, 1);
    after->drawLinearGradient(grad, {25, 0}, {75, 0}, GradientDrawsAfterEndLocation);
    expectColor(after->pixel(10, 2), kNone);
    expectColor(after->pixel(90, 2), kBlue);

    auto both = Context::createImageContext({100, 4}, false, 1);
    both->drawLinearGradient(grad, {25, 0}, {75, 0}, GradientDrawsBeforeStartLocation | GradientDrawsAfterEndLocation);
    expectColor(both->pixel(10, 2), kRed);
    expectColor(both->pixel(90, 2), kBlue);

    EXPECT_FALSE(Gradient::createWithColors(nullptr, {Color::black()}, {0, 1}));
}

TEST(Drawing, RadialGradientDimsTowardsTheEdge) {
    auto grad = Gradient::createWithColorComponents(ColorSpace::createDeviceRGB(), {0, 0, 0, 0, 0, 0, 0, 0.75}, {0, 1}, 2);
    auto ctx = Context::createImageContext({100, 100}, false, 1);
    ctx->drawRadialGradient(grad, {50, 50}, 0, {50, 50}, 50, GradientDrawsAfterEndLocation);
    EXPECT_LT(ctx->pixel(50, 50).a, 0.03);
    EXPECT_NEAR(ctx->pixel(75, 50).a, 0.375, 0.03);
    EXPECT_NEAR(ctx->pixel(1, 1).a, 0.75, 0.02);  // beyond the end radius, continued
}

TEST(Drawing, ArcStrokeWithRoundCapReachesPastItsEnd) {
    for (LineCap cap : {LineCap::Butt, LineCap::Round}) {
        auto ctx = Context::createImageContext({100, 100}, false, 1);
        ctx->setRGBStrokeColor(0.102, 0.792, 0.271, 1);
        ctx->setLineWidth(10);
        ctx->setLineCap(cap);
        // A quarter arc from the right (0) to the bottom (pi/2) of the circle, y down.
        ctx->addArc(50, 50, 40, 0, M_PI / 2, false);
        ctx->strokePath();
        expectColor(ctx->pixel(78, 78), {0.102, 0.792, 0.271, 1}, 0.03);  // on the arc (45 degrees)
        expectColor(ctx->pixel(22, 22), kNone);                            // the other side
        // Just before the start angle: only a round cap paints there.
        double a = ctx->pixel(90, 47).a;
        if (cap == LineCap::Round) {
            EXPECT_GT(a, 0.9);
        } else {
            EXPECT_LT(a, 0.1);
        }
    }
}

TEST(Drawing, BlendModesAlphaAndLayers) {
    auto ctx = Context::createImageContext({30, 10}, false, 1);
    ctx->setRGBFillColor(1, 1, 0, 1);
    ctx->fillRect(RectMake(0, 0, 30, 10));
    ctx->setBlendMode(BlendMode::Multiply);
    ctx->setRGBFillColor(0, 1, 1, 1);
    ctx->fillRect(RectMake(0, 0, 10, 10));
    expectColor(ctx->pixel(5, 5), {0, 1, 0, 1});  // yellow x cyan = green
    ctx->setBlendMode(BlendMode::Normal);

    // Two overlapping halves inside a layer at alpha 0.5 composite once: the
    // overlap is no darker than the rest.
    ctx->setAlpha(0.5);
    ctx->beginTransparencyLayer();
    ctx->setRGBFillColor(0, 0, 1, 1);
    ctx->fillRect(RectMake(10, 0, 15, 10));
    ctx->fillRect(RectMake(15, 0, 15, 10));
    ctx->endTransparencyLayer();
    RGBA single = ctx->pixel(12, 5), overlap = ctx->pixel(20, 5);
    expectColor(single, overlap, 0.01);
    EXPECT_NEAR(single.b, 0.5, 0.02);
    EXPECT_NEAR(single.r, 0.5, 0.02);

    // A layer limited to a rectangle draws nothing outside it.
    ctx->setAlpha(1);
    ctx->beginTransparencyLayerWithRect(RectMake(0, 0, 5, 10));
    ctx->setRGBFillColor(1, 0, 0, 1);
    ctx->fillRect(RectMake(0, 0, 30, 10));
    ctx->endTransparencyLayer();
    expectColor(ctx->pixel(2, 5), {1, 0, 0, 1});
    expectColor(ctx->pixel(20, 5), overlap, 0.01);
}

TEST(Drawing, ClipToMaskAndRect) {
    auto maskCtx = Context::createImageContext({10, 10}, false, 1);
    maskCtx->setRGBFillColor(0, 0, 0, 1);
    maskCtx->fillRect(RectMake(0, 0, 5, 10));  // left half opaque
    auto mask = maskCtx->createImage();
    auto ctx = Context::createImageContext({20, 20}, false, 1);
    ctx->saveGState();
    ctx->clipToMask(RectMake(0, 0, 20, 20), mask);
    ctx->setRGBFillColor(1, 0, 0, 1);
    ctx->fillRect(RectMake(0, 0, 20, 20));
    ctx->restoreGState();
    expectColor(ctx->pixel(3, 10), kRed);
    expectColor(ctx->pixel(15, 10), kNone);
    ctx->clipToRect(RectMake(0, 0, 4, 4));
    EXPECT_EQ(ctx->getClipBoundingBox(), RectMake(0, 0, 4, 4));
}

TEST(Drawing, ImagesKeepThePlatformsOrientationRules) {
    // Top row red, bottom row blue.
    auto src = Context::createImageContext({1, 2}, false, 1);
    src->setRGBFillColor(1, 0, 0, 1);
    src->fillRect(RectMake(0, 0, 1, 1));
    src->setRGBFillColor(0, 0, 1, 1);
    src->fillRect(RectMake(0, 1, 1, 1));
    auto img = src->createImage();
    ASSERT_TRUE(img);
    expectColor(img->pixel(0, 0), kRed);

    auto bitmap = Context::createBitmap(1, 2);  // y up: upright
    bitmap->drawImage(RectMake(0, 0, 1, 2), img);
    expectColor(bitmap->pixel(0, 0), kRed);
    auto view = Context::createImageContext({1, 2}, false, 1);  // y down: upside down
    view->drawImage(RectMake(0, 0, 1, 2), img);
    expectColor(view->pixel(0, 0), kBlue);
    view->drawImageTopDown(RectMake(0, 0, 1, 2), img);
    expectColor(view->pixel(0, 0), kRed);

    auto bottom = img->createWithImageInRect(RectMake(0, 0.5, 5, 5));  // integral, limited
    ASSERT_TRUE(bottom);
    EXPECT_EQ(bottom->width(), 1u);
    EXPECT_EQ(bottom->height(), 2u);
    EXPECT_FALSE(img->createWithImageInRect(RectMake(3, 3, 1, 1)));
    auto round = Image::createWithPNGData(img->pngData(), 2);
    ASSERT_TRUE(round);
    EXPECT_EQ(round->size(), SizeMake(0.5, 1));
    expectColor(round->pixel(0, 1), kBlue);
    EXPECT_FALSE(Image::createWithPNGData(ns::Data::fromString("not a png at all")));

    // Taking the pixels leaves an empty context that still accepts drawing.
    auto taken = src->takeImage();
    ASSERT_TRUE(taken);
    expectColor(taken->pixel(0, 1), kBlue);
    EXPECT_EQ(src->width(), 1u);
    src->fillRect(RectMake(0, 0, 5, 5));
    expectColor(taken->pixel(0, 0), kRed);
}

TEST(Drawing, ImageOrientationTurnsAndMirrorsWhatIsDrawnAndTheSize) {
    // Stored 2 x 3: red top left, green top right, blue bottom left.
    auto src = Context::createImageContext({2, 3}, false, 1);
    src->setRGBFillColor(1, 1, 1, 1);
    src->fillRect(RectMake(0, 0, 2, 3));
    src->setRGBFillColor(1, 0, 0, 1);
    src->fillRect(RectMake(0, 0, 1, 1));
    src->setRGBFillColor(0, 1, 0, 1);
    src->fillRect(RectMake(1, 0, 1, 1));
    src->setRGBFillColor(0, 0, 1, 1);
    src->fillRect(RectMake(0, 2, 1, 1));
    auto stored = src->takeImage();
    ASSERT_TRUE(stored);
    const RGBA kGreen{0, 1, 0, 1};
    struct Case {
        ImageOrientation orientation;
        Point red, green, blue;  // where each corner shows, in shown pixels
    } cases[] = {
        {ImageOrientation::Up, {0, 0}, {1, 0}, {0, 2}},
        {ImageOrientation::Down, {1, 2}, {0, 2}, {1, 0}},
        {ImageOrientation::Left, {0, 1}, {0, 0}, {2, 1}},
        {ImageOrientation::Right, {2, 0}, {2, 1}, {0, 0}},
        {ImageOrientation::UpMirrored, {1, 0}, {0, 0}, {1, 2}},
        {ImageOrientation::DownMirrored, {0, 2}, {1, 2}, {0, 0}},
        {ImageOrientation::LeftMirrored, {0, 0}, {0, 1}, {2, 0}},
        {ImageOrientation::RightMirrored, {2, 1}, {2, 0}, {0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.orientation));
        auto img = stored->createWithOrientation(c.orientation);
        EXPECT_EQ(img->orientation(), c.orientation);
        EXPECT_EQ(img->width(), 2u);  // the pixels as stored
        bool sideways = orientationIsSideways(c.orientation);
        Size shown = sideways ? SizeMake(3, 2) : SizeMake(2, 3);
        EXPECT_EQ(img->size(), shown);
        EXPECT_EQ(img->withScale(2)->size(), SizeMake(shown.width / 2, shown.height / 2));
        auto view = Context::createImageContext(shown, false, 1);
        view->drawImageTopDown(RectMake(0, 0, shown.width, shown.height), img);
        expectColor(view->pixel(std::size_t(c.red.x), std::size_t(c.red.y)), kRed);
        expectColor(view->pixel(std::size_t(c.green.x), std::size_t(c.green.y)), kGreen);
        expectColor(view->pixel(std::size_t(c.blue.x), std::size_t(c.blue.y)), kBlue);
        // A y-up bitmap shows it upright as well.
        auto bitmap = Context::createBitmap(std::size_t(shown.width), std::size_t(shown.height));
        bitmap->drawImage(RectMake(0, 0, shown.width, shown.height), img);
        expectColor(bitmap->pixel(std::size_t(c.red.x), std::size_t(c.red.y)), kRed);
    }
    EXPECT_EQ(stored->createWithOrientation(ImageOrientation::Right)->createWithImageInRect(RectMake(0, 0, 1, 3))->size(),
              SizeMake(3, 1));
}

TEST(Drawing, BitmapFormatsAndRefusedCombinations) {
    auto rgb = ColorSpace::createDeviceRGB();
    auto ctx = BitmapContextCreate(2, 1, 8, 0, rgb, ImageAlphaPremultipliedLast);
    ASSERT_TRUE(ctx);
    ctx->setRGBFillColor(1, 0, 0, 0.5);
    ctx->fillRect(RectMake(0, 0, 1, 1));
    ns::Data d = ctx->bitmapData();
    ASSERT_EQ(d.length(), 8u);
    EXPECT_NEAR(d[0], 128, 1);
    EXPECT_EQ(d[1], 0);
    EXPECT_NEAR(d[3], 128, 1);
    EXPECT_EQ(d[7], 0);

    auto gray = BitmapContextCreate(1, 1, 8, 1, ColorSpace::createDeviceGray(), ImageAlphaNone);
    ASSERT_TRUE(gray);
    gray->setGrayFillColor(1, 1);
    gray->fillRect(RectMake(0, 0, 1, 1));
    EXPECT_EQ(gray->bitmapData()[0], 255);

    auto little = BitmapContextCreate(1, 1, 8, 4, rgb, ImageAlphaPremultipliedFirst | BitmapByteOrder32Little);
    ASSERT_TRUE(little);
    little->setRGBFillColor(0, 0, 1, 1);
    little->fillRect(RectMake(0, 0, 1, 1));
    EXPECT_EQ(little->bitmapData()[0], 255);  // B first

    EXPECT_FALSE(BitmapContextCreate(1, 1, 8, 0, rgb, ImageAlphaLast));             // unpremultiplied
    EXPECT_FALSE(BitmapContextCreate(1, 1, 16, 0, rgb, ImageAlphaPremultipliedLast));
    EXPECT_FALSE(BitmapContextCreate(4, 1, 8, 8, rgb, ImageAlphaPremultipliedLast));  // stride too small
    EXPECT_FALSE(BitmapContextCreate(0, 1, 8, 0, rgb, ImageAlphaPremultipliedLast));
}

TEST(Drawing, SingularTransformsDrawNothingUntilRestored) {
    auto ctx = Context::createImageContext({10, 10}, false, 1);
    ctx->saveGState();
    ctx->scaleCTM(0, 0);
    ctx->setRGBFillColor(1, 0, 0, 1);
    ctx->fillRect(RectMake(0, 0, 10, 10));
    ctx->restoreGState();
    ctx->restoreGState();  // unbalanced: ignored
    expectColor(ctx->pixel(5, 5), kNone);
    ctx->setRGBFillColor(1, 0, 0, 1);
    ctx->fillRect(RectMake(0, 0, 10, 10));
    expectColor(ctx->pixel(5, 5), kRed);
    ctx->fillRect(RectMake(NAN, 0, 1, 1));  // ignored, no crash
}

TEST(Drawing, BezierPathDrawsIntoTheImageContext) {
    beginImageContext({20, 20}, false, 0);
    auto ctx = currentContext();
    ASSERT_TRUE(ctx);
    EXPECT_EQ(ctx->scale(), mainScreenScale());
    ctx->setRGBFillColor(0, 0, 1, 1);
    BezierPath::bezierPathWithOvalInRect(RectMake(0, 0, 20, 20))->fill();
    auto img = imageFromCurrentImageContext();
    endImageContext();
    EXPECT_FALSE(currentContext());
    ASSERT_TRUE(img);
    EXPECT_EQ(img->size(), SizeMake(20, 20));
    expectColor(img->pixel(20, 20), kBlue);
    expectColor(img->pixel(1, 1), kNone);
}
