// The blacklist: listed from the router once, a device restored leaves the
// list and is back among the connected devices; failures keep the list;
// an empty list shows the placeholder.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "screens/wifi/TAVORouterBlackListViewController.h"
#include "tests/screens/wifi/WifiScreenFixture.h"

namespace keelbox::test {
namespace {

class BlackListScreen : public WifiScreenFixture {
protected:
    void open() {
        screen = TAVORouterBlackListViewController::create();
        app.push(screen);
    }
    bool listed(std::size_t count) {
        return app.screen().waitWhileTimePasses(
            [&] {
                return screen->devicesList().size() == count && !screen->loadingIndicator();
            },
            kAnswerSeconds);
    }
    std::shared_ptr<TAVOBlackDeviceItemCell> cellAt(long row) {
        screen->tableView()->layoutIfNeeded();
        auto cell = std::dynamic_pointer_cast<TAVOBlackDeviceItemCell>(
            screen->tableView()->cellForRowAtIndexPath(ui::IndexPath{0, row}));
        if (cell) cell->layoutIfNeeded();
        return cell;
    }
    std::shared_ptr<TAVORouterBlackListViewController> screen;
};

TEST_F(BlackListScreen, ARestoredDeviceLeavesTheListAndIsBackAmongTheDevices) {
    ASSERT_TRUE(launchAtHome([](emulator::EmulatedRouter& r) {
        auto pad = emulator::EmulatedRouterModel::makeDevice(30);
        pad.mutableDictionary().set("endname", "blocked-pad");
        ns::Value list = r.model["blacklist"];
        list.mutableArray().push_back(pad);
        r.model.set("blacklist", list);
    }));
    open();
    ASSERT_TRUE(listed(2));
    EXPECT_EQ(calls("device.getBlackList").size(), 1u);
    auto intruder = cellAt(0);
    ASSERT_TRUE(intruder);
    EXPECT_EQ(intruder->name()->text(), "intruder");
    EXPECT_EQ(intruder->iconView()->image()->name(), "device-list_pc");

    ASSERT_TRUE(app.screen().tap(cellAt(1)->restoreButton()));
    ASSERT_TRUE(waitForCalls("device.permitDevice", 1));
    EXPECT_EQ(calls("device.permitDevice").back()["mac"].stringValue(), "02:00:00:00:00:1E");
    ASSERT_TRUE(listed(1));
    EXPECT_EQ(screen->devicesList().front()->end_name, "intruder");
    EXPECT_FALSE(deviceIn("devices", "02:00:00:00:00:1E").isNil()) << "back in the device list";
    EXPECT_TRUE(deviceIn("blacklist", "02:00:00:00:00:1E").isNil());

    app.screen().wait(2.0);  // the toast is gone
    ASSERT_TRUE(app.screen().tap(cellAt(0)->restoreButton()));
    ASSERT_TRUE(listed(0));
    EXPECT_TRUE(screen->tableView()->isHidden());
    EXPECT_FALSE(screen->blankIndicator()->isHidden());
}

TEST_F(BlackListScreen, AFailedRestoreKeepsTheDeviceAndSaysWhy) {
    ASSERT_TRUE(launchAtHome());
    open();
    ASSERT_TRUE(listed(1));
    setFault("device.permitDevice", emulator::CallFault::error(-1, "not now"));
    ASSERT_TRUE(app.screen().tap(cellAt(0)->restoreButton()));
    EXPECT_TRUE(waitForWarning());
    EXPECT_EQ(screen->devicesList().size(), 1u);
    screen->restoreDeviceError("");
    EXPECT_TRUE(waitForToast(TAVOLocalizedString("fail to restore device from blacklist")));
}

TEST_F(BlackListScreen, AnEmptyOrFailedListShowsThePlaceholder) {
    ASSERT_TRUE(launchAtHome([](emulator::EmulatedRouter& r) { r.model.set("blacklist", ns::Value(ns::Array{})); }));
    open();
    ASSERT_TRUE(listed(0));
    EXPECT_TRUE(screen->tableView()->isHidden());
    EXPECT_FALSE(screen->blankIndicator()->isHidden());

    setFault("device.getBlackList", emulator::CallFault::error(-1, "no list"));
    open();
    EXPECT_TRUE(waitForWarning());
}

}  // namespace
}  // namespace keelbox::test
