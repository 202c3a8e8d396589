#include <gtest/gtest.h>

#include "emulator/AccountDirectory.h"
#include "emulator/EmulatorState.h"

// An account signed in at the account service is accepted by the cloud.
TEST(SharedAccounts, TheCloudAcceptsTicketsOfTheAccountService) {
    auto directory = std::make_shared<emulator::AccountDirectory>();
    auto qid = directory->addAccount("demo", "secret");
    ASSERT_TRUE(qid);
    auto state = emulator::EmulatorState::create();
    auto session = directory->signIn(*qid);
    ASSERT_TRUE(session);
    std::string qt = session->q + ";" + session->t;
    EXPECT_FALSE(state->accountForTicket(qt));

    state->attachAccountDirectory(directory);
    EXPECT_EQ(state->accountForTicket(qt), *qid);
    EXPECT_FALSE(state->accountForTicket("Q;T"));

    directory->signOut(*qid);
    EXPECT_FALSE(state->accountForTicket(qt));
}
