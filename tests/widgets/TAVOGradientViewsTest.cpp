// The two gradient backgrounds: the class-wide mask picture, colour
// changes with and without animation, and the gradient's direction.
#include <gtest/gtest.h>

#include "platform/ui/Appearance.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "widgets/TAVOGradientBgView.h"
#include "widgets/TAVOGradientView.h"

namespace keelbox::test {
namespace {

TEST(TAVOGradientBgViewTest, EveryInstanceTakesTheDefaultMaskUnlessGivenItsOwn) {
    TAVOGradientBgView::registerAppearanceDefaults();
    auto window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
    window->makeKeyAndVisible();
    auto plain = TAVOGradientBgView::create(cg::RectMake(0, 0, 320, 200));
    auto own = TAVOGradientBgView::create(cg::RectMake(0, 200, 320, 200));
    auto picture = ui::Image::imageNamed("home_xhtj_mask");
    own->setMaskImage(picture);
    window->addSubview(plain);
    window->addSubview(own);

    ASSERT_TRUE(plain->maskImage());
    EXPECT_EQ(plain->maskImage(), ui::Image::imageNamed("home_bg_light"));
    EXPECT_EQ(plain->maskView()->image(), plain->maskImage());
    EXPECT_EQ(plain->maskView()->frame(), plain->bounds());
    // The mask lies above the colour.
    EXPECT_EQ(plain->subviews().back(), plain->maskView());
    EXPECT_EQ(own->maskImage(), picture);
}

TEST(TAVOGradientBgViewTest, AColourChangeAtOnceOrFadedOnlyOnTheColourLayer) {
    auto view = TAVOGradientBgView::create(cg::RectMake(0, 0, 100, 100));
    const auto green = ui::Color::rgb255(10, 167, 75);
    view->setBgCorlor(green);
    EXPECT_EQ(view->bgCorlor(), green);
    EXPECT_EQ(view->backgroundColor(), green);
    EXPECT_EQ(view->bgView()->backgroundColor(), green);

    view->setBgCorlor(ui::Color::redColor(), true);
    EXPECT_EQ(view->bgView()->alpha(), 0.5);
    EXPECT_EQ(view->bgView()->backgroundColor(), green);
    advance(0.1);
    EXPECT_EQ(view->bgView()->backgroundColor(), ui::Color::redColor());
    advance(0.2);
    EXPECT_EQ(view->bgView()->alpha(), 1);
    EXPECT_EQ(view->bgCorlor(), green);
    EXPECT_EQ(view->backgroundColor(), green);
}

TEST(TAVOGradientViewTest, TheDiagonalRunsAtFortyFiveDegreesWhateverTheShape) {
    struct Case {
        cg::Size size;
        cg::Point end;
    };
    for (const Case c : {Case{{300, 100}, {0.5, 1.0 / 6}}, Case{{100, 300}, {1.0 / 6, 0.5}}, Case{{0, 0}, {0.5, 0.5}}}) {
        auto view = TAVOGradientView::create(cg::RectMake(0, 0, c.size.width, c.size.height));
        view->changeTopLeftColor(ui::Color::redColor(), ui::Color::blueColor(), false);
        EXPECT_EQ(view->gradientLayer()->startPoint, (cg::Point{0, 0}));
        EXPECT_NEAR(view->gradientLayer()->endPoint.x, c.end.x, 1e-9);
        EXPECT_NEAR(view->gradientLayer()->endPoint.y, c.end.y, 1e-9);
    }
    auto vertical = TAVOGradientView::create(cg::RectMake(0, 0, 300, 100));
    vertical->setTopToBottom(true);
    vertical->changeTopLeftColor(ui::Color::redColor(), ui::Color::blueColor(), false);
    EXPECT_EQ(vertical->gradientLayer()->endPoint, (cg::Point{0.5, 1}));
}

TEST(TAVOGradientViewTest, ColoursStoreUntilAChangeWhichCrossFadesForOneSecond) {
    auto view = TAVOGradientView::create(cg::RectMake(0, 0, 320, 568));
    EXPECT_EQ(view->colorTopLeft(), ui::Color::clearColor());
    view->setColorTopLeft(ui::Color::redColor());
    EXPECT_TRUE(view->gradientLayer()->colors.empty());

    view->changeTopLeftColor(ui::Color::redColor(), ui::Color::blueColor(), false);
    EXPECT_EQ(view->gradientLayer()->colors, (ca::ColorList{ui::Color::redColor(), ui::Color::blueColor()}));

    int completions = 0;
    view->changeTopLeftColor(ui::Color::greenColor(), ui::Color::whiteColor(), true, [&] { ++completions; });
    EXPECT_EQ(view->colorTopLeft(), ui::Color::greenColor());
    auto fade = std::dynamic_pointer_cast<ca::BasicAnimation>(view->gradientLayer()->animationForKey("animateColors"));
    ASSERT_TRUE(fade);
    EXPECT_EQ(fade->duration, 1.0);
    EXPECT_EQ(std::get<ca::ColorList>(fade->fromValue), (ca::ColorList{ui::Color::redColor(), ui::Color::blueColor()}));
    advance(0.99);
    EXPECT_EQ(completions, 0);
    EXPECT_EQ(view->gradientLayer()->colors.front(), ui::Color::redColor());
    advance(0.01);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(view->gradientLayer()->colors, (ca::ColorList{ui::Color::greenColor(), ui::Color::whiteColor()}));

    view->changeTopLeftColor(ui::Color::blackColor(), ui::Color::blackColor(), false);
    EXPECT_TRUE(view->gradientLayer()->animationKeys().empty());
}

TEST(TAVOGradientViewTest, AFadeCutShortLeavesTheNewerColours) {
    auto view = TAVOGradientView::create(cg::RectMake(0, 0, 320, 568));
    const ca::ColorList black{ui::Color::blackColor(), ui::Color::blackColor()};
    for (const bool newerAnimated : {false, true}) {
        SCOPED_TRACE(newerAnimated ? "a newer fade" : "a newer change at once");
        view->changeTopLeftColor(ui::Color::redColor(), ui::Color::redColor(), false);
        int completions = 0;
        view->changeTopLeftColor(ui::Color::greenColor(), ui::Color::whiteColor(), true, [&] { ++completions; });
        advance(0.5);
        view->changeTopLeftColor(ui::Color::blackColor(), ui::Color::blackColor(), newerAnimated);
        advance(TAVOGradientView::kChangeDuration);
        EXPECT_EQ(completions, 1) << "the cut fade still completes";
        EXPECT_EQ(view->gradientLayer()->colors, black);
        EXPECT_EQ(view->colorTopLeft(), ui::Color::blackColor());
    }
}

}  // namespace
}  // namespace keelbox::test
