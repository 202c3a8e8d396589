// Device speed-up against the emulated router: the family devices listed,
// the accelerated one marked and on top and in the header; one device at a
// time is accelerated or cancelled, one request at a time.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "screens/wifi/TAVOSpeedupModeViewController.h"
#include "tests/screens/wifi/WifiScreenFixture.h"

namespace keelbox::test {
namespace {

class SpeedupScreen : public WifiScreenFixture {
protected:
    void open() {
        screen = TAVOSpeedupModeViewController::create();
        app.push(screen);
    }
    bool shown() {
        return app.screen().waitWhileTimePasses(
            [&] {
                return screen->speedupDevice() && !screen->tableView()->isHidden();
            },
            kAnswerSeconds);
    }
    std::vector<std::string> rows() {
        std::vector<std::string> names;
        for (const auto& d : screen->devicesList()) names.push_back(d->end_name);
        return names;
    }
    std::shared_ptr<TAVOSpeedupDeviceTableViewCell> cellAt(long row) {
        screen->tableView()->scrollToRowAtIndexPath(ui::IndexPath{0, row}, ui::TableViewScrollPosition::Middle, false);
        app.screen().wait(0.05);
        screen->tableView()->layoutIfNeeded();
        auto cell = std::dynamic_pointer_cast<TAVOSpeedupDeviceTableViewCell>(
            screen->tableView()->cellForRowAtIndexPath(ui::IndexPath{0, row}));
        if (cell) cell->layoutIfNeeded();
        return cell;
    }
    long rowOf(const std::string& name) {
        for (std::size_t i = 0; i < screen->devicesList().size(); ++i)
            if (screen->devicesList()[i]->end_name == name) return static_cast<long>(i);
        return -1;
    }
    std::shared_ptr<TAVOSpeedupModeViewController> screen;
};

TEST_F(SpeedupScreen, ListsTheFamilyWithTheAcceleratedDeviceMarkedOnTop) {
    ASSERT_TRUE(launchAtHome());
    open();
    ASSERT_TRUE(shown());
    EXPECT_EQ(calls("device.getAcceleratingDevice").size(), 1u);
    EXPECT_EQ(rows(), (std::vector<std::string>{"media-box", "living-room-pad", "office-pc", "old-laptop", "game-console",
                                                "my-phone"}))
        << "no guest and no new device; the accelerated device changed places with the phone";
    EXPECT_TRUE(screen->devicesList().front()->isInSpeedup);
    EXPECT_EQ(screen->headerView()->device(), screen->devicesList().front());
    EXPECT_TRUE(screen->headerView()->isAnimating());
    auto top = cellAt(0);
    ASSERT_TRUE(top);
    EXPECT_EQ(top->actionButton()->mode(), TAVOSpeedupButton::ModeAnimating);
    auto phone = cellAt(rowOf("my-phone"));
    ASSERT_TRUE(phone);
    EXPECT_TRUE(phone->isLocal());
}

TEST_F(SpeedupScreen, AcceleratingAnotherDeviceMovesTheMarkAndCancellingRestoresTheOrder) {
    ASSERT_TRUE(launchAtHome());
    open();
    ASSERT_TRUE(shown());
    auto pad = cellAt(rowOf("living-room-pad"));
    ASSERT_TRUE(pad);
    ASSERT_TRUE(app.screen().tap(pad->actionButton()));
    EXPECT_EQ(pad->actionButton()->mode(), TAVOSpeedupButton::ModeBusy);
    ASSERT_TRUE(app.screen().tap(pad->actionButton()));  // ignored while loading
    ASSERT_TRUE(waitForCalls("device.accelerateDevice", 1));
    ASSERT_TRUE(app.screen().waitUntil([&] { return !screen->isLoadingRequest(); }, kAnswerSeconds));
    app.screen().wait(1.0);
    EXPECT_EQ(calls("device.accelerateDevice").size(), 1u) << "a second press sends nothing";
    EXPECT_EQ(calls("device.accelerateDevice").back()["mac"].stringValue(), "02:00:00:00:0A:02");
    EXPECT_EQ(rows().front(), "living-room-pad");
    EXPECT_TRUE(screen->devicesList().front()->isInSpeedup);
    EXPECT_FALSE(screen->devicesList()[static_cast<std::size_t>(rowOf("media-box"))]->isInSpeedup);
    EXPECT_EQ(screen->headerView()->device()->end_name, "living-room-pad");
    EXPECT_EQ(homeRouter().model["accelerate_mac"].stringValue(), "02:00:00:00:0A:02");

    ASSERT_TRUE(app.screen().tap(cellAt(0)->actionButton()));
    ASSERT_TRUE(waitForCalls("device.cancelAccelerate", 1));
    ASSERT_TRUE(app.screen().waitUntil([&] { return !screen->speedupDevice(); }, kAnswerSeconds));
    app.screen().wait(0.5);
    EXPECT_EQ(rows().front(), "my-phone") << "the phone back on top";
    EXPECT_FALSE(screen->headerView()->device());
    EXPECT_FALSE(screen->headerView()->isAnimating());
}

TEST_F(SpeedupScreen, AFailedAccelerationClearsTheBusyRowAndSaysWhy) {
    ASSERT_TRUE(launchAtHome());
    open();
    ASSERT_TRUE(shown());
    setFault("device.accelerateDevice", emulator::CallFault::error(-1, "cannot now"));
    auto pc = cellAt(rowOf("office-pc"));
    ASSERT_TRUE(app.screen().tap(pc->actionButton()));
    EXPECT_TRUE(waitForWarning());
    EXPECT_FALSE(screen->isLoadingRequest());
    EXPECT_EQ(cellAt(rowOf("office-pc"))->actionButton()->mode(), TAVOSpeedupButton::ModeIdle);
    EXPECT_EQ(cellAt(rowOf("office-pc"))->actionButton()->currentTitle(), TAVOLocalizedString("speed up"));
}

TEST_F(SpeedupScreen, OnlyGuestsAndNewDevicesShowThePlaceholder) {
    ASSERT_TRUE(launchAtHome([](emulator::EmulatedRouter& r) {
        auto all = emulator::EmulatedRouterModel::everyDeviceKind("192.168.0.100");
        r.model.set("devices", ns::Value::array({all[4], all[5]}));
    }));
    open();
    ASSERT_TRUE(app.screen().waitWhileTimePasses(
        [&] {
            return !screen->blankIndicator()->isHidden();
        },
        kAnswerSeconds));
    EXPECT_TRUE(screen->tableView()->isHidden());
    EXPECT_FALSE(screen->headerView()->device());
}

}  // namespace
}  // namespace keelbox::test
