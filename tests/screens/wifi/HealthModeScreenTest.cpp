// The health mode screen through the command service: the radio reduction
// read and set, the daily Wi-Fi timer read and set as a pair, the time
// picker, and what a refusal leaves on screen.
#include <gtest/gtest.h>


#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "emulator/CallFault.h"
#include "screens/wifi/TAVOHealthModeViewController.h"
#include "tests/screens/wifi/WifiScreensFixture.h"

namespace keelbox::test::wifi {
namespace {

using Screen = TAVOHealthModeViewController;

void setPower(AppFixture& app, int percent) {
    changeHomeRouter(app, [&](emulator::EmulatedRouter& r) {
        r.model.set("radio_power", ns::Value::array({ns::Value::dictionary({{"freq", "5G"}, {"power", 100}}),
                                                     ns::Value::dictionary({{"freq", "2.4G"}, {"power", percent}})}));
    });
}

void setTimer(AppFixture& app, const char* open, const char* close, int openOn, int closeOn) {
    changeHomeRouter(app, [&](emulator::EmulatedRouter& r) {
        r.model.set("wifi_timer",
                    ns::Value::dictionary({{"open", open}, {"close", close}, {"open_sw", openOn}, {"close_sw", closeOn}}));
    });
}

TEST(HealthModeTimes, TimesAreTwoDigitHoursAndMinutes) {
    for (const char* text : {"07:05", "00:00", "23:59", "12:30"})
        EXPECT_EQ(Screen::getDateString(TAVOCommonUtility::getDateFromString(text)), text);
    EXPECT_EQ(Screen::getDateString(std::nullopt), "");
}

class HealthModeScreen : public ::testing::Test {
protected:
    void open() {
        ASSERT_TRUE(launchOnHomeRouter(app));
        screen = Screen::create();
        app.push(screen);
        ASSERT_TRUE(app.screen().waitUntil([&] {
            return !callsOf(app, "router.getRadioPower").empty() && !callsOf(app, "router.getWifiTimer").empty();
        }));
        settle();
    }
    // Lets the answers in flight arrive and the 0.5 s moves finish: the
    // router has answered everything it was sent, and the answers had time
    // to reach the screen.
    void settle() {
        app.peers().waitUntilAnswered();
        app.screen().waitUntil([] { return false; }, 0.4);
        app.screen().wait(1.5);
    }
    void tapSwitch(const ToggleSwitchPtr& control) { ASSERT_TRUE(app.screen().tap(control)); }
    AppFixture app;
    std::shared_ptr<Screen> screen;
};

TEST_F(HealthModeScreen, ThePowerReadShowsTheReduction) {
    struct Case {
        int power;
        int position;  // -1 none
        const char* tip;
    };
    const std::vector<Case> cases{{100, -1, "降低WiFi辐射，开始健康生活"}, {85, -1, "降低WiFi辐射，开始健康生活"},
                                  {76, -1, "降低WiFi辐射，开始健康生活"}, {75, 0, "WiFi覆盖范围适合两居室"},
                                  {50, 1, "WiFi覆盖范围适合一居室"},       {21, 1, "WiFi覆盖范围适合一居室"},
                                  {20, 2, "WiFi覆盖范围适合单间"},         {0, 2, "WiFi覆盖范围适合单间"}};
    ASSERT_TRUE(launchOnHomeRouter(app));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.power);
        setPower(app, c.power);
        const auto readings = callsOf(app, "router.getRadioPower").size();
        auto shown = Screen::create();
        app.push(shown);
        ASSERT_TRUE(app.screen().waitUntil([&] { return callsOf(app, "router.getRadioPower").size() > readings; }));
        ASSERT_TRUE(app.screen().waitUntil([&] { return shown->wifiPowerPercent() == static_cast<float>(c.power); }));
        settle();
        EXPECT_EQ(shown->centerTipLB()->text(), c.tip);
        EXPECT_EQ(shown->signalSwitchControl()->isOn(), c.position >= 0);
        EXPECT_EQ(shown->mainImageView()->isHidden(), c.position >= 0);
        EXPECT_EQ(shown->centerCircleView() != nullptr, c.position >= 0);
        ASSERT_EQ(shown->signalAdjustView() != nullptr, c.position >= 0);
        if (c.position >= 0) {
            EXPECT_EQ(shown->signalAdjustView()->position(), c.position);
            EXPECT_EQ(shown->signalAdjustView()->titleArray(), (std::vector<std::string>{"-40%", "-60%", "-80%"}));
            EXPECT_DOUBLE_EQ(shown->signalAdjustView()->alpha(), 1.0);
            EXPECT_EQ(shown->timeSwitchContainer()->frame().origin.y,
                      cg::RectGetMaxY(shown->signalAdjustView()->frame()) + Screen::kRowGap);
        } else {
            EXPECT_EQ(shown->timeSwitchContainer()->frame().origin.y, Screen::kRowHeight + Screen::kRowGap);
        }
    }
}

TEST_F(HealthModeScreen, TheRadioSwitchAndTheLevelsSendTheirPowerForTwoPointFourGigahertz) {
    open();
    ASSERT_FALSE(screen->signalSwitchControl()->isOn());
    tapSwitch(screen->signalSwitchControl());
    ASSERT_TRUE(waitForCalls(app, "router.updateRadioPower", 1));
    settle();
    ASSERT_TRUE(screen->signalAdjustView());
    EXPECT_EQ(screen->signalAdjustView()->position(), 0);
    EXPECT_EQ(screen->centerTipLB()->text(), "WiFi覆盖范围适合两居室");

    // The level control's stops: -60% and -80%.
    screen->adjustControl(*screen->signalAdjustView(), 2);
    ASSERT_TRUE(waitForCalls(app, "router.updateRadioPower", 2));
    settle();
    tapSwitch(screen->signalSwitchControl());
    ASSERT_TRUE(waitForCalls(app, "router.updateRadioPower", 3));
    settle();
    const auto sent = callsOf(app, "router.updateRadioPower");
    ASSERT_EQ(sent.size(), 3u);
    const int expected[] = {75, 20, 85};
    for (std::size_t i = 0; i < sent.size(); ++i) {
        EXPECT_EQ(sent[i]["freq"].stringValue(), "2.4G");
        EXPECT_EQ(sent[i]["power"].intValue(), expected[i]);
    }
    EXPECT_FALSE(screen->signalAdjustView()) << "85 is no reduction";
    EXPECT_EQ(app.peers().state().router(EmulatedPeers::kHomeRouter)->model["radio_power"][0]["power"].intValue(), 85);
}

TEST_F(HealthModeScreen, ARefusedLevelComesBack) {
    setPower(app, 50);
    open();
    app.peers().router().setCallFault("router.updateRadioPower", emulator::CallFault::error(-7, "radio busy"));
    screen->adjustControl(*screen->signalAdjustView(), 0);
    EXPECT_EQ(screen->wifiPowerPercent(), 75.0f) << "shown at once";
    ASSERT_TRUE(app.screen().waitUntil([&] { return screen->wifiPowerPercent() == 50.0f; }));
    settle();
    EXPECT_EQ(screen->centerTipLB()->text(), "WiFi覆盖范围适合一居室");
    EXPECT_EQ(screen->signalAdjustView()->position(), 1);
}

TEST_F(HealthModeScreen, TheTimerIsReadAndSwitchedAsAPair) {
    setTimer(app, "06:45", "22:10", 1, 0);
    open();
    EXPECT_FALSE(screen->timeSwitchControl()->isOn()) << "only one time armed";
    EXPECT_FALSE(screen->startContainer());

    tapSwitch(screen->timeSwitchControl());
    ASSERT_TRUE(waitForCalls(app, "router.setWifiTimer", 2));
    ASSERT_TRUE(app.screen().waitWhileTimePasses([&] { return screen->startContainer() && screen->finishContainer(); }));
    settle();
    const auto sent = callsOf(app, "router.setWifiTimer");
    EXPECT_EQ(sent[0]["time"].stringValue(), "06:45");
    EXPECT_EQ(sent[0]["type"].intValue(), 1);
    EXPECT_EQ(sent[1]["time"].stringValue(), "22:10");
    EXPECT_EQ(sent[1]["type"].intValue(), 2);
    ASSERT_TRUE(screen->startContainer());
    ASSERT_TRUE(screen->finishContainer());
    EXPECT_EQ(screen->startTimeLB()->text(), "06:45");
    EXPECT_EQ(screen->finishTimeLB()->text(), "22:10");
    EXPECT_TRUE(screen->timeSwitchControl()->isOn());

    tapSwitch(screen->timeSwitchControl());
    ASSERT_TRUE(waitForCalls(app, "router.closeWifiTimer", 2));
    EXPECT_TRUE(app.screen().waitWhileTimePasses([&] { return !screen->startContainer(); }));
    settle();
    EXPECT_FALSE(screen->timeSwitchControl()->isOn());
    const auto timer = app.peers().state().router(EmulatedPeers::kHomeRouter)->model["wifi_timer"];
    EXPECT_EQ(timer["open_sw"].intValue(), 0);
    EXPECT_EQ(timer["close_sw"].intValue(), 0);
}

TEST_F(HealthModeScreen, AFailedSwitchOnPairTurnsTheSwitchBackOff) {
    open();
    app.peers().router().setCallFault("router.setWifiTimer", emulator::CallFault::error(-9, "timer refused"));
    tapSwitch(screen->timeSwitchControl());
    ASSERT_TRUE(waitForCalls(app, "router.setWifiTimer", 2));
    settle();
    EXPECT_FALSE(screen->timeSwitchControl()->isOn());
    EXPECT_FALSE(screen->startContainer());
}

TEST_F(HealthModeScreen, ThePickerSetsOneTimeAndARefusalLeavesTheTimerAsItIs) {
    setTimer(app, "07:00", "23:00", 1, 1);
    open();
    ASSERT_TRUE(screen->timeSwitchControl()->isOn());
    ASSERT_TRUE(screen->startContainer());
    ASSERT_TRUE(app.screen().tap(screen->startContainer()));
    app.screen().wait(1.0);
    auto picker = screen->datePickerController();
    ASSERT_TRUE(picker);
    EXPECT_TRUE(picker->isOpen());
    EXPECT_EQ(picker->titleLable()->text(), TAVOLocalizedString("setting wifi start time"));
    EXPECT_EQ(Screen::getDateString(picker->date()), "07:00");

    ASSERT_TRUE(app.screen().pickDate(picker->picker(), *TAVOCommonUtility::getDateFromString("07:05")));
    ASSERT_TRUE(app.screen().tap(picker->confirmButton()));
    ASSERT_TRUE(waitForCalls(app, "router.setWifiTimer", 1));
    ASSERT_TRUE(app.screen().waitUntil([&] { return screen->datePickerController() == nullptr; }));
    settle();
    EXPECT_EQ(callsOf(app, "router.setWifiTimer")[0]["time"].stringValue(), "07:05");
    EXPECT_EQ(screen->startTimeLB()->text(), "07:05");
    EXPECT_FALSE(screen->popoverController());

    app.peers().router().setCallFault("router.setWifiTimer", emulator::CallFault::error(-9, "timer refused"));
    ASSERT_TRUE(app.screen().tap(screen->finishContainer()));
    app.screen().wait(1.0);
    picker = screen->datePickerController();
    ASSERT_TRUE(picker);
    EXPECT_FALSE(picker->isOpen());
    ASSERT_TRUE(app.screen().pickDate(picker->picker(), *TAVOCommonUtility::getDateFromString("21:30")));
    ASSERT_TRUE(app.screen().tap(picker->confirmButton()));
    ASSERT_TRUE(waitForCalls(app, "router.setWifiTimer", 2));
    settle();
    EXPECT_TRUE(screen->datePickerController()) << "the picker stays up after a refusal";
    EXPECT_TRUE(screen->timeSwitchControl()->isOn());
    ASSERT_TRUE(screen->finishContainer());
    EXPECT_EQ(screen->finishTimeLB()->text(), "23:00");
}

}  // namespace
}  // namespace keelbox::test::wifi
