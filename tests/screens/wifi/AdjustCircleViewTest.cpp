// The rotary knob: angles and steps, sideways drags that turn it within its
// reach, and the release that snaps and reports.
#include <gtest/gtest.h>

#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "screens/wifi/TAVOAdjustCircleView.h"

namespace keelbox::test {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Heard : TAVOAdjustCircleViewDelegate {
    std::vector<int> positions;
    void circleView(TAVOAdjustCircleView&, int position) override { positions.push_back(position); }
};

TEST(AdjustCircleView, StepsAreThirtySixDegreesApartWithThreeUpright) {
    for (int position = 0; position <= 5; ++position)
        EXPECT_DOUBLE_EQ(TAVOAdjustCircleView::angleOfPosition(position), (3 - position) * kPi / 5) << position;
    struct Case {
        double degrees;
        int position;
    };
    for (const auto& c : std::vector<Case>{{0, 3}, {17, 3}, {19, 2}, {53, 2}, {55, 1}, {72, 1}, {-17, 3}, {-19, 4}, {-55, 5}, {-72, 5}})
        EXPECT_EQ(TAVOAdjustCircleView::positionOfAngle(c.degrees * kPi / 180), c.position) << c.degrees;
}

TEST(AdjustCircleView, DragsTurnTheKnobWithinItsReachAndReleasesSnapAndReport) {
    auto knob = TAVOAdjustCircleView::create(cg::RectMake(0, 0, 320, 260));
    auto heard = std::make_shared<Heard>();
    knob->setDelegate(heard);
    EXPECT_EQ(knob->position(), 3);
    EXPECT_EQ(knob->introduceLabel()->text(), "普通模式");
    EXPECT_TRUE(knob->currentRadioIndicator()->image());
    const double half = knob->adjustImageView()->bounds().size.width / 2;
    ASSERT_GT(half, 0);

    // A touch that does not move snaps to the step it is on and reports it.
    knob->update(cg::PointMake(0, 0), true);
    EXPECT_EQ(heard->positions, std::vector<int>{3});
    EXPECT_EQ(knob->introduceLabel()->text(), TAVOLocalizedString("radio power strong mode for title"));

    // Left: clockwise, lower steps; stopped at 72 degrees.
    knob->update(cg::PointMake(-half / 4, 0), false);  // 36 degrees
    EXPECT_NEAR(knob->currentAngel(), kPi / 5, 1e-9);
    EXPECT_EQ(knob->position(), 2);
    knob->update(cg::PointMake(-half * 2, 0), false);
    EXPECT_NEAR(knob->currentAngel(), 2 * kPi / 5, 1e-9);
    knob->update(cg::PointMake(-half * 2, 0), true);
    EXPECT_EQ(heard->positions.back(), 1);
    EXPECT_EQ(knob->introduceLabel()->text(), TAVOLocalizedString("radio power weak mode for title"));

    // Right: the other way, to -72 degrees and step 5, which has no title.
    knob->update(cg::PointMake(half * 2, 0), false);
    knob->update(cg::PointMake(half * 4, 0), true);
    EXPECT_NEAR(knob->currentAngel(), -2 * kPi / 5, 1e-9);
    EXPECT_EQ(heard->positions.back(), 5);
    EXPECT_EQ(knob->introduceLabel()->text(), "");

    knob->setPosition(0);
    EXPECT_EQ(knob->position(), 0);
    EXPECT_NEAR(knob->currentAngel(), 3 * kPi / 5, 1e-9);
    EXPECT_EQ(knob->introduceLabel()->text(), TAVOLocalizedString("radio power most weak mode for title"));
    EXPECT_EQ(heard->positions.size(), 3u) << "code never reports";
}

}  // namespace
}  // namespace keelbox::test
