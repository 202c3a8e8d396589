#include <gtest/gtest.h>

#include "emulator/EmulatorState.h"

namespace {

using emulator::EmulatedRouter;
using emulator::EmulatorState;

TEST(EmulatorStateTest, TicketsBelongToTheirAccountUntilReplacedOrSignedOut) {
    auto state = EmulatorState::create();
    state->signIn("alice", "qt-1");
    EXPECT_EQ(state->accountForTicket("qt-1"), "alice");
    state->signIn("alice", "qt-2");  // a new sign-in replaces the old ticket
    EXPECT_FALSE(state->accountForTicket("qt-1"));
    EXPECT_EQ(state->accountForTicket("qt-2"), "alice");
    EXPECT_FALSE(state->accountForTicket(""));
    state->signOut("qt-2");
    EXPECT_FALSE(state->accountForTicket("qt-2"));
}

TEST(EmulatorStateTest, RoutersBindOnceAndTheFirstRouterIsLocal) {
    auto state = EmulatorState::create();
    EmulatedRouter a;
    a.routerId = "R1";
    EmulatedRouter b;
    b.routerId = "R2";
    state->addRouter(a);
    state->addRouter(b);
    EXPECT_EQ(state->localRouterId(), "R1");
    state->bindRouter("bob", "R1");
    state->bindRouter("bob", "R1");
    state->bindRouter("bob", "R2");
    EXPECT_EQ(state->routerIdsOfAccount("bob"), (std::vector<std::string>{"R1", "R2"}));
    EXPECT_TRUE(state->unbindRouter("bob", "R1"));
    EXPECT_FALSE(state->unbindRouter("bob", "R1"));
    EXPECT_TRUE(state->withRouter("R2", [](EmulatedRouter& r) { r.adminPassword = "changed1"; }));
    EXPECT_EQ(state->router("R2")->adminPassword, "changed1");
    EXPECT_FALSE(state->withRouter("R9", [](EmulatedRouter&) {}));
}

}  // namespace
