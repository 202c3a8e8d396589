// The operations on one device from the device list: each swipe button and
// row button sends its request with the device's MAC and its answer shows
// at once and in the next poll; renames survive a poll while outstanding
// and go back when refused; the speed-limit input is checked before
// anything is sent and sent as bytes per second.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "platform/foundation/Format.h"
#include "tests/screens/wifi/DeviceListDriver.h"

namespace keelbox::test {
namespace {

std::string text(const char* key) { return TAVOLocalizedString(key); }
std::string named(const char* key, const std::string& name) { return ns::format(TAVOLocalizedString(key), name); }

class DeviceOperations : public DeviceListDriver {};

TEST_F(DeviceOperations, EachButtonSendsItsRequestAndTheNextPollShowsTheEffect) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(openList());
    struct Case {
        std::string device;
        std::string button;
        std::string cmd;
        std::string toast;
        std::function<bool(WifiScreenFixture*)> effect;  // read in the emulator's state
        std::function<bool(TAVODevicesListViewController&)> shown;  // after the next poll
    };
    auto self = this;
    const auto macOf = [](const std::string& name) {
        for (const auto& d : emulator::EmulatedRouterModel::everyDeviceKind("192.168.0.100"))
            if (d["endname"].stringValue() == name) return d["endmac"].stringValue();
        return std::string();
    };
    const auto inList = [self](const std::string& name) { return self->rowOf(name).has_value(); };
    const std::vector<Case> cases{
        {"old-laptop", text("restore the connection"), "device.openDevice",
         named("%@ has been allowed to visit network", "old-laptop"),
         [&](WifiScreenFixture*) { return deviceIn("devices", macOf("old-laptop"))["net_control"].intValue() == 3; },
         [&](TAVODevicesListViewController&) {
             auto cell = deviceCell("old-laptop");
             return cell && cell->disconnectIndicator()->isHidden() &&
                    buttonTitled(cell->rightUtilityButtons(), text("kick out the connection"));
         }},
        {"office-pc", text("kick out the connection"), "device.closeDevice",
         named("%@ limit to visit network", "office-pc"),
         [&](WifiScreenFixture*) { return deviceIn("devices", macOf("office-pc"))["net_control"].intValue() == 2; },
         [&](TAVODevicesListViewController&) {
             auto cell = deviceCell("office-pc");
             return cell && !cell->disconnectIndicator()->isHidden();
         }},
        {"living-room-pad", text("add to black list"), "device.kickDevice",
         named("%@ has added to black list", "living-room-pad"),
         [&](WifiScreenFixture*) { return !deviceIn("blacklist", macOf("living-room-pad")).isNil(); },
         [&](TAVODevicesListViewController&) { return !inList("living-room-pad"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.device + " / " + c.button);
        const std::size_t before = calls(c.cmd).size();
        ASSERT_TRUE(pressSwipeButton(c.device, c.button));
        ASSERT_TRUE(waitForCalls(c.cmd, before + 1));
        EXPECT_EQ(calls(c.cmd).back()["mac"].stringValue(), macOf(c.device));
        EXPECT_TRUE(waitForToast(c.toast));
        EXPECT_FALSE(list->currentHandlingDevice());
        EXPECT_TRUE(c.effect(this));
        // The next poll (5 s after the last answer) shows it.
        EXPECT_TRUE(app.screen().waitWhileTimePasses([&] { return c.shown(*list); }, kAnswerSeconds));
        app.screen().wait(2.0);  // the toast goes
    }
}

TEST_F(DeviceOperations, TheUnfamiliarRowsButtonsAdmitOrRefuse) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(openList());
    auto cell = std::dynamic_pointer_cast<TAVOUnfamiliarCell>(deviceCell("new-tablet"));
    ASSERT_TRUE(cell);
    ASSERT_TRUE(app.screen().tap(cell->forbiddenBtn()));
    ASSERT_TRUE(waitForCalls("device.denyDevice", 1));
    EXPECT_EQ(calls("device.denyDevice").back()["to_black"].stringValue(), "1");
    EXPECT_TRUE(waitForToast(named("%@ has added to black list", "new-tablet")));
    EXPECT_FALSE(rowOf("new-tablet")) << "gone at once";
    EXPECT_EQ(list->sections().numberOfSections(), 2);

    // Another new device, admitted this time.
    changeRouter([](emulator::EmulatedRouter& r) {
        ns::Value devices = r.model["devices"];
        ns::Value fresh = emulator::EmulatedRouterModel::makeDevice(40);
        fresh.mutableDictionary().set("endname", "new-phone");
        fresh.mutableDictionary().set("net_control", 0);
        devices.mutableArray().push_back(fresh);
        r.model.set("devices", devices);
    });
    app.screen().wait(5.0);
    ASSERT_TRUE(waitForText("new-phone"));
    cell = std::dynamic_pointer_cast<TAVOUnfamiliarCell>(deviceCell("new-phone"));
    ASSERT_TRUE(cell);
    ASSERT_TRUE(app.screen().tap(cell->accessBtn()));
    ASSERT_TRUE(waitForCalls("device.trustDevice", 1));
    EXPECT_TRUE(waitForToast(named("%@ has been allowed", "new-phone")));
    // The next poll brings it back among the family.
    const bool admitted = app.screen().waitWhileTimePasses(
        [&] {
            auto cell = deviceCell("new-phone");
            return cell && cell->reuseIdentifier() == "deviceCell";
        },
        kAnswerSeconds);
    EXPECT_TRUE(admitted) << "a family device now";
}

TEST_F(DeviceOperations, ARenameIsSentShownAndKeptThroughAPollUntilAnswered) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(openList());
    // The router takes its time over the rename, so a poll comes first.
    emulator::CallFault slow;
    slow.delaySeconds = 2.0;
    setFault("device.setDevAlias", slow);

    ASSERT_TRUE(pressSwipeButton("media-box", text("change the nick name")));
    auto alert = app.screen().alert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), text("change the nick name for dialog title"));
    endEditing();
    ASSERT_TRUE(alert->pressButton(text("modify")));
    EXPECT_TRUE(waitForToast(text("input data cann't be nil")));
    ASSERT_TRUE(app.screen().alert()) << "an empty name keeps the dialog open";
    app.screen().wait(2.0);  // the warning over the dialog is gone
    ASSERT_TRUE(app.screen().alert()->fillTextField(0, "Den TV"));
    endEditing();
    ASSERT_TRUE(app.screen().alert()->pressButton(text("modify")));
    app.screen().wait(1.0);
    ASSERT_TRUE(waitForCalls("device.setDevAlias", 1));
    EXPECT_EQ(calls("device.setDevAlias").back()["alias"].stringValue(), "Den TV");

    // A poll answered before the rename: the row keeps the new name, no
    // other row takes it.
    app.screen().wait(5.0);
    const std::size_t polls = calls("device.getDeviceList").size();
    waitForCalls("device.getDeviceList", polls);
    app.screen().waitUntil([] { return false; }, 0.5);
    auto renamed = deviceCell("Den TV");
    ASSERT_TRUE(renamed);
    EXPECT_EQ(renamed->device()->end_name, "media-box");
    int named = 0;
    for (const auto* l : {&list->sections().needAllowList, &list->sections().devicesList, &list->sections().guestsList})
        for (const auto& d : *l) named += d->alias == "Den TV";
    EXPECT_EQ(named, 1);
    EXPECT_TRUE(waitForToast(text("nick name has been modified")));
    EXPECT_EQ(deviceIn("devices", "02:00:00:00:0A:08")["alias_name"].stringValue(), "Den TV");
}

TEST_F(DeviceOperations, ARefusedRenameGivesTheOldNameBack) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(openList());
    setFault("device.setDevAlias", emulator::CallFault::error(-1, "name refused"));
    ASSERT_TRUE(pressSwipeButton("game-console", text("change the nick name")));
    ASSERT_TRUE(app.screen().alert());
    ASSERT_TRUE(app.screen().alert()->fillTextField(0, "Arcade"));
    endEditing();
    ASSERT_TRUE(app.screen().alert()->pressButton(text("modify")));
    app.screen().wait(1.0);  // the rename goes once the dialog has left
    EXPECT_TRUE(waitForWarning());
    EXPECT_FALSE(rowOf("Arcade"));
    auto cell = deviceCell("game-console");
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->name()->text(), "game-console");
}

TEST_F(DeviceOperations, TheSpeedLimitIsSentInBytesPerSecondAndCancelledWithTheSwitchOff) {
    ASSERT_TRUE(launchAtHome());
    ASSERT_TRUE(openList());
    ASSERT_TRUE(pressSwipeButton("media-box", text("limit speed")));
    ASSERT_TRUE(app.screen().alert());
    EXPECT_FALSE(list->limitSwitch()->isOn());
    EXPECT_TRUE(list->bottomView()->isHidden());
    ASSERT_TRUE(app.screen().tap(list->limitSwitch()));
    EXPECT_FALSE(list->bottomView()->isHidden());
    EXPECT_TRUE(list->upSpeedField()->isFirstResponder());
    ASSERT_TRUE(app.screen().type("1234567"));
    app.screen().type("8");
    EXPECT_EQ(list->upSpeedField()->text(), "1234567") << "the eighth character is refused";
    list->upSpeedField()->setText("300");
    list->downSpeedField()->setText("1048576");
    endEditing();
    ASSERT_TRUE(app.screen().pressAlertButton(text("sure")));
    app.screen().wait(1.0);  // the limit goes once the dialog has left
    ASSERT_TRUE(waitForCalls("device.setspeedlimit", 1));
    const auto sent = calls("device.setspeedlimit").back();
    EXPECT_EQ(sent["upload"].intValue(), 300 * 1024);
    EXPECT_EQ(sent["download"].intValue(), 1048576 * 1024);
    EXPECT_TRUE(waitForToast(text("limit speed success")));
    // The next poll keeps the mark.
    const std::size_t polls = calls("device.getDeviceList").size();
    app.screen().wait(5.0);
    ASSERT_TRUE(waitForCalls("device.getDeviceList", polls + 1));
    EXPECT_TRUE(app.screen().waitUntil(
        [&] {
            auto cell = deviceCell("media-box");
            return cell && !cell->limitMark()->isHidden();
        },
        kAnswerSeconds));

    // The limited device: the dialog opens on, with its limits; off cancels.
    ASSERT_TRUE(pressSwipeButton("game-console", text("limit speed")));
    ASSERT_TRUE(app.screen().alert());
    EXPECT_TRUE(list->limitSwitch()->isOn());
    EXPECT_EQ(list->upSpeedField()->text(), "100");
    EXPECT_EQ(list->downSpeedField()->text(), "200");
    endEditing();
    ASSERT_TRUE(app.screen().tap(list->limitSwitch()));
    EXPECT_TRUE(list->bottomView()->isHidden());
    ASSERT_TRUE(app.screen().pressAlertButton(text("sure")));
    app.screen().wait(1.0);
    ASSERT_TRUE(waitForCalls("device.cancelspeedlimit", 1));
    EXPECT_TRUE(waitForToast(text("cancel limit speed success")));
}

TEST(SpeedLimitInput, IsCheckedInOrderBeforeAnythingIsSent) {
    const std::string maxText = text("speed verify tip max");
    struct Case {
        std::string up, down;
        std::optional<std::string> error;
    };
    const std::vector<Case> cases{
        {"", "100", text("speed verify tip min")},
        {"100", "", text("speed verify tip min")},
        {"12a", "100", text("speed must be number")},
        {"100", "-5", text("speed must be number")},
        {"0", "100", text("speed verify tip min")},
        {"100", "000", text("speed verify tip min")},
        {"1048577", "100", text("up speed label text") + maxText},
        {"100", "1048577", text("down speed label text") + maxText},
        {"99999999999999999999", "1", text("up speed label text") + maxText},
        {"1048576", "1048576", std::nullopt},
        {"1", "1", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.up + " / " + c.down);
        EXPECT_EQ(TAVODevicesListViewController::speedInputError(c.up, c.down), c.error);
    }
}

}  // namespace
}  // namespace keelbox::test
