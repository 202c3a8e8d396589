// The Wi-Fi door and the front-panel LED screens through the numbered
// requests: the door switch (30), the timer read, set and closed (31-33)
// row by row, and the LEDs (29).
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "emulator/CallFault.h"
#include "screens/wifi/TAVOPaneLEDDoorViewController.h"
#include "screens/wifi/TAVOWIFIDoorViewController.h"
#include "tests/screens/wifi/WifiScreensFixture.h"
#include "widgets/TAVOScreenClassRegistry.h"

namespace keelbox::test::wifi {
namespace {

using Door = TAVOWIFIDoorViewController;

class WIFIDoorScreen : public ::testing::Test {
protected:
    void open(bool wifiOpen = false) {
        ASSERT_TRUE(launchOnHomeRouter(app));
        // The app center opens it by name and says whether the Wi-Fi is on.
        auto made = TAVOScreenClassRegistry::create("TAVOWIFIDoorViewController");
        auto taking = std::dynamic_pointer_cast<TAVOWiFiStateTaking>(made);
        ASSERT_TRUE(taking);
        taking->setWifiOpen(wifiOpen);
        door = std::dynamic_pointer_cast<Door>(made);
        app.push(door);
        ASSERT_TRUE(app.screen().waitUntil([&] { return !callsOf(app, "router.getwifitimer").empty(); }));
        settle();
    }
    void settle() {
        app.peers().waitUntilAnswered();
        app.screen().waitUntil([] { return false; }, 0.4);
        app.screen().wait(1.0);
    }
    AppFixture app;
    std::shared_ptr<Door> door;
};

TEST_F(WIFIDoorScreen, TheReadingSwitchesRowsOnAndTheDoorFollowsTheRouter) {
    changeHomeRouter(app, [](emulator::EmulatedRouter& r) {
        r.model.set("wifi_timer", ns::Value::dictionary({{"open", "06:30"}, {"close", "bad"}, {"open_sw", 1}, {"close_sw", 0}}));
    });
    open();
    EXPECT_TRUE(door->openWIFICell()->switchControl()->isOn());
    EXPECT_FALSE(door->closeWIFICell()->switchControl()->isOn());
    EXPECT_EQ(door->openWIFICell()->settingTitle()->text(), TAVOLocalizedString("open wifi time") + "    06:30");
    EXPECT_EQ(door->closeWIFICell()->settingTitle()->text(), TAVOLocalizedString("close wifi time") + "    23:00")
        << "an unreadable time keeps the initial one";
    EXPECT_EQ(door->doorIntroduceLabel()->text(), TAVOLocalizedString("open"));
    EXPECT_FALSE(door->waveView()->isAnimating());

    ASSERT_TRUE(app.screen().tap(door->doorButton()));
    ASSERT_TRUE(app.screen().waitUntil([&] { return door->wifiOpen(); }));
    const auto sent = callsOf(app, "router.wifiControl");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["sw"].stringValue(), "1");
    app.screen().wait(0.5);
    EXPECT_EQ(door->doorIntroduceLabel()->text(), TAVOLocalizedString("close"));
    EXPECT_TRUE(door->waveView()->isAnimating());

    app.peers().router().setCallFault("router.wifiControl", emulator::CallFault::error(-3, "busy"));
    ASSERT_TRUE(app.screen().tap(door->doorButton()));
    ASSERT_TRUE(waitForCalls(app, "router.wifiControl", 2));
    ASSERT_TRUE(app.screen().waitUntil([&] { return app.screen().toast() && app.screen().toast()->type == CustomizedHUDTypeWarning; }));
    EXPECT_TRUE(door->wifiOpen()) << "a refusal keeps the state";
    EXPECT_EQ(callsOf(app, "router.wifiControl")[1]["sw"].stringValue(), "0");
}

TEST_F(WIFIDoorScreen, ARowSwitchSendsItsTimeAndOnlyThatRowGoesBackOnARefusal) {
    open();
    auto openRow = door->openWIFICell();
    auto closeRow = door->closeWIFICell();
    ASSERT_TRUE(app.screen().tap(openRow->switchControl()));
    ASSERT_TRUE(waitForCalls(app, "router.setwifitimer", 1));
    settle();
    auto sent = callsOf(app, "router.setwifitimer");
    EXPECT_EQ(sent[0]["time"].stringValue(), "07:00") << "the router's time replaced 09:00";
    EXPECT_EQ(sent[0]["type"].intValue(), 1);
    EXPECT_TRUE(openRow->switchControl()->isOn());
    EXPECT_FALSE(door->operationForCell()) << "cleared once accepted";

    // The off row is refused: it goes back, the on row stays.
    app.peers().router().setCallFault("router.setwifitimer", emulator::CallFault::error(-9, "timer refused"));
    ASSERT_TRUE(app.screen().tap(closeRow->switchControl()));
    ASSERT_TRUE(waitForCalls(app, "router.setwifitimer", 2));
    ASSERT_TRUE(app.screen().waitUntil([&] { return !closeRow->switchControl()->isOn(); }));
    settle();
    EXPECT_TRUE(openRow->switchControl()->isOn());
    EXPECT_FALSE(door->operationForCell());

    // A refused picker time changes no switch.
    app.screen().wait(2.0);  // the warning has gone
    ASSERT_TRUE(app.screen().tap(openRow));
    app.screen().wait(1.0);
    ASSERT_TRUE(door->datePicker());
    EXPECT_TRUE(door->datePicker()->isOpen());
    ASSERT_TRUE(app.screen().pickDate(door->datePicker()->picker(), *TAVOCommonUtility::getDateFromString("05:15")));
    ASSERT_TRUE(app.screen().tap(door->datePicker()->confirmButton()));
    ASSERT_TRUE(waitForCalls(app, "router.setwifitimer", 3));
    settle();
    EXPECT_TRUE(openRow->switchControl()->isOn());
    EXPECT_FALSE(closeRow->switchControl()->isOn());
    EXPECT_TRUE(door->datePicker()) << "the picker stays up";
    EXPECT_EQ(openRow->settingTitle()->text(), TAVOLocalizedString("open wifi time") + "    07:00");

    // Accepted, the picker's row shows the new time and the popover closes.
    app.peers().router().clearCallFaults();
    ASSERT_TRUE(app.screen().tap(door->datePicker()->confirmButton()));
    ASSERT_TRUE(waitForCalls(app, "router.setwifitimer", 4));
    ASSERT_TRUE(app.screen().waitUntil([&] { return door->datePicker() == nullptr; }));
    settle();
    EXPECT_EQ(callsOf(app, "router.setwifitimer")[3]["time"].stringValue(), "05:15");
    EXPECT_EQ(openRow->settingTitle()->text(), TAVOLocalizedString("open wifi time") + "    05:15");
    EXPECT_FALSE(door->popover());
}

TEST_F(WIFIDoorScreen, SwitchingARowOffClosesItsTimerAndAnOffRowIgnoresTaps) {
    changeHomeRouter(app, [](emulator::EmulatedRouter& r) {
        r.model.set("wifi_timer", ns::Value::dictionary({{"open", "07:00"}, {"close", "23:30"}, {"open_sw", 0}, {"close_sw", 1}}));
    });
    open();
    ASSERT_TRUE(app.screen().tap(door->openWIFICell()));
    app.screen().wait(0.5);
    EXPECT_FALSE(door->datePicker()) << "the row's switch is off";

    ASSERT_TRUE(app.screen().tap(door->closeWIFICell()->switchControl()));
    ASSERT_TRUE(waitForCalls(app, "router.closeWifiTimer", 1));
    settle();
    const auto sent = callsOf(app, "router.closeWifiTimer");
    EXPECT_EQ(sent[0]["type"].intValue(), 2);
    EXPECT_EQ(sent[0]["time"].stringValue(), "23:30");
    EXPECT_FALSE(door->closeWIFICell()->switchControl()->isOn());
    EXPECT_EQ(app.peers().state().router(EmulatedPeers::kHomeRouter)->model["wifi_timer"]["close_sw"].intValue(), 0);
}

class PaneLEDScreen : public ::testing::Test {
protected:
    void open(const char* led) {
        changeHomeRouter(app, [&](emulator::EmulatedRouter& r) { r.model.set("led", led); });
        ASSERT_TRUE(launchOnHomeRouter(app));
        screen = std::dynamic_pointer_cast<TAVOPaneLEDDoorViewController>(
            TAVOScreenClassRegistry::create("TAVOPaneLEDDoorViewController"));
        ASSERT_TRUE(screen);
        app.push(screen);
        app.screen().wait(0.5);
    }
    bool selected(const ui::ButtonPtr& button) { return button->backgroundImageForState(ui::ControlStateNormal) != nullptr; }
    AppFixture app;
    std::shared_ptr<TAVOPaneLEDDoorViewController> screen;
};

TEST_F(PaneLEDScreen, TheLEDsGoOffAndOnThroughTheRouter) {
    open("1");
    EXPECT_EQ(screen->currentState(), 1);
    EXPECT_TRUE(selected(screen->openButton()));
    EXPECT_FALSE(selected(screen->closeButton()));

    ASSERT_TRUE(app.screen().tap(screen->openButton()));
    app.screen().waitUntil([] { return false; }, 0.3);
    EXPECT_TRUE(callsOf(app, "router.ledControl").empty()) << "the choice in force sends nothing";

    for (const auto& [button, state] : std::vector<std::pair<ui::ButtonPtr, int>>{{screen->closeButton(), 0}, {screen->openButton(), 1}}) {
        SCOPED_TRACE(state);
        ASSERT_TRUE(app.screen().tap(button));
        ASSERT_TRUE(app.screen().waitUntil([&, state = state] { return screen->currentState() == state; }));
        EXPECT_EQ(callsOf(app, "router.ledControl").back()["sw"].stringValue(), std::to_string(state));
        EXPECT_TRUE(selected(button));
        EXPECT_EQ(app.peers().state().router(EmulatedPeers::kHomeRouter)->model["led"].stringValue(), std::to_string(state));
    }
}

TEST_F(PaneLEDScreen, ARefusalKeepsTheSelectionAndNoLANStatusReadsAsOff) {
    open("");
    EXPECT_EQ(screen->currentState(), 0);
    EXPECT_TRUE(selected(screen->closeButton()));
    app.peers().router().setCallFault("router.ledControl", emulator::CallFault::error(-4, "panel locked"));
    ASSERT_TRUE(app.screen().tap(screen->openButton()));
    ASSERT_TRUE(waitForCalls(app, "router.ledControl", 1));
    ASSERT_TRUE(app.screen().waitUntil([&] { return app.screen().toast().has_value(); }));
    EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
    EXPECT_EQ(screen->currentState(), 0);
    EXPECT_TRUE(selected(screen->closeButton()));
    EXPECT_FALSE(selected(screen->openButton()));
    EXPECT_EQ(TAVOPaneLEDDoorViewController::stateFromLEDStatus(""), 0);
}

}  // namespace
}  // namespace keelbox::test::wifi
