#include <gtest/gtest.h>

#include "core/app/TAVOAppEventHandler.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "platform/ui/Application.h"
#include "tests/core/app/AppServiceFakes.h"
#include "tests/support/Harness.h"

using namespace keelbox::test;

namespace {

const sc::WiFiNetwork kHome{"Home", "aa:bb:cc:dd:ee:10"};
const sc::WiFiNetwork kNeighbour{"Neighbour", "11:22:33:44:55:66"};

class EventHub : public ::testing::Test {
protected:
    void SetUp() override {
        wifi = std::make_shared<sc::InjectableNetworkInfoSource>();
        sc::NetworkInfo::setSource(wifi);
        facade = std::make_shared<FakeFacade>();
        TAVOAccountFacade::setShared(facade);
        inbox = std::make_shared<FakeInbox>();
        TAVOPushInbox::setShared(inbox);
        checkers = std::make_shared<FakeCheckerMaker>();
        TAVOAppUpdateCheckerMaker::setShared(checkers);
        token = ns::NotificationCenter::defaultCenter()->addObserverForName(
            kTAVOGlobalEventNotification, {}, nullptr, [this](const ns::NotificationPtr& n) {
                posts.push_back({n->object().intValue(), ns::Date::now().timeIntervalSince1970() - start});
            });
        start = ns::Date::now().timeIntervalSince1970();
    }
    void TearDown() override {
        ns::NotificationCenter::defaultCenter()->removeObserver(token);
        sc::NetworkInfo::setSource(nullptr);
    }

    // The router met under the home access point: its MAC's last byte is
    // two below the access point's.
    std::shared_ptr<TAVORouterModel> homeRouter() {
        auto router = TAVORouterModel::create();
        router->mac = "AA:BB:CC:DD:EE:0E";
        router->router_id = "r1";
        return router;
    }

    struct Post {
        int event;
        double at;
    };
    std::vector<int> events() const {
        std::vector<int> out;
        for (const auto& p : posts) out.push_back(p.event);
        return out;
    }

    std::shared_ptr<sc::InjectableNetworkInfoSource> wifi;
    std::shared_ptr<FakeFacade> facade;
    std::shared_ptr<FakeInbox> inbox;
    std::shared_ptr<FakeCheckerMaker> checkers;
    ns::ObjectPtr token;
    std::vector<Post> posts;
    double start = 0;
};

}  // namespace

TEST_F(EventHub, FollowsTheLocalRouterAcrossAccessPointsEveryFiveSeconds) {
    wifi->setWiFi(kHome);
    facade->local = homeRouter();
    auto router = facade->local;
    auto hub = TAVOAppEventHandler::shareInstance();
    ASSERT_TRUE(hub->isWatchingWifi()) << "on Wi-Fi the watch starts at creation";

    advance(5.0);  // same access point, last byte +2: kept
    EXPECT_EQ(facade->local, router);
    advance(0.5);
    wifi->setWiFi(kNeighbour);
    drainMainLoop();
    advance(4.5);  // the check at 10 s drops it
    EXPECT_FALSE(facade->local);
    EXPECT_EQ(facade->dropped, router);
    advance(0.5);
    wifi->setWiFi(sc::WiFiNetwork{"Home renamed", kHome.bssid});
    drainMainLoop();
    advance(4.5);  // the check at 15 s restores it
    EXPECT_EQ(facade->local, router);
    EXPECT_FALSE(facade->dropped);
    EXPECT_EQ(router->ssid, "Home renamed");
    advance(20.0);

    ASSERT_EQ(posts.size(), 2u);
    EXPECT_EQ(events(), (std::vector<int>{4, 4}));
    EXPECT_DOUBLE_EQ(posts[0].at, 10.0);
    EXPECT_DOUBLE_EQ(posts[1].at, 15.0);

    wifi->setWiFi(std::nullopt);  // Wi-Fi lost
    drainMainLoop();
    EXPECT_FALSE(facade->local);
    EXPECT_EQ(facade->dropped, router);
    EXPECT_EQ(events(), (std::vector<int>{4, 4, 4}));
    EXPECT_FALSE(hub->isWatchingWifi()) << "off Wi-Fi the watch stops";
    advance(30.0);
    EXPECT_EQ(posts.size(), 3u);

    wifi->setWiFi(kHome);  // back on Wi-Fi: the watch restarts and restores it
    drainMainLoop();
    EXPECT_EQ(facade->local, router);
    EXPECT_TRUE(hub->isWatchingWifi());
}

TEST_F(EventHub, LeavingWiFiWithoutALocalRouterPostsNothing) {
    wifi->setWiFi(kHome);
    auto hub = TAVOAppEventHandler::shareInstance();
    EXPECT_TRUE(hub->isWatchingWifi());
    wifi->setWiFi(std::nullopt);
    drainMainLoop();
    EXPECT_FALSE(hub->isWatchingWifi());
    EXPECT_TRUE(posts.empty());
    hub->handleAppEvent(2);  // off Wi-Fi the watch does not start
    EXPECT_FALSE(hub->isWatchingWifi());
}

TEST_F(EventHub, AppEventsStartAndStopTheWatch) {
    wifi->setWiFi(kHome);
    auto hub = TAVOAppEventHandler::shareInstance();
    hub->handleAppEvent(3);
    EXPECT_FALSE(hub->isWatchingWifi());
    hub->handleAppEvent(7);  // ignored
    EXPECT_FALSE(hub->isWatchingWifi());
    hub->handleAppEvent(2);
    EXPECT_TRUE(hub->isWatchingWifi());
}

TEST_F(EventHub, GlobalEventsAndPushRecords) {
    auto hub = TAVOAppEventHandler::shareInstance();
    hub->handleGlobalRouterEvent(1);
    hub->handleGlobalRouterEvent(0);  // other values go out unchanged

    inbox->addPushInfo(ns::Dictionary{{"rudi", ns::Value::dictionary({{"type", 1}})}});
    hub->handleGlobalRouterEvent(3);  // a new-device record stays for the screens
    EXPECT_EQ(inbox->types.size(), 1u);
    EXPECT_TRUE(checkers->made.empty());

    inbox->addPushInfo(ns::Dictionary{{"rudi", ns::Value::dictionary({{"type", 3}})}});
    hub->handleGlobalRouterEvent(3);  // an application update is taken: a check, no post
    EXPECT_TRUE(inbox->types.empty());
    ASSERT_EQ(checkers->made.size(), 1u);
    EXPECT_EQ(checkers->made[0]->checks, 1);
    EXPECT_EQ(events(), (std::vector<int>{1, 0, 3}));
    EXPECT_TRUE(hub->appChecker());

    auto alerts = std::make_shared<FakeAlerts>();
    TAVOAlertPresenter::setShared(alerts);
    TAVOAppInfoSource::setShared(std::make_shared<FakeAppInfo>());
    checkers->made[0]->answer(TAVOAppVersionInfo{"2.0", "", ""});
    EXPECT_FALSE(hub->appChecker());
    ASSERT_EQ(alerts->shown.size(), 1u) << "a newer version found by the check shows the forced alert";
}

TEST_F(EventHub, TheNewVersionAlert) {
    auto hub = TAVOAppEventHandler::shareInstance();
    auto alerts = std::make_shared<FakeAlerts>();
    TAVOAlertPresenter::setShared(alerts);
    auto info = std::make_shared<FakeAppInfo>();
    TAVOAppInfoSource::setShared(info);

    info->newVersion = false;
    hub->handleAppEvent(0);
    EXPECT_TRUE(alerts->shown.empty());

    info->newVersion = true;
    hub->handleAppEvent(0);
    ASSERT_EQ(alerts->shown.size(), 1u);
    const auto& alert = alerts->shown[0];
    EXPECT_EQ(alert.title, TAVOLocalizedString("Keelbox") + " 2.0");
    EXPECT_EQ(alert.message, "Faster and safer.");
    ASSERT_EQ(alert.buttons.size(), 2u);
    EXPECT_EQ(alert.buttons[0].type, TAVOAlertButtonTypeCancel);
    EXPECT_EQ(alert.buttons[1].title, TAVOLocalizedString("update to new version"));
    alert.buttons[0].handler();
    EXPECT_TRUE(TAVORouterPreference::shareInstance()->shouldNotShowAppUpdate()) << "cancel silences the prompt";
    alert.buttons[1].handler();
    EXPECT_EQ(ui::Application::sharedApplication()->openedURLs(),
              (std::vector<std::string>{"https://example.invalid/keelbox"}));

    TAVORouterPreference::shareInstance()->updateShowAppUpdateSetting(false);
    hub->handleAppEvent(1);
    alerts->shown.back().buttons[0].handler();
    EXPECT_FALSE(TAVORouterPreference::shareInstance()->shouldNotShowAppUpdate()) << "a forced alert's cancel does not";
}

