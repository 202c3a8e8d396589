// The speed strip: the speed texts split into number and unit, the text
// colour of each level, and where the halves' parts sit.
#include <gtest/gtest.h>

#include "screens/home/TAVOSpeedIndicator.h"
#include "tests/screens/home/HomeViewTestSupport.h"

namespace keelbox::test {
namespace {

class SpeedIndicatorTest : public HomeViewTest {
protected:
    void SetUp() override {
        HomeViewTest::SetUp();
        strip = show(TAVOSpeedIndicator::create(cg::RectMake(0, 518, 320, 50)));
    }
    TAVOSpeedIndicatorPtr strip;
};

TEST_F(SpeedIndicatorTest, SpeedsShowAsANumberAndAUnit) {
    struct Case {
        double bytesPerSecond;
        std::string value;
        std::string unit;
    };
    const Case cases[] = {
        {0, "0", "KB/s"},
        {-20, "0", "KB/s"},
        {1048576, "1024", "KB/s"},
        {1048577, "1.00", "MB/s"},
        {150 * 1024, "150", "KB/s"},
        {15.5 * 1024, "15.5", "KB/s"},
        {5.25 * 1024, "5.25", "KB/s"},
        {3.0 * 1024 * 1024 * 1024, "3.00", "GB/s"},
    };
    for (const Case& c : cases) {
        strip->setAvgSpeed(c.bytesPerSecond);
        strip->setTopSpeed(c.bytesPerSecond);
        EXPECT_EQ(strip->avgValueLabel()->text(), c.value) << c.bytesPerSecond;
        EXPECT_EQ(strip->avgUnit()->text(), c.unit) << c.bytesPerSecond;
        EXPECT_EQ(strip->topSpeedValueLabel()->text(), c.value) << c.bytesPerSecond;
        EXPECT_EQ(strip->topUnit()->text(), c.unit) << c.bytesPerSecond;
    }
    EXPECT_EQ(strip->avgText()->text(), L("avg speed"));
    EXPECT_EQ(strip->topText()->text(), L("top speed"));
}

TEST_F(SpeedIndicatorTest, TheTextTakesTheColourOfTheLevelAndABreakdownClearsBothSpeeds) {
    struct Case {
        int level;
        ui::Color color;
    };
    const Case cases[] = {
        {1, ui::Color::rgb255(173, 241, 153)}, {2, ui::Color::rgb255(173, 241, 153)},
        {3, ui::Color::rgb255(245, 232, 159)}, {4, ui::Color::rgb255(241, 215, 153)},
        {7, ui::Color::rgb255(173, 241, 153)}, {10, ui::Color::rgb255(254, 188, 183)},
    };
    for (const Case& c : cases) {
        strip->setAvgSpeed(2048);
        strip->setTopSpeed(4096);
        strip->setLevel(c.level);
        for (const auto& label : {strip->avgValueLabel(), strip->topSpeedValueLabel(), strip->avgUnit(),
                                  strip->topUnit(), strip->avgText(), strip->topText()})
            EXPECT_EQ(label->textColor(), c.color) << c.level;
        const bool cleared = c.level == 10;
        EXPECT_EQ(strip->avgSpeed(), cleared ? 0 : 2048) << c.level;
        EXPECT_EQ(strip->topSpeed(), cleared ? 0 : 4096) << c.level;
        EXPECT_EQ(strip->avgValueLabel()->text(), cleared ? "0" : "2.00") << c.level;
    }
}

TEST_F(SpeedIndicatorTest, EachHalfCentresItsNumberWithUnitAndCaptionBesideIt) {
    strip->setAvgSpeed(150 * 1024);
    strip->layoutIfNeeded();
    const cg::Rect value = strip->avgValueLabel()->frame();
    const cg::Rect unit = strip->avgUnit()->frame();
    const cg::Rect caption = strip->avgText()->frame();
    EXPECT_EQ(value.origin.y, 0);
    EXPECT_EQ(value.size.height, 50);
    EXPECT_GE(unit.origin.x, cg::RectGetMaxX(value) + 4);
    EXPECT_EQ(unit.origin.y, 12);
    EXPECT_EQ(caption.origin.x, unit.origin.x);
    EXPECT_EQ(caption.origin.y, 25);
    EXPECT_LT(cg::RectGetMaxX(strip->avgIndicator()->frame()), 160);
    EXPECT_GE(strip->topSpeedValueLabel()->frame().origin.x, 160);
    EXPECT_EQ(strip->avgSpeedBtn()->frame(), cg::RectMake(0, 0, 160, 50));
    EXPECT_EQ(strip->topSpeedBtn()->frame(), cg::RectMake(160, 0, 160, 50));
}

}  // namespace
}  // namespace keelbox::test
