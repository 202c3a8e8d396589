// The router's set-up check as the binding screen reads it: 2 once the
// router has been set up, 0 before, and any vdata a test puts in its place.
#include <gtest/gtest.h>

#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"

namespace emulator {
namespace {

TEST(RouterSetUpCheck, AnswersTheTypeOfTheRoutersSetUpOrTheVDataATestGives) {
    auto state = EmulatorState::create();
    state->addRouter(EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01"));
    auto check = [&] { return EmulatedRouterAPI::call(*state, "R1", "init.check", {}); };

    APIResult answer = check();
    EXPECT_EQ(answer.errcode, 0);
    EXPECT_EQ(answer.vdata["type"].stringValue(), "2");

    state->withRouter("R1", [](EmulatedRouter& r) { r.initialised = false; });
    EXPECT_EQ(check().vdata["type"].stringValue(), "0");

    state->withRouter("R1", [](EmulatedRouter& r) { r.model.set("init_check_vdata", ns::Value::dictionary({})); });
    EXPECT_FALSE(check().vdata.asDictionary().contains("type")) << "a router that names no type";
}

}  // namespace
}  // namespace emulator
