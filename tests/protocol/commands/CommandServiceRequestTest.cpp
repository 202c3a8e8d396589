// How the command service builds its requests: session keys, URLs, the
// common pairs of each channel and the encrypted local body.
#include <gtest/gtest.h>

#include <set>

#include "core/crypto/StringAddition.h"
#include "emulator/RouterChannelCrypto.h"
#include "net/json/JetJsonDeserializing.h"
#include "protocol/commands/TAVOCommonService.h"
#include "protocol/commands/TAVODownloadFileParser.h"
#include "protocol/commands/TAVOGetWIFITimeCommand.h"
#include "protocol/commands/TAVOUsbStatusCommand.h"
#include "tests/protocol/commands/CommandFixture.h"

namespace keelbox::test {
namespace {

std::vector<std::string> keysOf(const ns::Dictionary& d) {
    std::vector<std::string> keys;
    for (const auto& [key, value] : d) keys.push_back(key);
    return keys;
}

TEST(CommandServiceKeyTest, EachServiceDrawsItsOwnPrintableKey) {
    auto a = TAVOCommonService::localService();
    auto b = TAVOCommonService::localService();
    for (const auto& service : {a, b}) {
        ASSERT_EQ(service->aes128KeyData().length(), 16u);
        for (std::size_t i = 0; i < 16; ++i) {
            EXPECT_GE(service->aes128KeyData().bytes()[i], 65);
            EXPECT_LE(service->aes128KeyData().bytes()[i], 124);
        }
    }
    EXPECT_FALSE(a->aes128KeyData() == b->aes128KeyData());
}

using CommandServiceRequestTest = CommandEmulatorTest;

TEST_F(CommandServiceRequestTest, LocalBodyIsDataAndKeyAroundTheEncryptedPairs) {
    facade->current = localRouter;
    auto service = TAVOCommonService::localService();
    EXPECT_EQ(service->getReqUrl(*TAVOUsbStatusCommand::create()), "http://" + local->host() + "/home1/");
    const ns::Dictionary body = service->getReqBody(*TAVOUsbStatusCommand::create());
    EXPECT_EQ(keysOf(body), (std::vector<std::string>{"data", "key"}));
    auto wrapped = emulator::RouterChannelCrypto::base64Decode(body["key"].stringValue());
    ASSERT_TRUE(wrapped);
    auto key = emulator::RouterChannelCrypto::unwrapSessionKey(*wrapped);
    ASSERT_TRUE(key);
    EXPECT_EQ(*key, service->aes128KeyData().toString());
    auto cipher = emulator::RouterChannelCrypto::base64Decode(body["data"].stringValue());
    ASSERT_TRUE(cipher);
    auto plain = emulator::RouterChannelCrypto::aesDecrypt(*cipher, *key);
    ASSERT_TRUE(plain);
    const ns::Value pairs = objectFromJSONString(*plain);
    ASSERT_TRUE(pairs.isDictionary());
    const ns::Dictionary& d = pairs.asDictionary();
    EXPECT_EQ(d["plat"].stringValue(), "iphone");
    EXPECT_TRUE(d["versioncode"].isNumber());
    EXPECT_EQ(d["router_id"].stringValue(), "R1");
    EXPECT_EQ(d["ticket"].stringValue(), kTicket);
    EXPECT_EQ(d["cmd"].stringValue(), "usb.getStatus");
    EXPECT_TRUE(d["qt"].isNil());
}

TEST_F(CommandServiceRequestTest, CloudBodyCarriesQtNotTicketAndCommandPairsWin) {
    facade->current = localRouter;
    auto service = TAVOCommonService::remoteService();
    auto command = TAVOGetWIFITimeCommand::create();
    EXPECT_EQ(service->getReqUrl(*command), cloud->baseURL() + "/router/getwifitimer");
    ns::Dictionary body = service->getReqBody(*command);
    EXPECT_EQ(body["plat"].stringValue(), "iphone");
    EXPECT_EQ(body["qt"].stringValue(), "Q1;T1");
    EXPECT_EQ(body["router_id"].stringValue(), "R1");
    EXPECT_TRUE(body["ticket"].isNil());
    EXPECT_TRUE(body["cmd"].isNil());

    auto custom = TAVOCommand::create();
    custom->setUrl("router/getRadioPower");
    custom->setBodys(ns::Dictionary{{"router_id", "R2"}});
    body = service->getReqBody(*custom);
    EXPECT_EQ(body["router_id"].stringValue(), "R2");
    const std::set<std::string> allowed{"plat", "versioncode", "user_mac", "router_id", "qt"};
    for (const auto& key : keysOf(body)) EXPECT_TRUE(allowed.count(key)) << key;
}

TEST_F(CommandServiceRequestTest, OrdinaryServiceFollowsTheCurrentRouter) {
    facade->current = localRouter;
    EXPECT_EQ(TAVOCommonService::ordaneService()->type(), TAVOCommonService::Local);
    facade->current = cloudRouter;
    EXPECT_EQ(TAVOCommonService::ordaneService()->type(), TAVOCommonService::Cloud);
}

TEST_F(CommandServiceRequestTest, NoChannelFailsAtOnceAndSendsNothing) {
    auto service = TAVOCommonService::serviceWithType(7);
    TAVOErrorPtr error;
    auto operation = service->sendCommand(TAVOUsbStatusCommand::create(), 0, TAVODownloadFileParser::create(), nullptr,
                                          [&](const TAVOErrorPtr& e) { error = e; });
    EXPECT_FALSE(operation);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->errorCode(), -2);
    ASSERT_TRUE(error->sourceError());
    EXPECT_EQ(error->sourceError()->domain(), "param error");
    EXPECT_TRUE(service->getReqBody(*TAVOUsbStatusCommand::create()).empty());
}

}  // namespace
}  // namespace keelbox::test
