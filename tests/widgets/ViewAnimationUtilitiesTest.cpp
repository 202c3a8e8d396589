// The view animation utilities: composed pressed images, and shakes,
// bounces, scale pops, spinners, lights and random points that end in
// their final state.
#include <gtest/gtest.h>

#include <cmath>

#include "core/crypto/TAVOCommonUtility.h"
#include "platform/graphics/Image.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/ViewAnimation.h"
#include "tests/support/Harness.h"
#include "widgets/TAVOAnimationUtility.h"
#include "widgets/TAVORandomPointGenerator.h"
#include "widgets/UIImageUtil.h"
#include "widgets/UIViewBounce.h"
#include "widgets/UIViewBusyIndicator.h"
#include "widgets/UIViewLights.h"
#include "widgets/UIViewShake.h"

namespace keelbox::test {
namespace {

ui::ImagePtr filled(const ui::Color& color, double width, double height, double scale = 1) {
    auto image = TAVOCommonUtility::createImageFromColor(color, {width * scale, height * scale});
    return ui::Image::imageWithCGImage(image->CGImage(), scale);
}

void expectNear(const cg::Rect& got, const cg::Rect& expected) {
    EXPECT_NEAR(got.origin.x, expected.origin.x, 1e-9);
    EXPECT_NEAR(got.origin.y, expected.origin.y, 1e-9);
    EXPECT_NEAR(got.size.width, expected.size.width, 1e-9);
    EXPECT_NEAR(got.size.height, expected.size.height, 1e-9);
}

TEST(ImageByOverlapping, LaysTheOverlayCentredPixelForPixel) {
    struct Case {
        const char* what;
        bool allowScale;
        cg::Rect overlayPixels;
    };
    // A 60 x 40 picture under a 30 x 30 overlay.
    const std::vector<Case> cases{{"as drawn", false, cg::RectMake(15, 5, 30, 30)},
                                  {"enlarged to fit", true, cg::RectMake(10, 0, 40, 40)}};
    const cg::RGBA red{1, 0, 0, 1}, blue{0, 0, 1, 1};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto result = UIImageUtil::imageByOverlapping(filled(ui::Color::redColor(), 60, 40),
                                                      filled(ui::Color::blueColor(), 30, 30), c.allowScale);
        ASSERT_TRUE(result);
        const auto& bitmap = result->CGImage();
        ASSERT_EQ(bitmap->width(), 60u);
        ASSERT_EQ(bitmap->height(), 40u);
        for (std::size_t y = 0; y < 40; ++y)
            for (std::size_t x = 0; x < 60; ++x) {
                const bool inOverlay = cg::RectContainsPoint(c.overlayPixels, cg::PointMake(x + 0.5, y + 0.5));
                ASSERT_EQ(bitmap->pixel(x, y), inOverlay ? blue : red) << x << "," << y;
            }
    }
    auto base = filled(ui::Color::redColor(), 10, 10);
    EXPECT_EQ(UIImageUtil::imageByOverlapping(base, nullptr, true), base) << "no overlay: the picture itself";
}

// The pressed look is the normal image with the light overlay laid over
// it: outside the overlay's opaque parts the normal image shows unchanged,
// under them the overlay's own pixels, between them their blend.
TEST(ImageByOverlapping, ThePressedImageBlendsTheLightOverlayOverTheNormalOne) {
    auto overlay = ui::Image::imageNamed(UIImageUtil::kPressedOverlayName);
    ASSERT_TRUE(overlay);
    const double scale = overlay->scale();
    auto normal = filled(ui::Color::rgb255(40, 120, 200), 60, 30, scale);
    auto pressed = UIImageUtil::pressedImage(normal);
    ASSERT_TRUE(pressed);
    EXPECT_EQ(pressed->scale(), scale);
    const auto& out = pressed->CGImage();
    const auto& top = overlay->CGImage();
    const std::size_t width = std::max(normal->CGImage()->width(), top->width());
    const std::size_t height = std::max(normal->CGImage()->height(), top->height());
    ASSERT_EQ(out->width(), width);
    ASSERT_EQ(out->height(), height);
    const std::size_t ox = (width - top->width()) / 2, oy = (height - top->height()) / 2;
    const std::size_t bx = (width - normal->CGImage()->width()) / 2, by = (height - normal->CGImage()->height()) / 2;
    for (std::size_t y = 0; y < height; ++y)
        for (std::size_t x = 0; x < width; ++x) {
            const cg::RGBA b = normal->CGImage()->pixel(x - bx, y - by);
            const cg::RGBA o = (x >= ox && y >= oy) ? top->pixel(x - ox, y - oy) : cg::RGBA{};
            const double a = o.a + b.a * (1 - o.a);
            auto channel = [&](double oc, double bc) { return a == 0 ? 0 : (oc * o.a + bc * b.a * (1 - o.a)) / a; };
            const cg::RGBA expected{channel(o.r, b.r), channel(o.g, b.g), channel(o.b, b.b), a};
            const cg::RGBA got = out->pixel(x, y);
            if (o.a == 0 || o.a == 1) {
                ASSERT_EQ(got, o.a == 0 ? b : o) << x << "," << y;
            } else {
                const double tolerance = 1.5 / 255;
                ASSERT_NEAR(got.a, expected.a, tolerance) << x << "," << y;
                ASSERT_NEAR(got.r, expected.r, tolerance) << x << "," << y;
                ASSERT_NEAR(got.g, expected.g, tolerance) << x << "," << y;
                ASSERT_NEAR(got.b, expected.b, tolerance) << x << "," << y;
            }
        }
    auto dot = UIImageUtil::imageWithColor(ui::Color::greenColor());
    ASSERT_TRUE(dot);
    EXPECT_EQ(dot->size(), (cg::Size{1, 1}));
    EXPECT_EQ(dot->scale(), 1);
    EXPECT_EQ(dot->CGImage()->pixel(0, 0), (cg::RGBA{0, 1, 0, 1}));
}

// The shake's steps: the view animations of its speed.
std::size_t shakeMoves() {
    std::size_t moves = 0;
    for (const auto& record : ui::ViewAnimation::records())
        if (record.duration == UIViewShake::kDefaultSpeed) ++moves;
    return moves;
}

TEST(Shake, MovesBackAndForthAsOftenAsTheCountsMeetThenRestsWhereItStarted) {
    struct Case {
        int times;
        std::size_t moves;
        int direction;
    };
    for (const auto& c : std::vector<Case>{{5, 4, 0}, {4, 3, 0}, {1, 2, 1}, {0, 1, 1}}) {
        SCOPED_TRACE(c.times);
        ui::ViewAnimation::clearRecords();
        auto view = ui::View::create(cg::RectMake(0, 0, 100, 40));
        UIViewShake::shake(view, c.times, 8, UIViewShake::kDefaultSpeed, c.direction);
        const auto first = view->transform();
        EXPECT_EQ(c.direction == 0 ? first.tx : first.ty, 8);
        advance(1.0);
        EXPECT_EQ(shakeMoves(), c.moves);
        EXPECT_EQ(view->transform(), cg::AffineTransformIdentity);
    }
}

TEST(Bounce, SettlesTheCentreOnTheTargetWithNoAnimationLeft) {
    auto view = ui::View::create(cg::RectMake(0, 0, 40, 40));
    UIViewBounce::bounceFrom(view, cg::RectMake(0, 0, 40, 40), cg::RectMake(100, 200, 40, 40));
    ASSERT_EQ(view->layer()->animationKeys().size(), 1u);
    auto bounce = std::dynamic_pointer_cast<ca::KeyframeAnimation>(
        view->layer()->animationForKey(view->layer()->animationKeys().front()));
    ASSERT_TRUE(bounce);
    EXPECT_EQ(bounce->keyTimes, (std::vector<double>{0, 0.3, 0.55, 0.75, 0.9, 1.0}));
    EXPECT_EQ(std::get<cg::Point>(bounce->values[2]), cg::PointMake(20 * 0.2 + 120 * 0.8, 20 * 0.2 + 220 * 0.8));
    advance(0.4);
    EXPECT_EQ(view->layer()->animationKeys().size(), 1u) << "still bouncing";
    advance(0.2);
    EXPECT_TRUE(view->layer()->animationKeys().empty());
    EXPECT_EQ(view->center(), cg::PointMake(120, 220));

    UIViewBounce::scaleFrom(view, 0.5, 1.0, 1.2);
    EXPECT_EQ(view->layer()->animationKeys().size(), 1u);
    advance(0.3);
    EXPECT_TRUE(view->layer()->animationKeys().empty()) << "back to its own scale";
    EXPECT_EQ(view->transform(), cg::AffineTransformIdentity);
}

std::size_t spinnersIn(const ui::ViewPtr& view) {
    std::size_t n = 0;
    for (const auto& subview : view->subviews())
        if (std::dynamic_pointer_cast<ui::ActivityIndicatorView>(subview)) ++n;
    return n;
}

TEST(BusyIndicator, ShowsOneSpinnerAtATimeAndAutoDismissesOnItsOwnTime) {
    auto view = ui::View::create(cg::RectMake(0, 0, 200, 200));
    UIViewBusyIndicator::showBusyIndicator(view, cg::RectMake(10, 10, 20, 20));
    UIViewBusyIndicator::showBusyIndicator(view, cg::RectMake(50, 50, 20, 20));
    ASSERT_EQ(spinnersIn(view), 1u);
    auto spinner = std::dynamic_pointer_cast<ui::ActivityIndicatorView>(view->subviews().back());
    EXPECT_EQ(spinner->frame(), cg::RectMake(50, 50, 20, 20));
    EXPECT_EQ(spinner->style(), ui::ActivityIndicatorViewStyle::Gray);
    EXPECT_TRUE(spinner->isAnimating());

    // An auto-dismissed spinner replaced at 0.2 s: the newer one keeps its
    // own 0.3 s.
    UIViewBusyIndicator::showBusyIndicator(view, cg::RectMake(0, 0, 20, 20), true);
    advance(0.2);
    UIViewBusyIndicator::showBusyIndicator(view, cg::RectMake(0, 0, 20, 20), true);
    advance(0.2);
    EXPECT_EQ(spinnersIn(view), 1u);
    advance(0.15);
    EXPECT_EQ(spinnersIn(view), 0u);
}

TEST(Lights, KeepOneLightsLayerSweepingForeverUntilStopped) {
    auto view = ui::View::create(cg::RectMake(0, 0, 100, 60));
    UIViewLights::animateLights(view, nullptr);
    UIViewLights::animateLights(view, ui::Image::imageNamed(UIImageUtil::kPressedOverlayName));
    std::size_t named = 0;
    for (const auto& layer : view->layer()->sublayers())
        if (layer->name() == UIViewLights::kLayerName) ++named;
    EXPECT_EQ(named, 1u);
    auto lights = UIViewLights::lightsLayer(view);
    ASSERT_TRUE(lights);
    ASSERT_TRUE(lights->mask());
    expectNear(lights->mask()->frame(), cg::RectMake(20, 0, 60, 60));  // the square mask fitted in the middle
    auto sweep = lights->sublayers().front()->animationForKey(UIViewLights::kAnimationKey);
    ASSERT_TRUE(sweep);
    EXPECT_TRUE(sweep->repeatsForever());
    EXPECT_EQ(sweep->duration, UIViewLights::kSweepSeconds);
    UIViewLights::stopLightsAnimation(view);
    EXPECT_FALSE(UIViewLights::lightsLayer(view));
}

TEST(HighlightFlash, MasksTheViewWithTheImageAndSweepsTheBandAcrossIt) {
    auto view = ui::View::create(cg::RectMake(0, 0, 100, 50));
    TAVOAnimationUtility::implHighlightFlashEffect(view, UIImageUtil::kPressedOverlayName);
    ASSERT_TRUE(view->layer()->mask());
    expectNear(view->layer()->mask()->frame(), cg::RectMake(25, 0, 50, 50));
    auto band = std::dynamic_pointer_cast<ui::ImageView>(view->subviews().back());
    ASSERT_TRUE(band);
    auto sweep = std::dynamic_pointer_cast<ca::KeyframeAnimation>(
        band->layer()->animationForKey(TAVOAnimationUtility::kAnimationKey));
    ASSERT_TRUE(sweep);
    const double extent = 50 * (1 + std::sqrt(2.0) / 2);
    EXPECT_NEAR(std::get<cg::Point>(sweep->values.back()).x, 1.5 * extent, 1e-9);
    EXPECT_EQ(sweep->duration, 5);
    EXPECT_TRUE(sweep->repeatsForever());
}

TEST(RandomPoint, PopsUpAroundTheCentreAndGoesAfterThreeSeconds) {
    auto view = ui::View::create(cg::RectMake(0, 0, 200, 100));
    TAVORandomPointGenerator::generateRandomPointInView(view, nullptr);
    EXPECT_TRUE(view->subviews().empty()) << "no image adds nothing";

    auto dot = filled(ui::Color::whiteColor(), 6, 6);
    TAVORandomPointGenerator::generateRandomPointInView(view, dot);
    TAVORandomPointGenerator::generateRandomPointInView(view, dot);
    ASSERT_EQ(view->subviews().size(), 2u);
    EXPECT_EQ(view->subviews()[0]->center(), view->subviews()[1]->center()) << "the same second, the same spot";
    const cg::Point c = view->subviews()[0]->center();
    const double distance = std::hypot(c.x - 100, c.y - 50);
    EXPECT_GE(distance, 5 - 1e-9);
    EXPECT_LE(distance, 45 + 1e-9);
    EXPECT_EQ(view->subviews()[0]->alpha(), 0) << "fading out";
    advance(3.1);
    EXPECT_TRUE(view->subviews().empty());
}

}  // namespace
}  // namespace keelbox::test
