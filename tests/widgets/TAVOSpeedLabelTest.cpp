// The speed text at the unit thresholds, and how the number and the unit
// are styled.
#include <gtest/gtest.h>

#include "uikit/LXCommodityConstructors.h"
#include "widgets/TAVOSpeedLabel.h"

namespace keelbox::test {
namespace {

TEST(TAVOSpeedLabelTest, FormatsEachSpeedWithTheUnitOfItsRange) {
    const struct {
        double speedKB;
        const char* text;
    } cases[] = {
        {0, "0 KB/s"},
        {0.04, "0 KB/s"},        // rounds to nothing
        {0.05, "0.1 KB/s"},
        {0.5, "0.5 KB/s"},
        {0.99, "1.0 KB/s"},      // still below 1: one decimal
        {1, "1 KB/s"},
        {1.6, "2 KB/s"},         // no decimals from 1 to 1024
        {1024, "1024 KB/s"},
        {1024.5, "1.0 MB/s"},
        {1048576, "1024.0 MB/s"},
        {1048577, "1.0 GB/s"},
        {5.5 * 1048576, "5.5 GB/s"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TAVOSpeedLabel::formatStringForSpeed(c.speedKB), c.text) << c.speedKB;
}

struct Style {
    double size;
    ui::Color color;
};

Style styleAt(TAVOSpeedLabel& label, std::size_t index) {
    auto text = label.attributedText();
    auto font = LXCommodityConstructors::fontAtIndex(*text, index);
    auto color = LXCommodityConstructors::textColorAtIndex(*text, index);
    return {font ? font->size() : 0, color.value_or(ui::Color::clearColor())};
}

TEST(TAVOSpeedLabelTest, TheNumberTakesTheSpeedStyleAndTheUnitItsOwn) {
    auto label = TAVOSpeedLabel::create(cg::RectMake(0, 0, 120, 30));
    label->setSpeedKB(0.5);
    EXPECT_EQ(label->speedKB(), 0.5);
    ASSERT_EQ(label->attributedText()->string(), "0.5 KB/s");
    const ui::Color speedGrey = ui::Color::darkGrayColor(), unitGrey = ui::Color::lightGrayColor();
    for (std::size_t i : {0u, 2u}) {
        EXPECT_EQ(styleAt(*label, i).size, 15) << i;
        EXPECT_EQ(styleAt(*label, i).color, speedGrey) << i;
    }
    for (std::size_t i : {3u, 4u, 7u}) {
        EXPECT_EQ(styleAt(*label, i).size, 12) << i;
        EXPECT_EQ(styleAt(*label, i).color, unitGrey) << i;
    }

    // A bare 0 is as large as a number but as pale as the unit.
    label->setSpeedKB(0.04);
    ASSERT_EQ(label->attributedText()->string(), "0 KB/s");
    EXPECT_EQ(styleAt(*label, 0).size, 15);
    EXPECT_EQ(styleAt(*label, 0).color, unitGrey);

    // Sizes not above 0 read as the defaults; new looks wait for the next text.
    label->setSpeedTextSize(-3);
    EXPECT_EQ(label->speedTextSize(), 15);
    label->setSpeedTextSize(20);
    label->setSpeedTextColor(ui::Color::redColor());
    label->setUnitTextColor(ui::Color::blueColor());
    EXPECT_EQ(styleAt(*label, 0).size, 15) << "the shown text keeps its style";
    label->setSpeedKB(2048);
    ASSERT_EQ(label->attributedText()->string(), "2.0 MB/s");
    EXPECT_EQ(styleAt(*label, 0).size, 20);
    EXPECT_EQ(styleAt(*label, 0).color, ui::Color::redColor());
    EXPECT_EQ(styleAt(*label, 4).color, ui::Color::blueColor());

    // A text without a number is all unit; an empty one is no trouble.
    label->setText("-- KB/s");
    EXPECT_EQ(styleAt(*label, 0).size, 12);
    label->setText("");
    EXPECT_EQ(label->attributedText()->length(), 0u);
}

}  // namespace
}  // namespace keelbox::test
