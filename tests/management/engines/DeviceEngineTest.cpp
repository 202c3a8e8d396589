// The device engine: the request of each action, the operation codes of the
// answers, and quiet polling of the device list (5 s) and guest list (3 s).
#include <gtest/gtest.h>

#include "management/engines/TAVODeviceEngine.h"
#include "tests/management/facade/FacadeFixture.h"

namespace keelbox::test {
namespace {

struct EngineDelegate : TAVODeviceEngineDelegate {
    std::vector<int> ok;
    std::vector<std::pair<int, std::string>> ng;
    void operationOK(TAVODeviceEngine&, int code, const ns::Value&) override { ok.push_back(code); }
    void operationNG(TAVODeviceEngine&, int code, const std::string& text) override { ng.push_back({code, text}); }
};

class DeviceEngine : public FacadeTest {
protected:
    void SetUp() override {
        FacadeTest::SetUp();
        engine = TAVODeviceEngine::create();
        delegate = std::make_shared<EngineDelegate>();
        engine->delegate = delegate;
    }
    int sent(int no) const {
        int n = 0;
        for (const auto& a : providers[1]->asked) n += a.no == no;
        return n;
    }
    static void ok(const std::string& base) { ns::NotificationCenter::defaultCenter()->postNotificationName(base + "_OK"); }
    static void ng(const std::string& base, const std::string& msg = "") {
        ns::NotificationCenter::defaultCenter()->postNotificationName(
            base + "_NG", ns::Value(TAVOError::errorWithType(1, 100002, msg)));
    }
    static constexpr const char* kDevices = "router query devicelist notification";
    static constexpr const char* kGuests = "router query guestlist notification";
    std::shared_ptr<TAVODeviceEngine> engine;
    std::shared_ptr<EngineDelegate> delegate;
};

TEST_F(DeviceEngine, EachActionSendsItsRequest) {
    signIn();
    facade->setCurrentRouter(router("R1", "AA:BB:CC:00:00:01"));
    const ns::Dictionary base{{"qt", qt}, {"router_id", "R1"}};
    auto with = [&](std::initializer_list<std::pair<std::string, ns::Value>> keys) {
        ns::Dictionary d = base;
        for (const auto& [k, v] : keys) d.set(k, v);
        return ns::Value(d);
    };
    struct Row {
        std::function<void()> call;
        int no;
        ns::Value param;
    };
    const std::vector<Row> rows = {
        {[&] { (void)engine->queryFamilyList(); }, 21, with({{"need_check", 1}})},
        {[&] { (void)engine->queryGuestList(); }, 22, with({})},
        {[&] { (void)engine->kickDevice("M"); }, 17, with({{"mac", "M"}})},
        {[&] { (void)engine->openDevice("M"); }, 15, with({{"mac", "M"}})},
        {[&] { (void)engine->closeDevice("M"); }, 16, with({{"mac", "M"}})},
        {[&] { (void)engine->kickGuest("M"); }, 23, with({{"mac", "M"}})},
        {[&] { (void)engine->trustDevice("M"); }, 18, with({{"mac", "M"}})},
        {[&] { (void)engine->denyDevice("M"); }, 19, with({{"mac", "M"}, {"to_black", "1"}})},
        {[&] { (void)engine->renameDevice("M", "Tab"); }, 20, with({{"mac", "M"}, {"alias", "Tab"}})},
        {[&] { (void)engine->startGuestMode(30); }, 24, with({{"waittime", 30}})},
        {[&] { (void)engine->setSpeedLimit("M", 100, 200); }, 61, with({{"mac", "M"}, {"upload", 102400}, {"download", 204800}})},
        {[&] { (void)engine->cancelSpeedLimit("M"); }, 62, with({{"mac", "M"}})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.no);
        providers[1]->asked.clear();
        row.call();
        ASSERT_EQ(providers[1]->asked.size(), 1u);
        EXPECT_EQ(providers[1]->asked[0].no, row.no);
        EXPECT_TRUE(providers[1]->asked[0].param == row.param) << providers[1]->asked[0].param.description();
    }
    EXPECT_TRUE(providers[1]->asked[0].param["mac"].isString());

    ok("router kick device notification");
    ng("device set speed limit notification");
    ng("router deny device notification", "router is not online");
    EXPECT_EQ(delegate->ok, std::vector<int>{2});
    ASSERT_EQ(delegate->ng.size(), 2u);
    EXPECT_EQ(delegate->ng[0].first, 13);
    EXPECT_FALSE(delegate->ng[0].second.empty());  // the generic text
    EXPECT_EQ(delegate->ng[1], (std::pair<int, std::string>{7, "router is not online"}));
}

TEST_F(DeviceEngine, QuietDevicePollingEveryFiveSecondsAsCodeNine) {
    engine->startQueryDevicesListQuitely();
    engine->startQueryDevicesListQuitely();  // a second start queries at once
    EXPECT_EQ(sent(21), 2);
    ok(kDevices);
    ok(kDevices);  // one delayed query stays pending
    advance(4.9);
    EXPECT_EQ(sent(21), 2);
    advance(0.1);
    EXPECT_EQ(sent(21), 3);
    ng(kDevices);  // failures re-arm too, and are reported as code 9
    advance(5);
    EXPECT_EQ(sent(21), 4);
    EXPECT_EQ(delegate->ok, (std::vector<int>{9, 9}));
    ASSERT_EQ(delegate->ng.size(), 1u);
    EXPECT_EQ(delegate->ng[0].first, 9);

    engine->endQueryDevicesListQuitely();
    ok(kDevices);
    advance(30);
    EXPECT_EQ(sent(21), 4);
    EXPECT_EQ(delegate->ok.size(), 2u);
}

TEST_F(DeviceEngine, QuietGuestPollingEveryThreeSecondsHidesFailures) {
    engine->startQueryGuestListQuitely();
    ng(kGuests);
    EXPECT_TRUE(delegate->ng.empty());
    advance(3);
    EXPECT_EQ(sent(22), 2);
    ok(kGuests);
    EXPECT_EQ(delegate->ok, std::vector<int>{1});
    advance(3);
    EXPECT_EQ(sent(22), 3);

    // Ending the guest poll silences everything, one-off actions included...
    engine->endQueryGuestListQuitely();
    ok("router kick device notification");
    ok(kGuests);
    EXPECT_EQ(delegate->ok.size(), 1u);
    // ...until a poll starts again; a guest answer then arms no guest poll.
    engine->startQueryDevicesListQuitely();
    ok(kGuests);
    EXPECT_EQ(delegate->ok, (std::vector<int>{1, 1}));
    advance(10);
    EXPECT_EQ(sent(22), 3);

    engine->cancelObservers();
    ok("router kick device notification");
    EXPECT_EQ(delegate->ok.size(), 2u);
}

}  // namespace
}  // namespace keelbox::test
