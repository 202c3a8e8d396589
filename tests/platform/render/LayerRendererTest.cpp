// The window renderer over representative views: rounded and shadowed
// backgrounds, a gradient layer, a stroked arc with a round cap, a view's
// own drawing with Latin and Chinese text, level order and hidden windows.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/graphics/BezierPath.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/StringDrawing.h"
#include "platform/render/LayerRenderer.h"
#include "platform/ui/GradientLayer.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/ShapeLayer.h"

namespace {

class TextView : public ui::View {
public:
    using ui::View::View;
    std::string text;
    void drawRect(const cg::Rect& rect) override {
        auto ctx = cg::currentContext();
        ASSERT_TRUE(ctx);
        ctx->setRGBFillColor(0, 0, 0, 1);
        ct::drawInRect(*ctx, text, rect, ct::Font::createWithName("Helvetica-Bold", 14));
    }
};

bool dark(const cg::RGBA& p) { return p.a > 0.9 && p.r < 0.35 && p.g < 0.35 && p.b < 0.35; }

// Whether any dark pixel lies in the point rectangle (scale 2).
bool inkIn(const cg::Image& img, cg::Rect pts) {
    for (int y = int(pts.origin.y * 2); y < int(cg::RectGetMaxY(pts) * 2); ++y)
        for (int x = int(pts.origin.x * 2); x < int(cg::RectGetMaxX(pts) * 2); ++x)
            if (dark(img.pixel(std::size_t(x), std::size_t(y)))) return true;
    return false;
}

void expectNear(const cg::RGBA& got, const cg::RGBA& want, double tol = 0.03) {
    EXPECT_NEAR(got.r, want.r, tol);
    EXPECT_NEAR(got.g, want.g, tol);
    EXPECT_NEAR(got.b, want.b, tol);
    EXPECT_NEAR(got.a, want.a, tol);
}

}  // namespace

TEST(LayerRenderer, RepresentativeViewsInAWindow) {
    auto window = ui::Window::create(cg::RectMake(0, 0, 200, 200));
    window->setBackgroundColor(ui::Color::whiteColor());
    window->setHidden(false);  // windows start hidden

    auto rounded = ui::View::create(cg::RectMake(10, 10, 60, 40));
    rounded->setBackgroundColor(ui::Color::redColor());
    rounded->layer()->setCornerRadius(12);
    window->addSubview(rounded);

    auto shadowed = ui::View::create(cg::RectMake(100, 10, 60, 40));
    shadowed->setBackgroundColor(ui::Color::blueColor());
    shadowed->layer()->setShadowOpacity(1);
    shadowed->layer()->setShadowOffset({0, 6});
    shadowed->layer()->setShadowRadius(2);
    window->addSubview(shadowed);

    auto gradient = ca::GradientLayer::create();
    gradient->setFrame(cg::RectMake(10, 70, 100, 20));
    gradient->colors = {ui::Color::redColor(), ui::Color::blueColor()};
    gradient->startPoint = {0, 0.5};
    gradient->endPoint = {1, 0.5};
    window->layer()->addSublayer(gradient);

    auto arc = ca::ShapeLayer::create();
    arc->setFrame(cg::RectMake(120, 60, 60, 60));
    auto path = std::make_shared<cg::Path>(cg::BezierPath::bezierPathWithArcCenter({30, 30}, 24, -M_PI / 2, 0, true)->CGPath());
    arc->path = path;
    arc->fillColor.reset();
    arc->strokeColor = ui::Color::greenColor();
    arc->lineWidth = 8;
    arc->lineCap = "round";
    window->layer()->addSublayer(arc);

    auto latin = ui::View::make<TextView>(cg::RectMake(10, 130, 180, 20));
    latin->text = "Keelbox";
    window->addSubview(latin);
    auto chinese = ui::View::make<TextView>(cg::RectMake(10, 160, 180, 20));
    chinese->text = "路由器";
    window->addSubview(chinese);

    auto img = cg::LayerRenderer::renderWindows({window}, {200, 200}, 2);
    ASSERT_TRUE(img);
    EXPECT_EQ(img->width(), 400u);
    EXPECT_EQ(img->size(), cg::SizeMake(200, 200));
    const cg::RGBA white{1, 1, 1, 1}, red{1, 0, 0, 1}, blue{0, 0, 1, 1}, green{0, 1, 0, 1};
    expectNear(img->pixel(2 * 40, 2 * 30), red);
    expectNear(img->pixel(2 * 10 + 1, 2 * 10 + 1), white);  // rounded corner
    expectNear(img->pixel(2 * 130, 2 * 30), blue);
    EXPECT_LT(img->pixel(2 * 130, 2 * 53).r, 0.6);  // shadow below the blue view
    expectNear(img->pixel(2 * 130, 2 * 8), white);  // nothing above it
    EXPECT_GT(img->pixel(2 * 12, 2 * 80).r, 0.9);   // gradient: red at the left
    EXPECT_GT(img->pixel(2 * 108, 2 * 80).b, 0.9);  // blue at the right
    // The arc runs clockwise on screen from the top to the right; its round
    // cap shows left of the start point, the other quadrants stay white.
    expectNear(img->pixel(2 * (120 + 30 + 17), 2 * (60 + 30 - 17)), green);
    expectNear(img->pixel(2 * (120 + 30 - 2), 2 * (60 + 6)), green);
    expectNear(img->pixel(2 * (120 + 30 - 17), 2 * (60 + 30 + 17)), white);
    EXPECT_TRUE(inkIn(*img, cg::RectMake(10, 130, 80, 20)));
    EXPECT_TRUE(inkIn(*img, cg::RectMake(10, 160, 60, 20)));
    EXPECT_FALSE(inkIn(*img, cg::RectMake(100, 130, 90, 50)));  // text ends where measured
}

TEST(LayerRenderer, WindowsInLevelOrderHiddenOnesLeftOutAndPNGWritten) {
    auto below = ui::Window::create(cg::RectMake(0, 0, 20, 20));
    below->setBackgroundColor(ui::Color::redColor());
    below->setHidden(false);
    auto above = ui::Window::create(cg::RectMake(0, 0, 10, 10));
    above->setBackgroundColor(ui::Color::greenColor());
    above->setAlpha(0.5);
    above->setHidden(false);
    auto hidden = ui::Window::create(cg::RectMake(0, 0, 20, 20));
    hidden->setBackgroundColor(ui::Color::blueColor());
    hidden->setHidden(true);
    auto img = cg::LayerRenderer::renderWindows({below, above, hidden}, {20, 20}, 1);
    ASSERT_TRUE(img);
    expectNear(img->pixel(5, 5), {0.5, 0.5, 0, 1}, 0.02);
    expectNear(img->pixel(15, 15), {1, 0, 0, 1});

    auto single = cg::LayerRenderer::renderWindow(*hidden, 2);
    ASSERT_TRUE(single);
    expectNear(single->pixel(3, 3), {0, 0, 1, 1});
    std::string path = std::string(std::getenv("KEELBOX_HOME") ? std::getenv("KEELBOX_HOME") : "/tmp") + "/shot.png";
    ASSERT_TRUE(cg::LayerRenderer::writePNG(single, path));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_TRUE(f);
    unsigned char sig[8] = {};
    EXPECT_EQ(std::fread(sig, 1, 8, f), 8u);
    std::fclose(f);
    EXPECT_EQ(sig[1], 'P');
    EXPECT_FALSE(cg::LayerRenderer::writePNG(single, "/nonexistent-dir/x.png"));
}

TEST(LayerRenderer, MaskAlphaLimitsTheLayerAndItsSublayers) {
    auto window = ui::Window::create(cg::RectMake(0, 0, 60, 40));
    window->setBackgroundColor(ui::Color::whiteColor());
    window->setHidden(false);
    auto masked = ca::Layer::create();
    masked->setFrame(cg::RectMake(10, 0, 40, 40));
    masked->setBackgroundColor(ui::Color::redColor());
    auto inner = ca::Layer::create();
    inner->setFrame(cg::RectMake(10, 10, 20, 20));
    inner->setBackgroundColor(ui::Color::greenColor());
    masked->addSublayer(inner);
    // The mask, in the masked layer's space: its left half opaque, the top
    // of its right half at half alpha, the rest uncovered.
    auto mask = ca::Layer::create();
    mask->setFrame(cg::RectMake(0, 0, 20, 40));
    mask->setBackgroundColor(ui::Color::blackColor());
    auto half = ca::Layer::create();
    half->setFrame(cg::RectMake(20, 0, 20, 20));
    half->setBackgroundColor(ui::Color::rgba(0, 0, 0, 0.5));
    mask->addSublayer(half);
    masked->setMask(mask);
    window->layer()->addSublayer(masked);

    auto img = cg::LayerRenderer::renderWindows({window}, {60, 40}, 2);
    ASSERT_TRUE(img);
    struct Case {
        cg::Point at;  // window points
        cg::RGBA want;
    } cases[] = {
        {{15, 35}, {1, 0, 0, 1}},        // under the opaque half: the background
        {{25, 15}, {0, 1, 0, 1}},        // and the sublayer
        {{35, 5}, {1, 0.5, 0.5, 1}},     // half alpha: half the background over white
        {{35, 15}, {0.5, 1, 0.5, 1}},    // half the sublayer
        {{35, 25}, {1, 1, 1, 1}},        // uncovered: nothing of the layer
        {{45, 35}, {1, 1, 1, 1}},
        {{5, 20}, {1, 1, 1, 1}},         // outside the layer anyway
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y);
        expectNear(img->pixel(std::size_t(c.at.x * 2), std::size_t(c.at.y * 2)), c.want, 0.03);
    }
}

TEST(LayerRenderer, TranslucentShapesOverLargeBoundsDrawTheirPathStrokeAndSublayers) {
    auto window = ui::Window::create(cg::RectMake(0, 0, 200, 200));
    window->setBackgroundColor(ui::Color::whiteColor());
    window->setHidden(false);

    // Drawn apart at half opacity, limited to what the path (with its
    // stroke) and the sublayers cover rather than the whole bounds.
    auto disc = ca::ShapeLayer::create();
    disc->setFrame(window->bounds());
    disc->path = std::make_shared<cg::Path>(cg::Path::withEllipseInRect(cg::RectMake(20, 20, 40, 40)));
    disc->fillColor = ui::Color::blueColor();
    disc->strokeColor = ui::Color::redColor();
    disc->lineWidth = 10;
    disc->setOpacity(0.5);
    auto corner = ca::Layer::create();
    corner->setFrame(cg::RectMake(150, 150, 20, 20));
    corner->setBackgroundColor(ui::Color::greenColor());
    disc->addSublayer(corner);
    window->layer()->addSublayer(disc);

    auto img = cg::LayerRenderer::renderWindow(*window, 2);
    ASSERT_TRUE(img);
    expectNear(img->pixel(80, 80), {0.5, 0.5, 1, 1});   // the middle of the disc
    expectNear(img->pixel(80, 32), {1, 0.5, 0.5, 1});   // the stroke's outer half
    expectNear(img->pixel(320, 320), {0.5, 1, 0.5, 1}); // the sublayer
    expectNear(img->pixel(200, 200), {1, 1, 1, 1});
}

namespace {

// Columns of the given colours, one point wide each, at scale 1.
ui::ImagePtr stripes(const std::vector<cg::RGBA>& columns, double height) {
    auto ctx = cg::Context::createImageContext({double(columns.size()), height}, false, 1);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        ctx->setRGBFillColor(columns[i].r, columns[i].g, columns[i].b, 1);
        ctx->fillRect(cg::RectMake(double(i), 0, 1, height));
    }
    return ui::Image::imageWithCGImage(ctx->createImage(), 1);
}

}  // namespace

TEST(LayerRenderer, ResizableImagesKeepTheirCapsAndContentModesPlacePictures) {
    const cg::RGBA red{1, 0, 0, 1}, green{0, 1, 0, 1}, blue{0, 0, 1, 1}, white{1, 1, 1, 1};
    auto image = stripes({red, red, red, red, green, blue, blue, blue, blue}, 4);
    auto stretched = ui::ImageView::create(cg::RectMake(0, 0, 90, 4));
    stretched->setImage(image->stretchableImageWithLeftCapWidth(4, 0));
    auto img = cg::LayerRenderer::snapshotView(*stretched, 2);
    ASSERT_TRUE(img);
    expectNear(img->pixel(2 * 2, 4), red);
    expectNear(img->pixel(2 * 10, 4), green);  // the middle point stretches, not the caps
    expectNear(img->pixel(2 * 80, 4), green);
    expectNear(img->pixel(2 * 88, 4), blue);

    auto centred = ui::ImageView::create(cg::RectMake(0, 0, 50, 50));
    centred->setBackgroundColor(ui::Color::whiteColor());
    centred->setImage(stripes(std::vector<cg::RGBA>(10, red), 10));
    centred->setContentMode(ui::ContentMode::Center);
    img = cg::LayerRenderer::snapshotView(*centred, 2);
    ASSERT_TRUE(img);
    expectNear(img->pixel(2 * 25, 2 * 25), red);
    expectNear(img->pixel(2 * 5, 2 * 5), white);
}
