// The screen-placed navigation bar: its item stack and the title it shows.
#include <gtest/gtest.h>

#include "platform/ui/NavigationBar.h"

namespace {

TEST(NavigationBarTest, ShowsTheTopItemsTitleCentred) {
    auto bar = ui::NavigationBar::create(cg::RectMake(0, 20, 320, 44));
    EXPECT_FALSE(bar->topItem());
    bar->setTopItemTitle("Help");
    ASSERT_TRUE(bar->topItem());
    EXPECT_EQ(bar->items().size(), 1u);
    EXPECT_EQ(bar->titleLabel()->text(), "Help");

    bar->pushNavigationItem(ui::NavigationItem{"Licence"});
    EXPECT_EQ(bar->titleLabel()->text(), "Licence");
    bar->setTopItemTitle("Privacy");
    EXPECT_EQ(bar->items().size(), 2u) << "the top item renamed, none added";
    bar->popNavigationItem();
    EXPECT_EQ(bar->titleLabel()->text(), "Help");
    bar->popNavigationItem();
    bar->popNavigationItem();  // nothing left: nothing happens
    EXPECT_EQ(bar->titleLabel()->text(), "");

    bar->layoutIfNeeded();
    EXPECT_EQ(bar->titleLabel()->frame(), cg::RectMake(60, 0, 200, 44));
}

}  // namespace
