// The facade's router selection: which router is current, which is local,
// which channel the current one is reached on, and what survives.
#include <gtest/gtest.h>

#include "core/app/TAVORouterPreference.h"
#include "core/services/TAVODeviceTokenUploading.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "protocol/TAVOAccountSRInfosDataProvider.h"
#include "protocol/TAVODataProviderFactory.h"
#include "tests/management/facade/FacadeFixture.h"

namespace keelbox::test {
namespace {

class RecordingTokenUploader : public TAVODeviceTokenUploading {
public:
    std::vector<std::vector<std::string>> uploads;
    void uploadDeviceTokenWithRouter(const std::vector<std::string>& ids) override { uploads.push_back(ids); }
};

class FacadeState : public FacadeTest {
protected:
    void TearDown() override {
        if (previousSource) sc::NetworkInfo::setSource(previousSource);
        FacadeTest::TearDown();
    }
    // The phone joins the given access point.
    void joinWiFi(const std::string& ssid, const std::string& bssid) {
        previousSource = sc::NetworkInfo::source();
        auto source = std::make_shared<sc::InjectableNetworkInfoSource>();
        source->setWiFi(sc::WiFiNetwork{ssid, bssid});
        sc::NetworkInfo::setSource(source);
    }
    static TAVORouterModelPtr withTicket(TAVORouterModelPtr r, const std::string& ticket) {
        r->ticket = ticket;
        return r;
    }
    std::shared_ptr<TAVOAccountSRInfosDataProvider> accountProvider() {
        return std::dynamic_pointer_cast<TAVOAccountSRInfosDataProvider>(
            TAVODataProviderFactory::shareInstance()->getDataProviderById(0));
    }
    std::optional<std::string> savedOnline() { return TAVORouterPreference::shareInstance()->getOnlineRouter(); }

    std::shared_ptr<sc::NetworkInfoSource> previousSource;
};

TEST_F(FacadeState, IsTheSharedAccountFacade) {
    EXPECT_EQ(TAVOAccountFacade::shared(), std::static_pointer_cast<TAVOAccountFacade>(facade));
}

TEST_F(FacadeState, RouterStateNeedsAnAccountOrALocalRouter) {
    EXPECT_EQ(facade->routerState(), 100006);
    EXPECT_EQ(facade->currentRouterCriticalErrorCode(), 100006);
    facade->setCurrentRouterCriticalErrorCode(100002);  // no router: ignored
    auto r1 = router("R1", "AA:BB:CC:00:00:01");
    facade->setCurrentRouter(r1);
    EXPECT_EQ(r1->criticalErrorCode, 0);
    facade->setCurrentRouterCriticalErrorCode(100002);
    EXPECT_EQ(r1->criticalErrorCode, 100002);
    // Signed out and off the router's Wi-Fi nothing reaches it.
    EXPECT_EQ(facade->routerState(), 100006);
    facade->setLocalRouter(withTicket(router("R1", "AA:BB:CC:00:00:01"), "TK"));
    EXPECT_EQ(facade->routerState(), 100002);
    facade->setCurrentRouterCriticalErrorCode(0);
    EXPECT_EQ(facade->routerState(), 0);
    facade->setLocalRouter(nullptr);
    signIn();
    facade->setCurrentRouterCriticalErrorCode(100001);
    EXPECT_EQ(facade->routerState(), 100001);
}

TEST_F(FacadeState, ARefreshedRecordOfTheSameRouterOnlyRenamesIt) {
    auto kept = router("R1", "AA:BB:CC:00:00:01", "Old");
    kept->ticket = "TK";
    kept->criticalErrorCode = 100002;
    facade->setCurrentRouter(kept);
    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:09", "New"));
    EXPECT_EQ(facade->currentRouter(), kept);
    EXPECT_EQ(kept->ssid, "New");
    EXPECT_EQ(kept->ticket, "TK");
    EXPECT_EQ(kept->criticalErrorCode, 100002);
    // Every call raises event 2, also when nothing changed and when clearing.
    facade->setCurrentRouter(kept);
    facade->setCurrentRouter(nullptr);
    EXPECT_EQ(events, (std::vector<int>{2, 2, 2, 2}));
    EXPECT_EQ(facade->currentRouter(), nullptr);
    // Records without an id never count as the same router.
    auto a = router("", "AA:BB:CC:00:00:01");
    auto b = router("", "AA:BB:CC:00:00:01");
    facade->setCurrentRouter(a);
    facade->setCurrentRouter(b);
    EXPECT_EQ(facade->currentRouter(), b);
}

TEST_F(FacadeState, TheLocalRouterLendsItsTicketAndChannel) {
    signIn();
    auto current = router("R1", "AA:BB:CC:00:00:01");
    facade->setCurrentRouter(current);
    EXPECT_EQ(savedOnline(), "R1");
    EXPECT_FALSE(current->isLocalRouter);

    auto local = withTicket(router("R1", "aa:bb:cc:00:00:01", "HomeNet"), "TK-1");
    facade->setDropedLocalRouter(router("R9", "AA:BB:CC:00:00:09"));
    facade->setLocalRouter(local);
    EXPECT_EQ(facade->dropedLocalRouter(), nullptr);
    EXPECT_TRUE(current->isLocalRouter);
    EXPECT_EQ(current->ticket, "TK-1");
    EXPECT_EQ(current->ssid, "");  // setting the local router does not rename
    // Setting the current router again takes the local router's name too.
    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:01"));
    EXPECT_EQ(current->ssid, "HomeNet");

    // Leaving the Wi-Fi while signed in: the cloud takes over.
    TAVORouterPreference::shareInstance()->saveOnlineRouter("other");
    facade->setLocalRouter(nullptr);
    EXPECT_FALSE(current->isLocalRouter);
    EXPECT_EQ(savedOnline(), "R1");  // now reached through the cloud: the one to come back to

    // A local router without a ticket cannot be reached locally.
    current->isLocalRouter = true;
    facade->setLocalRouter(router("R1", "AA:BB:CC:00:00:01"));
    EXPECT_FALSE(current->isLocalRouter);
}

TEST_F(FacadeState, SignedOutTheCurrentRouterStaysLocalWhenTheLocalOneGoes) {
    auto current = router("R1", "AA:BB:CC:00:00:01");
    facade->setLocalRouter(withTicket(router("R1", "AA:BB:CC:00:00:01"), "TK-1"));
    facade->setCurrentRouter(current);
    ASSERT_TRUE(current->isLocalRouter);
    EXPECT_EQ(savedOnline(), std::nullopt);  // a local router is not remembered as the online one
    facade->setLocalRouter(nullptr);
    EXPECT_TRUE(current->isLocalRouter);
    EXPECT_EQ(facade->routerState(), 100006);
}

TEST_F(FacadeState, ANewLocalRouterRegistersThePushTokenForItAndTheList) {
    auto uploader = std::make_shared<RecordingTokenUploader>();
    TAVODeviceTokenUploading::setShared(uploader);
    accountProvider()->setRoutersList({router("R2", "AA:BB:CC:00:00:02"), router("", "AA:BB:CC:00:00:03"),
                                       router("R1", "AA:BB:CC:00:00:01")});
    facade->setLocalRouter(withTicket(router("R1", "AA:BB:CC:00:00:01"), "TK"));
    EXPECT_TRUE(uploader->uploads.empty());  // on a later turn
    drainMainLoop();
    ASSERT_EQ(uploader->uploads.size(), 1u);
    EXPECT_EQ(uploader->uploads[0], (std::vector<std::string>{"R1", "R2", "R1"}));

    // Gone again before the turn came: nothing is registered.
    facade->setLocalRouter(withTicket(router("R3", "AA:BB:CC:00:00:03"), "TK"));
    facade->setLocalRouter(nullptr);
    drainMainLoop();
    EXPECT_EQ(uploader->uploads.size(), 1u);
}

TEST_F(FacadeState, SelectPreviousRouterPrefersTheSavedOnlineRouter) {
    auto r1 = router("R1", "AA:BB:CC:00:00:01");
    auto r2 = router("R2", "AA:BB:CC:00:00:02");
    TAVORouterPreference::shareInstance()->saveOnlineRouter("R2");
    facade->selectPreviousRouter({r1, r2});
    EXPECT_EQ(facade->currentRouter(), r2);
    EXPECT_TRUE(r2->isManagedByArdoAccount);

    TAVORouterPreference::shareInstance()->saveOnlineRouter("gone");
    facade->selectPreviousRouter({r1, r2});
    EXPECT_EQ(facade->currentRouter(), r1);
    EXPECT_TRUE(r1->isManagedByArdoAccount);

    facade->selectPreviousRouter({});
    EXPECT_EQ(facade->currentRouter(), nullptr);
}

TEST_F(FacadeState, SelectPreviousRouterOnItsWiFiRestoresTheSavedLocalRecord) {
    const std::string bssid = "aa:bb:cc:00:00:02";  // the router's MAC + 1
    joinWiFi("HomeNet", bssid);
    TAVORouterPreference::shareInstance()->saveLocalRouterInfo({{kLocalRouterBssid, "AA:BB:CC:00:00:02"},
                                                                {kLocalRouterTicket, "TK-saved"},
                                                                {kLocalRouterMac, "AA:BB:CC:00:00:01"},
                                                                {kLocalRouterRouterId, "R1"},
                                                                {kLocalRouterAdmin, "admin99"}});
    TAVORouterPreference::shareInstance()->waitForFileOperations();
    auto r1 = router("R1", "AA:BB:CC:00:00:01");
    facade->selectPreviousRouter({r1});
    auto local = facade->localRouter();
    ASSERT_TRUE(local);
    EXPECT_EQ(local->bssid, bssid);
    EXPECT_EQ(local->ssid, "HomeNet");
    EXPECT_EQ(local->ticket, "TK-saved");
    EXPECT_EQ(local->adminPsw(), "admin99");
    EXPECT_EQ(facade->currentRouter(), r1);
    EXPECT_TRUE(r1->isLocalRouter);
    EXPECT_EQ(r1->ticket, "TK-saved");
    EXPECT_EQ(r1->ssid, "HomeNet");
}

TEST_F(FacadeState, ARestoredLocalRecordSetsTheAdminPasswordOnlyFromASavedOne) {
    const std::string bssid = "aa:bb:cc:00:00:02";
    joinWiFi("HomeNet", bssid);
    struct Case {
        std::optional<std::string> saved;  // the record's admin password; none: absent
        std::string kept;
    };
    for (const Case& c : {Case{"", "secret1"}, Case{std::nullopt, "secret1"}, Case{"admin77", "admin77"}}) {
        SCOPED_TRACE(c.saved.value_or("(absent)"));
        router("X", "")->setAdminPsw("secret1");
        ns::Dictionary record{{kLocalRouterBssid, bssid}, {kLocalRouterTicket, "TK"}, {kLocalRouterRouterId, "R1"}};
        if (c.saved) record.set(kLocalRouterAdmin, *c.saved);
        TAVORouterPreference::shareInstance()->saveLocalRouterInfo(record);
        TAVORouterPreference::shareInstance()->waitForFileOperations();
        facade->selectPreviousRouter({router("R1", "AA:BB:CC:00:00:01")});
        ASSERT_TRUE(facade->localRouter());
        EXPECT_EQ(facade->localRouter()->adminPsw(), c.kept);
        EXPECT_EQ(router("Y", "")->adminPsw(), c.kept);  // what a fresh record reads from storage
    }
}

TEST_F(FacadeState, SigningOutDropsAccountListCookiesAndRouter) {
    signIn();
    TAVORouterPreference::shareInstance()->saveQT("q", "t");
    accountProvider()->setRoutersList({router("R1", "AA:BB:CC:00:00:01")});
    auto r1 = facade->currentRoutersList().front();
    facade->selectPreviousRouter(facade->currentRoutersList());
    ASSERT_TRUE(r1->isManagedByArdoAccount);
    events.clear();

    facade->setCurrentRoutersList(std::vector<TAVORouterModelPtr>{});  // a list is ignored
    EXPECT_EQ(facade->currentRoutersList().size(), 1u);
    facade->quitArdoAccount();
    EXPECT_EQ(facade->currentAccountData(), nullptr);
    EXPECT_TRUE(facade->currentRoutersList().empty());
    EXPECT_TRUE(TAVORouterPreference::shareInstance()->getQT().isNil());
    EXPECT_FALSE(r1->isManagedByArdoAccount);
    EXPECT_EQ(facade->currentRouter(), nullptr);
    EXPECT_EQ(events, std::vector<int>{2});
    EXPECT_TRUE(facade->createQtAndRouterIdDic().isNil());
}

}  // namespace
}  // namespace keelbox::test
