// The splash's two stages on the virtual clock and who hears their end;
// the welcome panel's info line and spinner.
#include <gtest/gtest.h>

#include "screens/home/TAVORouterStartupView.h"
#include "screens/home/TAVOWelcomeView.h"
#include "tests/support/Harness.h"

namespace keelbox::test {
namespace {

struct EndListener : TAVORouterStartupViewDelegate {
    void startupAnimationStop() override { ++ends; }
    int ends = 0;
};

TEST(TAVORouterStartupViewTest, TheIconRisesThenTheNameIsRevealedAndTheEndIsHeardOnce) {
    auto splash = TAVORouterStartupView::create(cg::RectMake(0, 0, 320, 568));
    auto listener = std::make_shared<EndListener>();
    splash->setDelegate(listener);
    const auto name = splash->introduceView()->image();
    ASSERT_TRUE(name && splash->iconView()->image());
    EXPECT_EQ(splash->iconView()->frame(), cg::RectMake(115, 220, 90, 90));
    EXPECT_EQ(splash->introduceView()->frame(), cg::RectMake((320 - name->size().width) / 2, 220, 0, name->size().height));
    EXPECT_DOUBLE_EQ(splash->introduceView()->alpha(), 0.3);

    splash->startAnimation();
    EXPECT_TRUE(splash->isAnimating());
    advance(0.6);
    drainMainLoop();
    EXPECT_EQ(splash->iconView()->frame().origin.y, 128);
    EXPECT_EQ(listener->ends, 0);
    advance(1.3);
    drainMainLoop();
    EXPECT_TRUE(splash->isAnimating());
    advance(0.2);
    drainMainLoop();
    EXPECT_FALSE(splash->isAnimating());
    EXPECT_EQ(listener->ends, 1);
    EXPECT_EQ(splash->introduceView()->frame().size.width, name->size().width);
    EXPECT_DOUBLE_EQ(splash->introduceView()->alpha(), 1.0);
    advance(5);
    drainMainLoop();
    EXPECT_EQ(listener->ends, 1);
}

TEST(TAVORouterStartupViewTest, ADelegateFreedMeanwhileIsNotCalled) {
    auto splash = TAVORouterStartupView::create(cg::RectMake(0, 0, 320, 568));
    auto listener = std::make_shared<EndListener>();
    splash->setDelegate(listener);
    splash->startAnimation();
    listener.reset();
    advance(2.5);
    drainMainLoop();
    EXPECT_FALSE(splash->isAnimating());
}

TEST(TAVOWelcomeViewTest, TheInfoLineShowsANameOrAnErrorAndOnlyAnEmptyNameClearsIt) {
    auto welcome = TAVOWelcomeView::create(cg::RectMake(0, 0, 320, 400));
    EXPECT_EQ(welcome->welcomeLabel()->frame(), cg::RectMake(0, 66, 320, 16));
    EXPECT_FALSE(welcome->infoLabel());

    welcome->setErrorInfo("");  // nothing to show: no line is made
    EXPECT_FALSE(welcome->infoLabel());
    welcome->setArdoWifiSSID("Keelbox-5G");
    ASSERT_TRUE(welcome->infoLabel());
    EXPECT_EQ(welcome->infoLabel()->text(), "Keelbox-5G");
    welcome->setErrorInfo("");
    EXPECT_EQ(welcome->infoLabel()->text(), "Keelbox-5G");
    welcome->setErrorInfo("No router answers");
    EXPECT_EQ(welcome->infoLabel()->text(), "No router answers");
    welcome->setArdoWifiSSID("");
    EXPECT_EQ(welcome->infoLabel()->text(), "");
}

TEST(TAVOWelcomeViewTest, APictureRestartsTheSpinnerUnderTheWiFiPictureAndNullStopsIt) {
    auto welcome = TAVOWelcomeView::create(cg::RectMake(0, 0, 320, 400));
    auto picture = ui::Image::imageNamed("loadingIcon_white");
    ASSERT_TRUE(picture);
    welcome->setIndicator(picture);
    ASSERT_TRUE(welcome->indicatorView());
    const cg::Rect wifi = welcome->welcomeImageView()->frame();
    EXPECT_EQ(welcome->indicatorView()->frame(),
              cg::RectMake(0, wifi.origin.y + wifi.size.height, 320, picture->size().height + 20));
    EXPECT_TRUE(welcome->indicatorView()->isAnimating());
    welcome->setIndicator(nullptr);
    EXPECT_FALSE(welcome->indicatorView()->isAnimating());
    EXPECT_FALSE(welcome->indicatorView()->circleImageView()->image());
}

}  // namespace
}  // namespace keelbox::test
