// The sliding tabs on the running application: a tab's tap calls the hook
// and slides the pages, a drag past 30 % of the page turns it (and does not
// call the hook), a shorter one snaps back, and a selection with no page
// behind it is ignored.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/screen/AppFixture.h"
#include "widgets/TAVOSlidingTabsViewController.h"
#include "widgets/UIViewControllerSlidingTabItem.h"

namespace keelbox::test {
namespace {

class FileScreen : public TAVOSlidingTabsViewController {
public:
    using TAVOSlidingTabsViewController::TAVOSlidingTabsViewController;
    void selectTabChanged(unsigned index) override { hooks.push_back(index); }
    std::vector<unsigned> hooks;
};

ui::ViewControllerPtr page(const std::string& title) {
    auto controller = ui::ViewController::create();
    if (!title.empty()) UIViewControllerSlidingTabItem::setTabItem(controller, TAVOSlidingTabItem::create(title));
    return controller;
}

class SlidingTabsTest : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(app.launch());
        screen = ui::ViewController::make<FileScreen>();
        app.push(screen);
        app.screen().wait(1.0);
    }
    double pageX(std::size_t i) const { return screen->viewControllers()[i]->view()->frame().origin.x; }

    AppFixture app;
    std::shared_ptr<FileScreen> screen;
};

TEST_F(SlidingTabsTest, ATapCallsTheHookThenSlidesThePagesAndTheIndicator) {
    screen->setViewControllers({page("Shared"), page("Downloads")});
    auto bar = screen->tabBar();
    ASSERT_TRUE(bar);
    const double barBottom = bar->frame().origin.y + 44;
    EXPECT_EQ(screen->containerView()->frame().origin.y, barBottom);
    EXPECT_EQ(screen->selectedIndex(), 0);
    EXPECT_EQ(bar->items()[0]->frame(), cg::RectMake(35, 0, 90, 43));
    EXPECT_EQ(bar->items()[1]->frame(), cg::RectMake(195, 0, 90, 43));
    EXPECT_EQ(bar->indicatorView()->frame(), cg::RectMake(35, 41, 90, 3));

    ASSERT_TRUE(app.screen().tap(bar->items()[1]));
    EXPECT_EQ(screen->hooks, std::vector<unsigned>{1});
    app.screen().wait(0.35);
    EXPECT_EQ(screen->selectedIndex(), 1);
    EXPECT_EQ(screen->selectedViewController(), screen->viewControllers()[1]);
    EXPECT_EQ(pageX(0), -320);
    EXPECT_EQ(pageX(1), 0);
    EXPECT_EQ(bar->indicatorView()->frame(), cg::RectMake(195, 41, 90, 3));
    EXPECT_EQ(bar->selectedItem(), bar->items()[1]);
}

TEST_F(SlidingTabsTest, ADragPastThirtyPercentTurnsThePageAShorterOneSnapsBack) {
    screen->setViewControllers({page("Shared"), page("Downloads")});
    screen->setCanPan(true);
    screen->setSelectedIndex(1);
    app.screen().wait(0.35);
    auto container = screen->containerView();

    struct Case {
        double dx;
        int page;
    };
    for (const Case& c : {Case{50, 1}, Case{100, 0}, Case{100, 0}, Case{-50, 0}, Case{-120, 1}}) {
        ASSERT_TRUE(app.screen().drag(container, cg::SizeMake(c.dx, 0)));
        app.screen().wait(0.35);
        EXPECT_EQ(screen->selectedIndex(), c.page) << c.dx;
        EXPECT_EQ(pageX(static_cast<std::size_t>(c.page)), 0) << c.dx;
    }
    EXPECT_TRUE(screen->hooks.empty());

    screen->setCanPan(false);
    app.screen().drag(container, cg::SizeMake(-150, 0));
    app.screen().wait(0.35);
    EXPECT_EQ(screen->selectedIndex(), 1);
}

TEST_F(SlidingTabsTest, ASelectionWithoutAPageIsIgnored) {
    // Pages without tabs: no bar, the strip right below the bar.
    screen->setViewControllers({page(""), page("")});
    EXPECT_FALSE(screen->tabBar());
    EXPECT_EQ(screen->containerView()->frame().origin.y, screen->navBarHeight());
    for (int index : {-1, 2, 7}) screen->setSelectedIndex(index);
    EXPECT_EQ(screen->selectedIndex(), 0);

    // A mixed set: the one tab selects the page that carries it.
    screen->setViewControllers({page(""), page("Downloads")});
    ASSERT_TRUE(screen->tabBar());
    ASSERT_EQ(screen->tabBar()->items().size(), 1u);
    ASSERT_TRUE(app.screen().tap(screen->tabBar()->items()[0]));
    app.screen().wait(0.35);
    EXPECT_EQ(screen->selectedIndex(), 1);
    EXPECT_EQ(screen->tabBar()->selectedIndex(), 0);
    EXPECT_EQ(pageX(1), 0);

    // No pages: the end of a drag selects nothing.
    screen->setViewControllers({});
    screen->setCanPan(true);
    app.screen().drag(screen->containerView(), cg::SizeMake(-200, 0));
    app.screen().wait(0.35);
    EXPECT_EQ(screen->selectedIndex(), -1);
    EXPECT_FALSE(screen->selectedViewController());
}

}  // namespace
}  // namespace keelbox::test
