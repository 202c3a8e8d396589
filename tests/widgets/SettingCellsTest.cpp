// The settings rows: switch-row geometry and who hears the switch, the
// account row's picture loading once per address, and the badge that
// follows its title.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "emulator/ImageHost.h"
#include "net/imageloader/WebImageCache.h"
#include "tests/support/Harness.h"
#include "widgets/TAVORightHeaderCell.h"
#include "widgets/TAVORightIncludingIndicatorCell.h"
#include "widgets/TAVOSettingCell.h"
#include "widgets/TAVOSettingSwitchCell.h"

namespace keelbox::test {
namespace {

ui::ImagePtr picture(double width, double height) {
    return TAVOCommonUtility::createImageFromColor(ui::Color::redColor(), {width, height});
}

template <class Cell>
std::shared_ptr<Cell> laidOut(std::shared_ptr<Cell> cell, double width = 320, double height = 50) {
    cell->setFrame(cg::RectMake(0, 0, width, height));
    cell->setNeedsLayout();
    cell->layoutIfNeeded();
    return cell;
}

TEST(TAVOSettingSwitchCellTest, IconTitleAndSwitchFollowTheRowAndTheGap) {
    auto cell = TAVOSettingSwitchCell::create(ui::TableViewCellStyle::Default, "switch");
    cell->iconImage()->setImage(picture(27, 27));
    laidOut(cell);
    const cg::Size knob = cell->switchControl()->frame().size;
    ASSERT_GT(knob.width, 0);
    EXPECT_EQ(cell->iconImage()->frame(), cg::RectMake(13, 11.5, 27, 27));
    EXPECT_EQ(cell->settingTitle()->frame(), cg::RectMake(50, 0, 320, 50));
    EXPECT_EQ(cell->switchControl()->frame(), cg::RectMake(320 - 13 - knob.width, (50 - knob.height) / 2, knob.width, knob.height));

    // The LED row's narrower gap starts the title one point closer.
    cell->setSpace_between(9);
    laidOut(cell);
    EXPECT_EQ(cell->settingTitle()->frame().origin.x, 49);

    // An icon the owner sized keeps its size.
    cell->setManualLayout(true);
    cell->iconImage()->setFrame(cg::RectMake(0, 0, 20, 30));
    laidOut(cell, 320, 60);
    EXPECT_EQ(cell->iconImage()->frame(), cg::RectMake(13, 15, 20, 30));
}

struct SwitchListener : TAVOSwitchCellDelegate {
    void onSwithChanged(ToggleSwitch& control, TAVOSettingSwitchCell& cell) override {
        heard.push_back({&control, &cell, control.isOn()});
    }
    struct Heard {
        ToggleSwitch* control;
        TAVOSettingSwitchCell* cell;
        bool on;
    };
    std::vector<Heard> heard;
};

struct DeafListener : TAVOSwitchCellDelegate {};

TEST(TAVOSettingSwitchCellTest, OnlyAPersonsChangeReachesADelegateThatListens) {
    auto cell = TAVOSettingSwitchCell::create(ui::TableViewCellStyle::Default, "switch");
    auto listener = std::make_shared<SwitchListener>();
    cell->setDelegate(listener);

    cell->switchControl()->setOn(true);  // by code: nobody hears
    EXPECT_TRUE(listener->heard.empty());

    cell->switchControl()->setOn(false);
    cell->switchControl()->sendActionsForControlEvents(ui::ControlEventValueChanged);  // as a touch-up does
    ASSERT_EQ(listener->heard.size(), 1u);
    EXPECT_EQ(listener->heard[0].control, cell->switchControl().get());
    EXPECT_EQ(listener->heard[0].cell, cell.get());

    // A delegate without the operation, a freed one or none: nothing happens.
    auto deaf = std::make_shared<DeafListener>();
    cell->setDelegate(deaf);
    cell->switchControl()->sendActionsForControlEvents(ui::ControlEventValueChanged);
    cell->setDelegate(nullptr);
    cell->switchControl()->sendActionsForControlEvents(ui::ControlEventValueChanged);
    EXPECT_EQ(listener->heard.size(), 1u);
}

TEST(TAVOSettingCellTest, MarksSitAtTheRightEdgeAndTheNoteTakesTheRightHalf) {
    auto cell = TAVOSettingCell::create(ui::TableViewCellStyle::Default, "setting");
    const cg::Size content = cell->contentView()->bounds().size;
    const auto badge = cell->hasNewVersionView()->image();
    const auto arrow = cell->accessorView()->image();
    ASSERT_TRUE(badge && arrow);
    EXPECT_EQ(cell->hasNewVersionView()->frame(),
              cg::RectMake(content.width - 35 - badge->size().width, 0, badge->size().width, content.height));
    EXPECT_EQ(cell->accessorView()->frame(),
              cg::RectMake(content.width - 13 - arrow->size().width, 0, arrow->size().width, content.height));
    EXPECT_EQ(cell->isLatestVersionLabel()->frame(),
              cg::RectMake(std::ceil(content.width / 2), 0, content.width / 2 - 15, content.height));
    EXPECT_EQ(cell->isLatestVersionLabel()->text(), TAVOLocalizedString("this is the latest version"));
}

TEST(TAVORightHeaderCellTest, OneLoadPerAddressAndAnEmptyNameKeepsTheShownOne) {
    emulator::ImageHost host;
    ASSERT_TRUE(host.start());
    host.addPNG("/head.png", 40, 40);
    host.setDelay("/head.png", 0.3);

    auto cell = TAVORightHeaderCell::create(ui::TableViewCellStyle::Default, "head");
    const auto placeholder = cell->head_pic_view()->image();
    ASSERT_TRUE(placeholder);
    EXPECT_EQ(cell->head_pic_view()->frame().size, cg::Size(35, 35));
    EXPECT_EQ(cell->head_pic_view()->layer()->cornerRadius(), 17.5);

    cell->setHeadPicURL(host.url("/head.png"));
    cell->setHeadPicURL(host.url("/head.png"));
    ASSERT_TRUE(runMainLoopUntil([&] { return cell->head_pic_view()->image() != placeholder; }));
    EXPECT_EQ(host.requestCount("/head.png"), 1u);

    // Setting the shown address again starts nothing: a new load would put
    // the placeholder back until the disk copy is read.
    WebImageCache::sharedImageCache()->clearMemory();
    const auto shown = cell->head_pic_view()->image();
    cell->setHeadPicURL(host.url("/head.png"));
    EXPECT_EQ(cell->head_pic_view()->image(), shown);

    cell->setUserName("alice");
    cell->setUserName("");
    EXPECT_EQ(cell->userNameLabel()->text(), "alice");
    EXPECT_EQ(cell->userName(), "alice");
}

TEST(TAVORightIncludingIndicatorCellTest, TheBadgeFollowsTheTitle) {
    auto cell = laidOut(TAVORightIncludingIndicatorCell::create(ui::TableViewCellStyle::Default, "count"));
    cell->setTitle("Devices");
    const double shortX = cell->indicator()->frame().origin.x;
    cell->setTitle("Devices on the guest network");
    const double longX = cell->indicator()->frame().origin.x;
    EXPECT_GT(longX, shortX);
    EXPECT_EQ(cell->indicator()->frame().size, cg::Size(25, 15));
    EXPECT_GT(shortX, cell->titleLabel()->frame().origin.x + 5);
}

}  // namespace
}  // namespace keelbox::test
