// The protocol emulator fixture with a signed-in cloud account (qt "Q1;T1")
// owning both routers, and helpers that send one command and wait for its
// answer on the main loop.
#pragma once

#include <memory>
#include <optional>

#include "core/records/TAVOAccountModel.h"
#include "protocol/commands/TAVOCommonService.h"
#include "tests/protocol/ProtocolEmulatorFixture.h"

namespace keelbox::test {

class SignedInFacade : public FakeAccountFacade {
public:
    std::shared_ptr<TAVOAccountModel> account;
    std::shared_ptr<TAVOAccountModel> currentAccountData() override { return account; }
};

// What one send ended with.
struct CommandOutcome {
    bool done = false;
    bool ok = false;
    ns::Value result;
    TAVOErrorPtr error;
};

class CommandEmulatorTest : public ProtocolEmulatorTest {
protected:
    void SetUp() override {
        ProtocolEmulatorTest::SetUp();
        state->signIn("carol", "Q1;T1");
        state->bindRouter("carol", "R1");
        state->bindRouter("carol", "R2");
        signedIn = std::make_shared<SignedInFacade>();
        signedIn->account = TAVOAccountModel::initWithDictionary(ns::Value::dictionary({{"Q", "Q1"}, {"T", "T1"}}));
        TAVOAccountFacade::setShared(signedIn);
        facade = signedIn;
    }

    std::shared_ptr<CommandOutcome> watch(TAVOCommonService::Success* success, TAVOCommonService::Failure* failure) {
        auto outcome = std::make_shared<CommandOutcome>();
        *success = [outcome](const ns::Value& result) {
            outcome->done = true;
            outcome->ok = true;
            outcome->result = result;
        };
        *failure = [outcome](const TAVOErrorPtr& error) {
            outcome->done = true;
            outcome->error = error;
        };
        return outcome;
    }

    CommandOutcome send(const TAVOCommonServicePtr& service, const TAVOCommandPtr& command, const TAVOParserPtr& parser) {
        TAVOCommonService::Success success;
        TAVOCommonService::Failure failure;
        auto outcome = watch(&success, &failure);
        service->sendCommand(command, 0, parser, success, failure);
        EXPECT_FALSE(outcome->done) << "answered inside the send";
        runMainLoopUntil([&] { return outcome->done; }, 20.0);
        EXPECT_TRUE(outcome->done);
        return *outcome;
    }

    std::shared_ptr<SignedInFacade> signedIn;
};

}  // namespace keelbox::test
