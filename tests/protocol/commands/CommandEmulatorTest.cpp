// Every command on both channels against the emulated router and cloud, and
// the error paths of the command service.
#include <gtest/gtest.h>

#include "emulator/CallFault.h"
#include "protocol/commands/TAVOCloseWiFiTimeCommand.h"
#include "protocol/commands/TAVOGetRadioCommand.h"
#include "protocol/commands/TAVOGetRadioParser.h"
#include "protocol/commands/TAVOGetWIFITimeCommand.h"
#include "protocol/commands/TAVOGetWiFiTimeParser.h"
#include "protocol/commands/TAVOSetWiFiTimeCommand.h"
#include "protocol/commands/TAVOSetWiFiTimeParser.h"
#include "protocol/commands/TAVOCloseWiFiTimeParser.h"
#include "protocol/commands/TAVOUpdateRadioCommand.h"
#include "protocol/commands/TAVOUpdateRadioParser.h"
#include "protocol/commands/TAVOUsbStatusCommand.h"
#include "protocol/commands/TAVOUsbStatusParser.h"
#include "protocol/commands/TAVOUSBStatus.h"
#include "protocol/commands/TAVOWiFiCloseCommand.h"
#include "protocol/commands/TAVOWiFiCloseParser.h"
#include "protocol/commands/TAVOWiFiPasswordCommand.h"
#include "protocol/commands/TAVOWiFiPasswordParser.h"
#include "protocol/records/TAVORouterRadioPower.h"
#include "protocol/records/TAVOWIFITime.h"
#include "tests/protocol/commands/CommandFixture.h"

namespace keelbox::test {
namespace {

using CommandEmulatorChannelTest = CommandEmulatorTest;

TEST_F(CommandEmulatorChannelTest, RouterCommandsOnBothChannels) {
    struct Channel {
        const char* label;
        std::shared_ptr<TAVORouterModel> router;
        std::string routerId;
    };
    for (const Channel& channel : {Channel{"local", localRouter, "R1"}, Channel{"cloud", cloudRouter, "R2"}}) {
        SCOPED_TRACE(channel.label);
        facade->current = channel.router;
        auto service = [] { return TAVOCommonService::ordaneService(); };
        EXPECT_EQ(service()->type(), channel.router == localRouter ? 1 : 0);

        auto update = TAVOUpdateRadioCommand::create();
        update->freq = "2.4G";
        update->power = 60;
        EXPECT_TRUE(send(service(), update, TAVOUpdateRadioParser::create()).ok);
        CommandOutcome radio = send(service(), TAVOGetRadioCommand::create(), TAVOGetRadioParser::create());
        ASSERT_TRUE(radio.ok);
        ASSERT_FALSE(radio.result.asArray().empty());
        auto first = radio.result.asArray()[0].as<TAVORouterRadioPower>();
        EXPECT_EQ(first->frequency, "2.4G");
        EXPECT_FLOAT_EQ(first->powerPercent, 60);

        auto setTimer = TAVOSetWiFiTimeCommand::create();
        setTimer->time = "06:30";
        setTimer->type = 1;
        EXPECT_TRUE(send(service(), setTimer, TAVOSetWiFiTimeParser::create()).ok);
        CommandOutcome timer = send(service(), TAVOGetWIFITimeCommand::create(), TAVOGetWiFiTimeParser::create());
        ASSERT_TRUE(timer.ok);
        auto time = timer.result.as<TAVOWIFITime>();
        ASSERT_TRUE(time);
        EXPECT_EQ(time->openTime.stringValue(), "06:30");
        EXPECT_TRUE(time->isOpenWork);
        auto closeTimer = TAVOCloseWiFiTimeCommand::create();
        closeTimer->type = 1;
        EXPECT_TRUE(send(service(), closeTimer, TAVOCloseWiFiTimeParser::create()).ok);
        timer = send(service(), TAVOGetWIFITimeCommand::create(), TAVOGetWiFiTimeParser::create());
        ASSERT_TRUE(timer.ok);
        EXPECT_FALSE(timer.result.as<TAVOWIFITime>()->isOpenWork);

        auto off = TAVOWiFiCloseCommand::create();
        off->close = true;
        off->type = 2;
        off->sw_2g = 1;
        EXPECT_TRUE(send(service(), off, TAVOWiFiCloseParser::create()).ok);
        EXPECT_EQ(state->router(channel.routerId)->model["wifi_5g"]["status"].stringValue(), "0");

        auto password = TAVOWiFiPasswordCommand::create();
        password->wifi2gSSID = std::string("Renamed-") + channel.label;
        EXPECT_TRUE(send(service(), password, TAVOWiFiPasswordParser::create()).ok);
        EXPECT_EQ(state->router(channel.routerId)->model["wifi_2g"]["ssid"].stringValue(), std::string("Renamed-") + channel.label);
    }
    EXPECT_TRUE(errors->seen.empty());
}

TEST_F(CommandEmulatorChannelTest, LocalRepliesThatAreNotEncryptedFallBackThenFail) {
    facade->current = localRouter;
    local->setCallFault("usb.getStatus", [] {
        emulator::CallFault f;
        f.body = emulator::CallFault::Body::PlainJSON;
        return f;
    }());
    CommandOutcome plain = send(TAVOCommonService::localService(), TAVOUsbStatusCommand::create(), TAVOUsbStatusParser::create());
    ASSERT_TRUE(plain.ok);
    ASSERT_TRUE(plain.result.as<TAVOUSBStatus>());
    EXPECT_EQ(plain.result.as<TAVOUSBStatus>()->status, 1);

    for (auto body : {emulator::CallFault::Body::NotBase64, emulator::CallFault::Body::Empty}) {
        emulator::CallFault fault;
        fault.body = body;
        local->setCallFault("usb.getStatus", fault);
        errors->seen.clear();
        CommandOutcome bad = send(TAVOCommonService::localService(), TAVOUsbStatusCommand::create(), TAVOUsbStatusParser::create());
        ASSERT_FALSE(bad.ok);
        EXPECT_EQ(bad.error->errorCode(), 300002);
        EXPECT_EQ(bad.error->type(), 3);
        ASSERT_EQ(errors->seen.size(), 1u) << "the error system sees the failure first";
        EXPECT_EQ(errors->seen[0], bad.error);
    }
}

TEST_F(CommandEmulatorChannelTest, RouterErrorsReachTheErrorSystemThenTheCaller) {
    facade->current = cloudRouter;
    cloud->setCallFault("router.getRadioPower", emulator::CallFault::error(-1101, "offline"));
    CommandOutcome offline = send(TAVOCommonService::ordaneService(), TAVOGetRadioCommand::create(), TAVOGetRadioParser::create());
    ASSERT_FALSE(offline.ok);
    EXPECT_EQ(offline.error->errorCode(), 100002);
    ASSERT_EQ(errors->seen.size(), 1u);
    EXPECT_EQ(errors->seen[0], offline.error);

    facade->current = localRouter;
    localRouter->ticket = "stale";
    CommandOutcome stale = send(TAVOCommonService::localService(), TAVOUsbStatusCommand::create(), TAVOUsbStatusParser::create());
    ASSERT_FALSE(stale.ok);
    EXPECT_EQ(stale.error->errorCode(), 130001);
    EXPECT_EQ(errors->seen.size(), 2u);
}

TEST_F(CommandEmulatorChannelTest, TransportFailuresBecomeSystemErrorsWithoutTheHandlers) {
    facade->current = cloudRouter;
    cloud->server().setFault("/router/getRadioPower", emulator::Fault::withStatus(500));
    CommandOutcome status = send(TAVOCommonService::ordaneService(), TAVOGetRadioCommand::create(), TAVOGetRadioParser::create());
    ASSERT_FALSE(status.ok);
    EXPECT_EQ(status.error->type(), 2);

    facade->current = localRouter;
    local->server().setFault("/home1/", emulator::Fault::refusing());
    CommandOutcome refused = send(TAVOCommonService::localService(), TAVOUsbStatusCommand::create(), TAVOUsbStatusParser::create());
    ASSERT_FALSE(refused.ok);
    EXPECT_EQ(refused.error->type(), 2);
    EXPECT_TRUE(errors->seen.empty());
}

TEST_F(CommandEmulatorChannelTest, TheCloudChannelTrustsOnlyTheCarriedCertificate) {
    emulator::CloudRouterService impostor(state, emulator::Identity::ForeignServer);
    ASSERT_TRUE(impostor.start());
    ::setenv("KEELBOX_CLOUD_ROUTER_BASE_URL", impostor.baseURL().c_str(), 1);
    facade->current = cloudRouter;
    CommandOutcome refused = send(TAVOCommonService::remoteService(), TAVOGetRadioCommand::create(), TAVOGetRadioParser::create());
    ASSERT_FALSE(refused.ok);
    EXPECT_EQ(refused.error->type(), 2);
    for (const auto& entry : impostor.server().log().entries()) EXPECT_NE(entry.path, "/router/getRadioPower");

    // The host name is not part of the decision: a leaf for another name,
    // signed by the carried CA, is trusted.
    emulator::CloudRouterService otherName(state, emulator::Identity::WrongHost);
    ASSERT_TRUE(otherName.start());
    ::setenv("KEELBOX_CLOUD_ROUTER_BASE_URL", otherName.baseURL().c_str(), 1);
    EXPECT_TRUE(send(TAVOCommonService::remoteService(), TAVOGetRadioCommand::create(), TAVOGetRadioParser::create()).ok);
}

}  // namespace
}  // namespace keelbox::test
