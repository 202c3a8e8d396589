// Every router command against error envelopes from the cloud, and the GET
// mode of the command service on both channels.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "emulator/CallFault.h"
#include "protocol/commands/TAVOCloseWiFiTimeCommand.h"
#include "protocol/commands/TAVOCloseWiFiTimeParser.h"
#include "protocol/commands/TAVOGetRadioCommand.h"
#include "protocol/commands/TAVOGetRadioParser.h"
#include "protocol/commands/TAVOGetWIFITimeCommand.h"
#include "protocol/commands/TAVOGetWiFiTimeParser.h"
#include "protocol/commands/TAVOSetWiFiTimeCommand.h"
#include "protocol/commands/TAVOSetWiFiTimeParser.h"
#include "protocol/commands/TAVOUpdateRadioCommand.h"
#include "protocol/commands/TAVOUpdateRadioParser.h"
#include "protocol/commands/TAVOWiFiCloseCommand.h"
#include "protocol/commands/TAVOWiFiCloseParser.h"
#include "protocol/commands/TAVOWiFiPasswordCommand.h"
#include "protocol/commands/TAVOWiFiPasswordParser.h"
#include "protocol/records/TAVOWIFITime.h"
#include "tests/protocol/commands/CommandFixture.h"

namespace keelbox::test {
namespace {

using CommandModesAndErrorsTest = CommandEmulatorTest;

struct RouterCommand {
    const char* label;
    std::function<TAVOCommandPtr()> make;
    std::function<TAVOParserPtr()> parser;
};

const RouterCommand kRouterCommands[] = {
    {"get radio", [] { return TAVOGetRadioCommand::create(); }, [] { return TAVOGetRadioParser::create(); }},
    {"update radio",
     [] {
         auto c = TAVOUpdateRadioCommand::create();
         c->freq = "5G";
         c->power = 40;
         return c;
     },
     [] { return TAVOUpdateRadioParser::create(); }},
    {"wifi control",
     [] {
         auto c = TAVOWiFiCloseCommand::create();
         c->close = true;
         c->type = 1;
         c->sw_2g = 1;
         return c;
     },
     [] { return TAVOWiFiCloseParser::create(); }},
    {"get timer", [] { return TAVOGetWIFITimeCommand::create(); }, [] { return TAVOGetWiFiTimeParser::create(); }},
    {"set timer",
     [] {
         auto c = TAVOSetWiFiTimeCommand::create();
         c->time = "22:15";
         c->type = 2;
         return c;
     },
     [] { return TAVOSetWiFiTimeParser::create(); }},
    {"close timer",
     [] {
         auto c = TAVOCloseWiFiTimeCommand::create();
         c->type = 2;
         return c;
     },
     [] { return TAVOCloseWiFiTimeParser::create(); }},
    {"wifi password",
     [] {
         auto c = TAVOWiFiPasswordCommand::create();
         c->wifi2gPWD = "new-secret";
         return c;
     },
     [] { return TAVOWiFiPasswordParser::create(); }},
};

TEST_F(CommandModesAndErrorsTest, EveryCommandHandsTheCloudsMappedCodeToItsFailureAfterTheErrorSystem) {
    facade->current = cloudRouter;
    struct Code {
        int errcode;
        int mapped;
    };
    const Code codes[] = {{-1007, 160001}, {-1100, 100001}, {-1101, 100002}, {-1102, 100003},
                          {-502, 100005},  {11008, 100010}, {4242, 100000}};
    for (const auto& command : kRouterCommands) {
        // The cloud names its calls by path: "router/getwifitimer" is "router.getwifitimer".
        std::string call = command.make()->url();
        std::replace(call.begin(), call.end(), '/', '.');
        for (const auto& code : codes) {
            SCOPED_TRACE(std::string(command.label) + " " + std::to_string(code.errcode));
            cloud->setCallFault(call, emulator::CallFault::error(code.errcode, std::string("refused")));
            errors->seen.clear();
            bool succeeded = false;
            TAVOErrorPtr failed;
            std::size_t seenAtFailure = 0;
            TAVOCommonService::remoteService()->sendCommand(
                command.make(), 0, command.parser(), [&](const ns::Value&) { succeeded = true; },
                [&](const TAVOErrorPtr& error) {
                    failed = error;
                    seenAtFailure = errors->seen.size();
                });
            ASSERT_TRUE(runMainLoopUntil([&] { return succeeded || failed; }, 20.0));
            ASSERT_FALSE(succeeded);
            EXPECT_EQ(failed->type(), TAVOErrorTypeRouter);
            EXPECT_EQ(failed->errorCode(), code.mapped);
            ASSERT_EQ(seenAtFailure, 1u) << "the error system sees the error before the caller";
            EXPECT_EQ(errors->seen[0], failed);
        }
        cloud->clearCallFaults();
    }
}

TEST_F(CommandModesAndErrorsTest, ModeOneSendsTheCommandWithGetAndItsPairsInTheQuery) {
    struct Channel {
        const char* label;
        std::shared_ptr<TAVORouterModel> router;
        std::function<TAVOCommonServicePtr()> service;
        std::function<emulator::HttpServer&()> server;
        std::string routerId;
    };
    const Channel channels[] = {
        {"local", localRouter, [] { return TAVOCommonService::localService(); }, [this]() -> emulator::HttpServer& { return local->server(); }, "R1"},
        {"cloud", cloudRouter, [] { return TAVOCommonService::remoteService(); }, [this]() -> emulator::HttpServer& { return cloud->server(); }, "R2"},
    };
    for (const auto& channel : channels) {
        SCOPED_TRACE(channel.label);
        facade->current = channel.router;
        auto setTimer = TAVOSetWiFiTimeCommand::create();
        setTimer->time = "05:45";
        setTimer->type = 1;
        TAVOCommonService::Success success;
        TAVOCommonService::Failure failure;
        auto outcome = watch(&success, &failure);
        channel.service()->sendCommand(setTimer, 1, TAVOSetWiFiTimeParser::create(), success, failure);
        ASSERT_TRUE(runMainLoopUntil([&] { return outcome->done; }, 20.0));
        ASSERT_TRUE(outcome->ok) << (outcome->error ? outcome->error->errorMsg() : "");

        auto sent = channel.server().log().last();
        ASSERT_TRUE(sent);
        EXPECT_EQ(sent->method, "GET");
        EXPECT_TRUE(sent->body.empty());
        if (channel.router == localRouter) {
            EXPECT_NE(sent->query.find("data="), std::string::npos) << sent->query;
            EXPECT_NE(sent->query.find("key="), std::string::npos) << sent->query;
            ASSERT_FALSE(local->calls().empty());
            EXPECT_EQ(local->calls().back().params["time"], ns::Value("05:45"));
        } else {
            EXPECT_NE(sent->query.find("time=05%3A45"), std::string::npos) << sent->query;
            EXPECT_NE(sent->query.find("router_id=R2"), std::string::npos) << sent->query;
        }
        // The router took the change: reading the timer back (with POST) shows it.
        CommandOutcome timer = send(channel.service(), TAVOGetWIFITimeCommand::create(), TAVOGetWiFiTimeParser::create());
        ASSERT_TRUE(timer.ok);
        EXPECT_EQ(timer.result.as<TAVOWIFITime>()->openTime.stringValue(), "05:45");
    }
    EXPECT_TRUE(errors->seen.empty());
}

}  // namespace
}  // namespace keelbox::test
