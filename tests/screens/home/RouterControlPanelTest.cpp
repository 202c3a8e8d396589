// The dashboard's strip of feature buttons: equal whole-point cells for the
// first five controls, the rest left where they are, replacing controls,
// and a strip too narrow for its insets.
#include <gtest/gtest.h>

#include <vector>

#include "screens/home/TAVORouterControlPanel.h"
#include "tests/support/Harness.h"

namespace keelbox::test {
namespace {

std::vector<ui::ViewPtr> makeControls(std::size_t count) {
    std::vector<ui::ViewPtr> controls;
    for (std::size_t i = 0; i < count; ++i) controls.push_back(ui::View::create(cg::RectMake(1, 2, 3, 4)));
    return controls;
}

TEST(RouterControlPanel, LaysTheFirstFiveControlsOutInEqualWholePointCells) {
    struct Case {
        double width;
        std::size_t count;
        std::vector<double> xs;  // of the placed controls
        double cellWidth;
    };
    const Case cases[] = {
        {320, 5, {5, 67, 129, 191, 253}, 62},
        {320, 6, {5, 67, 129, 191, 253}, 62},
        {320, 2, {5, 160}, 155},
        {320.9, 3, {5, 108, 211}, 103},  // 310.9 truncated to 310, then 310 / 3
        {12, 5, {5, 5, 5, 5, 5}, 0},     // 2 points of room: nothing per cell
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " wide, " << c.count << " controls");
        auto panel = TAVORouterControlPanel::create(cg::RectMake(0, 0, c.width, 45));
        const auto controls = makeControls(c.count);
        panel->setControls(controls);
        panel->layoutIfNeeded();
        ASSERT_EQ(panel->subviews().size(), c.count);
        for (std::size_t i = 0; i < c.count; ++i) {
            EXPECT_EQ(controls[i]->superview().get(), panel.get());
            if (i >= c.xs.size()) {
                // Beyond the fifth: added, never placed.
                EXPECT_EQ(controls[i]->frame(), cg::RectMake(1, 2, 3, 4));
                continue;
            }
            EXPECT_EQ(controls[i]->frame(), cg::RectMake(c.xs[i], 0, c.cellWidth, 45)) << i;
        }
    }
}

TEST(RouterControlPanel, ANarrowPanelGivesEmptyCellsNeverNegativeOrWrappedOnes) {
    EXPECT_EQ(TAVORouterControlPanel::cellWidth(-30, 5), 0u);
    for (double width : {0.0, 4.0, 9.5, 10.0}) {
        SCOPED_TRACE(width);
        EXPECT_EQ(TAVORouterControlPanel::cellWidth(width, 5), 0u);
        auto panel = TAVORouterControlPanel::create(cg::RectMake(0, 0, width, 45));
        auto controls = makeControls(5);
        panel->setControls(controls);
        panel->layoutIfNeeded();
        for (const auto& control : controls) EXPECT_EQ(control->frame().size.width, 0);
    }
}

TEST(RouterControlPanel, NewControlsReplaceTheOldOnesAndAnEmptyListClearsThePanel) {
    auto panel = TAVORouterControlPanel::create(cg::RectMake(0, 0, 320, 45));
    EXPECT_EQ(panel->backgroundColor(), ui::Color::clearColor());
    EXPECT_TRUE(panel->isUserInteractionEnabled());
    const auto first = makeControls(5);
    panel->setControls(first);
    const auto second = makeControls(2);
    panel->setControls(second);
    panel->layoutIfNeeded();
    for (const auto& old : first) EXPECT_EQ(old->superview(), nullptr);
    ASSERT_EQ(panel->subviews().size(), 2u);
    EXPECT_EQ(panel->subviews()[0], second[0]);
    EXPECT_EQ(second[1]->frame(), cg::RectMake(160, 0, 155, 45));

    panel->setControls({});
    panel->layoutIfNeeded();
    EXPECT_TRUE(panel->subviews().empty());
    EXPECT_TRUE(panel->controls().empty());
    EXPECT_EQ(second[1]->superview(), nullptr);
}

}  // namespace
}  // namespace keelbox::test
