// The page dots: their row's geometry, taps on either side of its centre,
// the deferred display, and the page a scroll view shows.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/ui/Image.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "uikit/DotPageControl.h"

namespace keelbox::test {
namespace {

class DotPageControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
        window->makeKeyAndVisible();
        dots = DotPageControl::create(cg::RectMake(0, 500, 320, 36));
        dots->setNumberOfPages(5);
        window->addSubview(dots);
        dots->addTarget(nullptr, "changed", [this](ui::Control&) { ++changes; }, ui::ControlEventValueChanged);
    }
    // A tap on the control's middle line, `dx` from the row's centre.
    void tapBeside(double dx) { screen.tapAt({160 + dx, 518}); }

    ui::WindowPtr window;
    DotPageControlPtr dots;
    ScreenDriver screen;
    int changes = 0;
};

TEST_F(DotPageControlTest, TheRowIsCentredAndMeasuredFromItsDots) {
    EXPECT_EQ(dots->sizeForNumberOfPages(5), cg::SizeMake(70, 6)) << "5 x 6 + 4 x 10";
    EXPECT_EQ(dots->sizeForNumberOfPages(0), cg::SizeMake(0, 6));
    EXPECT_EQ(dots->rectForPageIndicator(1), cg::RectMake(141, 0, 6, 6)) << "125 + 22 - 6";
    EXPECT_EQ(dots->rectForPageIndicator(5), cg::Rect{});
    EXPECT_EQ(dots->rectForPageIndicator(-1), cg::Rect{});

    dots->setIndicatorDiameter(8);
    EXPECT_EQ(dots->sizeForNumberOfPages(5), cg::SizeMake(80, 8));
    dots->setIndicatorDiameter(6);

    dots->sizeToFit();
    EXPECT_EQ(dots->frame(), cg::RectMake(0, 500, 70, 36)) << "keeps the origin, at least 36 high";

    dots->setNumberOfPages(-3);
    EXPECT_EQ(dots->numberOfPages(), 0);
}

TEST_F(DotPageControlTest, ATapBesideTheCentreMovesOnePageAndSaysSo) {
    struct Case {
        std::string name;
        int from;
        double dx;
        int to;
        int events;
    };
    const std::vector<Case> cases = {
        {"left on the first page", 0, -20, 0, 0},
        {"left on page 2", 2, -20, 1, 1},
        {"right on page 2", 2, 20, 3, 1},
        {"right on the last page", 4, 20, 4, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dots->setCurrentPage(c.from);
        changes = 0;
        tapBeside(c.dx);
        EXPECT_EQ(dots->currentPage(), c.to);
        EXPECT_EQ(dots->displayedPage(), c.to);
        EXPECT_EQ(changes, c.events);
    }
}

TEST_F(DotPageControlTest, ADeferredDisplayWaitsForTheUpdate) {
    dots->setDefersCurrentPageDisplay(true);
    dots->setCurrentPage(2);
    EXPECT_EQ(dots->displayedPage(), 2) << "code never defers";
    tapBeside(20);
    EXPECT_EQ(dots->currentPage(), 3);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dots->displayedPage(), 2);
    dots->updateCurrentPageDisplay();
    EXPECT_EQ(dots->displayedPage(), 3);
}

TEST_F(DotPageControlTest, FollowsAScrollViewAndIgnoresOneWithoutWidth) {
    struct Case {
        std::string name;
        double width;
        double offset;
        int page;  // expected, from page 1
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Case> cases = {
        {"third page", 320, 640, 2},
        {"between pages", 320, 700, 2},
        {"zero width", 0, 640, 1},
        {"no width at all", nan, 640, 1},
        {"beyond the pages", 320, 320 * 50, 1},
        {"far beyond any int", 1e-300, 1e300, 1},
        {"before the first", 320, -10, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dots->setCurrentPage(1);
        auto scroll = ui::ScrollView::create(cg::RectMake(0, 0, c.width, 100));
        scroll->setContentSize({320 * 5, 100});
        scroll->setContentOffset({c.offset, 0});
        dots->updatePageNumberForScrollView(*scroll);
        EXPECT_EQ(dots->currentPage(), c.page);
    }
    EXPECT_EQ(changes, 0) << "following a scroll view is not a person's change";
}

TEST_F(DotPageControlTest, PerPageImagesOnlyForPagesThatExist) {
    auto image = ui::Image::imageNamed("home_wifi00");
    ASSERT_TRUE(image);
    dots->setImage(image, 2);
    dots->setCurrentImage(image, 7);
    EXPECT_EQ(dots->imageForPage(2), image);
    EXPECT_FALSE(dots->currentImageForPage(7));
    dots->setImage(nullptr, 2);
    EXPECT_FALSE(dots->imageForPage(2));
}

}  // namespace
}  // namespace keelbox::test
