// The device calls as the device screens use them: a kicked device, from
// the family or from the guests, goes onto the blacklist; the guest window
// lets the waiting visitors in when it opens and only then; the device
// kinds put on a router cover every row the screens draw.
#include <gtest/gtest.h>

#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"

namespace {

using emulator::EmulatedRouterAPI;
using emulator::EmulatedRouterModel;

std::shared_ptr<emulator::EmulatorState> stateWithRouter() {
    auto state = emulator::EmulatorState::create();
    auto router = EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01");
    EmulatedRouterModel::furnishEveryDeviceKind(router, "192.168.0.100");
    state->addRouter(router);
    return state;
}

long indexOf(const ns::Value& list, const std::string& mac) {
    for (std::size_t i = 0; i < list.count(); ++i)
        if (list[i]["endmac"].stringValue() == mac) return static_cast<long>(i);
    return -1;
}

TEST(RouterCallsDevices, AKickedDeviceOrGuestGoesOntoTheBlacklist) {
    auto state = stateWithRouter();
    for (const std::string& mac : {std::string("02:00:00:00:0A:02"), std::string("06:00:00:00:00:01")}) {
        SCOPED_TRACE(mac);
        const auto result = EmulatedRouterAPI::call(*state, "R1", "device.kickDevice", ns::Dictionary{{"mac", mac}});
        EXPECT_EQ(result.errcode, 0);
        const auto model = state->router("R1")->model;
        EXPECT_EQ(indexOf(model["devices"], mac), -1);
        EXPECT_EQ(indexOf(model["guests"], mac), -1);
        EXPECT_GE(indexOf(model["blacklist"], mac), 0);
    }
    EXPECT_NE(EmulatedRouterAPI::call(*state, "R1", "device.kickDevice", ns::Dictionary{{"mac", "nobody"}}).errcode, 0);
}

TEST(RouterCallsDevices, TheGuestWindowLetsTheWaitingVisitorsInOnceItOpens) {
    auto state = stateWithRouter();
    EXPECT_EQ(state->router("R1")->model["guests"].count(), 1u);
    EmulatedRouterAPI::call(*state, "R1", "device.guestnetstart", ns::Dictionary{{"waittime", 0}});
    EXPECT_EQ(state->router("R1")->model["guests"].count(), 1u) << "closing lets nobody in";
    EmulatedRouterAPI::call(*state, "R1", "device.guestnetstart", ns::Dictionary{{"waittime", 60}});
    auto model = state->router("R1")->model;
    EXPECT_EQ(model["guest_on"].intValue(), 1);
    ASSERT_EQ(model["guests"].count(), 3u);
    EXPECT_LT(model["guests"][1]["connect_duration"].intValue(), 60);
    EmulatedRouterAPI::call(*state, "R1", "device.guestnetstart", ns::Dictionary{{"waittime", 60}});
    EXPECT_EQ(state->router("R1")->model["guests"].count(), 3u) << "each visitor arrives once";
    EmulatedRouterAPI::call(*state, "R1", "device.guestnetstart", ns::Dictionary{{"waittime", 0}});
    EXPECT_EQ(state->router("R1")->model["guest_on"].intValue(), 0);
}

TEST(RouterCallsDevices, EveryDeviceKindIsOnTheRouter) {
    const auto devices = EmulatedRouterModel::everyDeviceKind("192.168.0.100");
    ASSERT_EQ(devices.size(), 8u);
    EXPECT_EQ(devices[0]["endipv4"].stringValue(), "192.168.0.100");
    int wired = 0, cutOff = 0, fresh = 0, guest = 0, limited = 0;
    for (const auto& d : devices) {
        wired += d["is_wifi"].intValue() == 0;
        cutOff += d["net_control"].intValue() == 2;
        fresh += d["net_control"].intValue() == 0;
        guest += d["is_wifi"].intValue() == 1 && d["connect_point"].intValue() == 1;
        limited += d["limitupload"].intValue() > 0;
    }
    EXPECT_EQ(wired, 2);
    EXPECT_EQ(cutOff, 1);
    EXPECT_EQ(fresh, 1);
    EXPECT_EQ(guest, 1);
    EXPECT_EQ(limited, 1);
    auto state = stateWithRouter();
    EXPECT_EQ(state->router("R1")->model["accelerate_mac"].stringValue(), EmulatedRouterModel::kAcceleratedMac);
}

}  // namespace
