// Guest mode against the emulated router: the window opens with waittime 60
// as the screen loads, counts down in 600 ticks of 0.1 s, visitors that
// joined in the last minute appear from the 3 s poll, one can be put out
// (onto the blacklist), and the window closes with exactly one waittime-0
// stop on time-out, on leaving and on entering the background. A failing
// start or stop leaves once, and the screen is gone once it has left.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/Application.h"
#include "screens/wifi/TAVOGuestModeViewController.h"
#include "tests/screens/wifi/WifiScreenFixture.h"

namespace keelbox::test {
namespace {

class GuestModeScreen : public WifiScreenFixture {
protected:
    void open() {
        screen = TAVOGuestModeViewController::create();
        app.push(screen);
    }
    bool windowOpen() {
        return app.screen().waitWhileTimePasses(
            [&] {
                return screen->startGuestMode();
            },
            kAnswerSeconds);
    }
    std::vector<int> waitTimes() {
        std::vector<int> sent;
        for (const auto& call : calls("device.guestnetstart")) sent.push_back(call["waittime"].intValue());
        return sent;
    }
    bool onStack() {
        for (const auto& c : app.screen().navigationStack())
            if (c == screen) return true;
        return false;
    }
    // Lets real answers and the virtual clock both run a while.
    void settle(double virtualSeconds = 2.0) {
        app.screen().wait(virtualSeconds);
        app.screen().waitUntil([] { return false; }, 0.7);
        app.screen().wait(0.1);
    }
    std::shared_ptr<TAVOGuestModeViewController> screen;
};

TEST_F(GuestModeScreen, OpensTheWindowShowsNewVisitorsAndClosesItOnceAtTheTimeOut) {
    ASSERT_TRUE(launchAtHome());
    open();
    ASSERT_TRUE(windowOpen());
    EXPECT_EQ(waitTimes(), std::vector<int>{60});
    EXPECT_EQ(screen->guestWIFISSID()->text(),
              TAVOAccountManager::shareInstance()->currentRouter()->ssid + "-Guest");

    // The visitors waiting for the window arrive; the one connected for
    // half an hour is not new.
    ASSERT_TRUE(waitForCalls("device.guestnetlist", 1));
    ASSERT_TRUE(app.screen().waitUntil([&] { return screen->netView() && screen->netView()->indicators().size() == 2; },
                                       kAnswerSeconds));
    EXPECT_EQ(screen->guestList().size(), 2u);
    for (const auto& indicator : screen->netView()->indicators()) EXPECT_GE(indicator->posIndex, 0);
    const std::size_t polls = calls("device.guestnetlist").size();
    app.screen().wait(3.0);
    EXPECT_TRUE(waitForCalls("device.guestnetlist", polls + 1)) << "polled every 3 s";

    const int ticks = screen->countDownView()->currentTimeoutCount();
    app.screen().wait(59.0 - ticks * 0.1);
    EXPECT_TRUE(onStack()) << "still open before the 600th tick";
    EXPECT_EQ(waitTimes(), std::vector<int>{60});
    app.screen().wait(1.5);
    EXPECT_EQ(screen->countDownView()->currentTimeoutCount(), 600);
    ASSERT_TRUE(waitForCalls("device.guestnetstart", 2));
    settle(3.0);
    EXPECT_EQ(waitTimes(), (std::vector<int>{60, 0}));
    EXPECT_FALSE(onStack());
    EXPECT_EQ(homeRouter().model["guest_on"].intValue(), 0);
}

TEST_F(GuestModeScreen, AVisitorPutOutLeavesTheFieldAtOnceAndGoesOnTheBlacklist) {
    ASSERT_TRUE(launchAtHome());
    open();
    ASSERT_TRUE(windowOpen());
    ASSERT_TRUE(app.screen().waitUntil([&] { return screen->netView() && screen->netView()->indicators().size() == 2; },
                                       kAnswerSeconds));
    auto indicator = screen->netView()->indicators().front();
    const std::string mac = indicator->visitorMac;
    ASSERT_TRUE(app.screen().tap(indicator));
    app.screen().wait(2.0);
    auto popup = screen->actionView();
    EXPECT_FALSE(popup->isHidden());
    EXPECT_TRUE(indicator->isHidden());
    ASSERT_TRUE(popup->device());
    EXPECT_EQ(popup->device()->end_mac, mac);

    ASSERT_TRUE(app.screen().tap(popup->addBlackButton()));
    ASSERT_TRUE(waitForCalls("device.kickDevice", 1));
    EXPECT_EQ(calls("device.kickDevice").back()["mac"].stringValue(), mac);
    ASSERT_TRUE(app.screen().waitUntil([&] { return screen->guestList().size() == 1; }, kAnswerSeconds));
    EXPECT_EQ(screen->netView()->indicators().size(), 1u) << "gone before the next poll";
    app.screen().wait(1.0);
    EXPECT_TRUE(popup->isHidden());
    EXPECT_FALSE(deviceIn("blacklist", mac).isNil());
}

TEST_F(GuestModeScreen, ClosingThePopupBringsTheVisitorBack) {
    ASSERT_TRUE(launchAtHome());
    open();
    ASSERT_TRUE(windowOpen());
    ASSERT_TRUE(app.screen().waitUntil([&] { return screen->netView() && !screen->netView()->indicators().empty(); },
                                       kAnswerSeconds));
    auto indicator = screen->netView()->indicators().front();
    ASSERT_TRUE(app.screen().tap(indicator));
    app.screen().wait(2.0);
    ASSERT_TRUE(app.screen().tap(screen->actionView()->closeButton()));
    app.screen().wait(1.0);
    EXPECT_TRUE(screen->actionView()->isHidden());
    EXPECT_FALSE(indicator->isHidden());
}

TEST_F(GuestModeScreen, LeavingOrGoingToTheBackgroundSendsOneStop) {
    ASSERT_TRUE(launchAtHome());
    struct Case {
        const char* what;
        bool background;
    };
    for (const Case& c : {Case{"exit", false}, Case{"background", true}}) {
        SCOPED_TRACE(c.what);
        const std::size_t before = calls("device.guestnetstart").size();
        open();
        ASSERT_TRUE(windowOpen());
        if (c.background) {
            ui::Application::existing()->enterBackground();
        } else {
            screen->leftNavItemPressed();
            screen->leftNavItemPressed();
        }
        ASSERT_TRUE(waitForCalls("device.guestnetstart", before + 2));
        if (c.background) ui::Application::existing()->enterForeground();
        settle(5.0);  // time for a second stop, were one sent
        const auto sent = waitTimes();
        ASSERT_EQ(sent.size(), before + 2);
        EXPECT_EQ(sent.back(), 0);
        EXPECT_FALSE(onStack());
    }
}

TEST_F(GuestModeScreen, AFailingStartLeavesOnceWithOneStopAndTheScreenIsGone) {
    ASSERT_TRUE(launchAtHome());
    setFault("device.guestnetstart", emulator::CallFault::error(-1, "guest Wi-Fi is off"));
    open();
    EXPECT_TRUE(waitForWarning());
    std::weak_ptr<TAVOGuestModeViewController> weak = screen;
    screen.reset();
    app.screen().wait(1.1);
    ASSERT_TRUE(waitForCalls("device.guestnetstart", 2));
    settle(10.0);
    EXPECT_EQ(waitTimes(), (std::vector<int>{60, 0})) << "a failing stop sends no further stop";
    settle(2.0);
    EXPECT_TRUE(weak.expired()) << "the screen that left is not kept alive";
}

TEST_F(GuestModeScreen, LeavingBeforeTheStartIsAnsweredStillStops) {
    ASSERT_TRUE(launchAtHome([](emulator::EmulatedRouter&) {}));
    emulator::CallFault slow;
    slow.delaySeconds = 1.0;
    setFault("device.guestnetstart", slow);
    open();
    app.screen().wait(0.1);
    screen->leftNavItemPressed();
    ASSERT_TRUE(waitForCalls("device.guestnetstart", 2));
    settle(3.0);
    auto sent = waitTimes();  // logged as answered, so in either order
    std::sort(sent.begin(), sent.end());
    EXPECT_EQ(sent, (std::vector<int>{0, 60}));
    EXPECT_FALSE(screen->startGuestMode()) << "a start answered after leaving opens nothing";
}

TEST(GuestList, OnlyVisitorsOfTheLastMinuteAreNew) {
    ns::Array devices;
    for (int seconds : {0, 59, 60, 1800}) {
        auto guest = TAVORouterJoiningGuestDevice::create();
        guest->end_mac = std::to_string(seconds);
        guest->remainTime = ns::Value(seconds);
        devices.push_back(ns::Value(guest));
    }
    const auto recent = TAVOGuestModeViewController::getGuestListIn30Second(ns::Value(devices));
    ASSERT_EQ(recent.size(), 2u);
    EXPECT_EQ(recent[0]->end_mac, "0");
    EXPECT_EQ(recent[1]->end_mac, "59");
    EXPECT_TRUE(TAVOGuestModeViewController::getGuestListIn30Second(ns::Value()).empty());
}

}  // namespace
}  // namespace keelbox::test
