// The device engine and the health check against the emulated router: what
// the engines report is what the router holds, and what they change shows in
// the router's own state, over the cloud and over the home network.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "management/engines/TAVODeviceEngine.h"
#include "management/engines/TAVOOptEngine.h"
#include "management/engines/TAVORouterOptConfig.h"
#include "protocol/records/TAVORouterJoiningDevice.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"
#include "tests/management/facade/EmulatedRouterFixture.h"

namespace keelbox::test {
namespace {

struct DeviceRecorder : TAVODeviceEngineDelegate {
    std::vector<std::pair<int, ns::Value>> ok;
    std::vector<std::pair<int, std::string>> ng;
    void operationOK(TAVODeviceEngine&, int code, const ns::Value& data) override { ok.push_back({code, data}); }
    void operationNG(TAVODeviceEngine&, int code, const std::string& text) override { ng.push_back({code, text}); }
};

struct HealthRecorder : TAVOOptEngineDelegate {
    bool checked = false, fixed = false, fail = true;
    int score = -1;
    std::vector<std::vector<TAVOFixItemPtr>> rows;
    void notityCheckingEnd(int s, bool f) override {
        checked = true;
        score = s;
        fail = f;
    }
    void notityFixingStart(const std::vector<TAVOFixItemPtr>& r) override { rows.push_back(r); }
    void notityFixingUpdate(const std::vector<TAVOFixItemPtr>& r) override { rows.push_back(r); }
    void notityFixingEnd(int s, bool f) override {
        fixed = true;
        score = s;
        fail = f;
    }
};

std::string rowText(const std::vector<TAVOFixItemPtr>& rows) {
    std::string out;
    for (const auto& r : rows) out += "(" + std::to_string(r->optId) + "," + std::to_string(r->state) + ")";
    return out;
}

class EnginesEndToEnd : public EmulatedRouterTest {
protected:
    void TearDown() override {
        if (devices) devices->cancelObservers();
        EmulatedRouterTest::TearDown();
    }

    void makeDeviceEngine() {
        devices = TAVODeviceEngine::create();
        deviceRecorder = std::make_shared<DeviceRecorder>();
        devices->delegate = deviceRecorder;
    }

    // Sends one engine action and waits for its answer.
    void act(const std::function<std::int32_t()>& action) {
        const std::size_t before = deviceRecorder->ok.size() + deviceRecorder->ng.size();
        ASSERT_GT(action(), 0);
        ASSERT_TRUE(runMainLoopUntil([&] { return deviceRecorder->ok.size() + deviceRecorder->ng.size() > before; }, 15.0));
    }

    // The device of that MAC in the router's own list (nil when it is not there).
    ns::Value routerDevice(const std::string& routerId, const std::string& mac) const {
        const ns::Value list = routerState(routerId).model["devices"];
        for (std::size_t i = 0; i < list.count(); ++i)
            if (list[i]["endmac"].stringValue() == mac) return list[i];
        return {};
    }

    void runCheck(HealthRecorder& recorder) {
        recorder.checked = false;
        health->startCheck();
        ASSERT_TRUE(runMainLoopUntil([&] { return recorder.checked; }, 30.0));
    }

    std::shared_ptr<TAVODeviceEngine> devices;
    std::shared_ptr<DeviceRecorder> deviceRecorder;
    std::shared_ptr<TAVOOptEngine> health;
};

// The device engine's list, a close and an open (the router's admission
// state), a rename and a speed limit, each seen in the router's own state,
// on both channels.
TEST_F(EnginesEndToEnd, DeviceActionsChangeTheRouter) {
    for (bool home : {false, true}) {
        SCOPED_TRACE(home ? "home network" : "cloud");
        if (home)
            selectOverTheHomeNetwork();
        else
            selectOverTheCloud("R2");
        const std::string id = facade->currentRouter()->router_id;
        const std::string mac = routerState(id).model["devices"][1]["endmac"].stringValue();
        makeDeviceEngine();

        act([&] { return devices->queryFamilyList(); });
        ASSERT_EQ(deviceRecorder->ok.back().first, TAVODeviceEngine::DeviceList);
        auto list = deviceRecorder->ok.back().second.as<TAVORouterJoiningDevicesList>();
        ASSERT_TRUE(list);
        ASSERT_EQ(list->devicesList.count(), 3u);
        EXPECT_EQ(list->devicesList[1].as<TAVORouterJoiningDevice>()->end_mac, mac);

        act([&] { return devices->closeDevice(mac); });
        EXPECT_EQ(deviceRecorder->ok.back().first, TAVODeviceEngine::CloseDevice);
        EXPECT_EQ(routerDevice(id, mac)["net_control"].intValue(), 2);
        act([&] { return devices->openDevice(mac); });
        EXPECT_EQ(deviceRecorder->ok.back().first, TAVODeviceEngine::OpenDevice);
        EXPECT_EQ(routerDevice(id, mac)["net_control"].intValue(), 3);

        act([&] { return devices->renameDevice(mac, "Kitchen tablet"); });
        EXPECT_EQ(deviceRecorder->ok.back().first, TAVODeviceEngine::RenameDevice);
        EXPECT_EQ(routerDevice(id, mac)["alias_name"].stringValue(), "Kitchen tablet");

        act([&] { return devices->setSpeedLimit(mac, 100, 200); });
        EXPECT_EQ(routerDevice(id, mac)["limitupload"].intValue(), 100 * 1024);
        EXPECT_EQ(routerDevice(id, mac)["limitdownload"].intValue(), 200 * 1024);

        // The renamed, limited device comes back so in the next list.
        act([&] { return devices->queryFamilyList(); });
        list = deviceRecorder->ok.back().second.as<TAVORouterJoiningDevicesList>();
        ASSERT_TRUE(list);
        auto device = list->devicesList[1].as<TAVORouterJoiningDevice>();
        EXPECT_EQ(device->alias, "Kitchen tablet");
        EXPECT_EQ(device->uploadSpeed, 100);
        EXPECT_EQ(device->downloadSpeed, 200);

        // A device the router does not know: the router's refusal reaches the
        // delegate as a failure with text, never as success.
        act([&] { return devices->renameDevice("02:00:00:00:FF:FF", "nobody"); });
        ASSERT_FALSE(deviceRecorder->ng.empty());
        EXPECT_EQ(deviceRecorder->ng.back().first, TAVODeviceEngine::RenameDevice);
        EXPECT_FALSE(deviceRecorder->ng.back().second.empty());
        EXPECT_TRUE(deviceRecorder->ng.size() == 1u);
        devices->cancelObservers();
    }
}

// Quiet polling over the wire: one query per 5 s after each answer, reported
// as code 9, until ended.
TEST_F(EnginesEndToEnd, QuietDevicePollingFollowsTheRouter) {
    selectOverTheCloud("R2");
    makeDeviceEngine();
    devices->startQueryDevicesListQuitely();
    ASSERT_TRUE(runMainLoopUntil([&] { return deviceRecorder->ok.size() == 1; }, 15.0));
    EXPECT_EQ(deviceRecorder->ok[0].first, TAVODeviceEngine::DeviceListQuietly);

    // A device leaves the router; the next poll shows it gone.
    state->withRouter("R2", [](emulator::EmulatedRouter& r) {
        ns::Value list = r.model["devices"];
        list.mutableArray().pop_back();
        r.model.set("devices", list);
    });
    advance(TAVODeviceEngine::kDevicePollDelay);
    ASSERT_TRUE(runMainLoopUntil([&] { return deviceRecorder->ok.size() == 2; }, 15.0));
    EXPECT_EQ(deviceRecorder->ok[1].first, TAVODeviceEngine::DeviceListQuietly);
    EXPECT_EQ(deviceRecorder->ok[1].second.as<TAVORouterJoiningDevicesList>()->devicesList.count(), 2u);

    devices->endQueryDevicesListQuitely();
    const std::size_t sent = callsOf("device.getDeviceList");
    advance(3 * TAVODeviceEngine::kDevicePollDelay);
    drainMainLoop();
    EXPECT_EQ(callsOf("device.getDeviceList"), sent);
}

// Guest mode: started on the router, the guest list polled every 3 s (code
// 1), a kicked guest gone from the router and from the next poll.
TEST_F(EnginesEndToEnd, QuietGuestPollingFollowsTheRouter) {
    selectOverTheHomeNetwork();
    makeDeviceEngine();
    act([&] { return devices->startGuestMode(30); });
    EXPECT_EQ(deviceRecorder->ok.back().first, TAVODeviceEngine::StartGuestMode);
    EXPECT_EQ(routerState("R1").model["guest_on"].intValue(), 1);

    devices->startQueryGuestListQuitely();
    ASSERT_TRUE(runMainLoopUntil([&] { return deviceRecorder->ok.size() == 2; }, 15.0));
    EXPECT_EQ(deviceRecorder->ok[1].first, TAVODeviceEngine::GuestList);
    auto guests = deviceRecorder->ok[1].second.as<TAVORouterJoiningDevicesList>();
    ASSERT_TRUE(guests);
    // The guests the router lists (those waiting came in when the window opened).
    const std::size_t listed = guests->devicesList.count();
    ASSERT_EQ(listed, routerState("R1").model["guests"].count());
    ASSERT_GE(listed, 1u);
    const std::string guest = guests->devicesList[0].as<TAVORouterJoiningDevice>()->end_mac;

    act([&] { return devices->kickGuest(guest); });
    EXPECT_EQ(deviceRecorder->ok.back().first, TAVODeviceEngine::KickGuest);
    EXPECT_EQ(routerState("R1").model["guests"].count(), listed - 1);

    const std::size_t answers = deviceRecorder->ok.size();
    advance(TAVODeviceEngine::kGuestPollDelay);
    ASSERT_TRUE(runMainLoopUntil([&] { return deviceRecorder->ok.size() == answers + 1; }, 15.0));
    EXPECT_EQ(deviceRecorder->ok.back().first, TAVODeviceEngine::GuestList);
    EXPECT_EQ(deviceRecorder->ok.back().second.as<TAVORouterJoiningDevicesList>()->devicesList.count(), listed - 1);

    devices->endQueryGuestListQuitely();
    const std::size_t sent = callsOf("device.guestnetlist");
    advance(3 * TAVODeviceEngine::kGuestPollDelay);
    drainMainLoop();
    EXPECT_EQ(callsOf("device.guestnetlist"), sent);
}

// The health check against the router's own diagnosis: the score, the items
// to fix, the fix rows, and a repair that changes the router so that the
// next check passes what was fixed.
TEST_F(EnginesEndToEnd, HealthCheckScoresAndRepairsTheRouter) {
    struct Case {
        const char* name;
        std::map<int, std::pair<int, bool>> faults;  // item id -> (result, repairable)
        int score;
        std::vector<std::string> toFix;
    };
    const std::vector<std::string> all = TAVORouterOptConfig::defaultCheckSetting();
    std::map<int, std::pair<int, bool>> everyItem;
    for (const auto& item : all) everyItem[ns::Value(item).intValue()] = {2, true};
    const Case cases[] = {
        {"all pass", {}, 100, {}},
        {"all fail", everyItem, 38, all},
        // Item 1 answering 1 passes; 16 and 512 fail (512 beyond repair).
        {"mixed", {{1, {1, true}}, {16, {1, true}}, {512, {2, false}}}, 92, {"16", "512"}},
    };
    selectOverTheCloud("R2");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state->withRouter("R2", [&](emulator::EmulatedRouter& r) {
            r.model.set("diagnosis", ns::Value(ns::Dictionary{}));
            for (const auto& [item, fault] : c.faults)
                emulator::EmulatedRouterModel::setDiagnosis(r, item, fault.first, fault.second);
        });
        health = TAVOOptEngine::create();
        auto recorder = std::make_shared<HealthRecorder>();
        health->delegate = recorder;
        runCheck(*recorder);
        EXPECT_EQ(recorder->score, c.score);
        EXPECT_FALSE(recorder->fail);
        EXPECT_EQ(health->needToOptItems(), c.toFix);
    }

    // The mixed router repaired: 16 is fixed on the router, 512 is not.
    auto recorder = std::make_shared<HealthRecorder>();
    health->delegate = recorder;
    health->startFixing();
    ASSERT_TRUE(runMainLoopUntil([&] { return recorder->fixed; }, 30.0));
    EXPECT_EQ(recorder->score, 97);
    EXPECT_FALSE(recorder->fail);
    ASSERT_EQ(recorder->rows.size(), 2u);
    EXPECT_EQ(rowText(recorder->rows[0]), "(512,3)(16,0)(-1,4)");
    EXPECT_EQ(rowText(recorder->rows[1]), "(-1,4)(512,0)(16,2)");
    EXPECT_EQ(health->lastFixItem()->optId, 512);
    EXPECT_EQ(health->lastFixItem()->state, TAVOFixItem::NotFixed);
    EXPECT_EQ(health->needToOptItems(), std::vector<std::string>{"512"});
    EXPECT_EQ(routerState("R2").model["diagnosis"]["16"]["r"].intValue(), 0);
    EXPECT_EQ(routerState("R2").model["diagnosis"]["512"]["r"].intValue(), 2);

    runCheck(*recorder);
    EXPECT_EQ(recorder->score, 97);
    EXPECT_EQ(health->needToOptItems(), std::vector<std::string>{"512"});
}

}  // namespace
}  // namespace keelbox::test
