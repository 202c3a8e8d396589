// The request chain without a network: tokens, the two bodies, the trust
// policy's decisions.
#include <gtest/gtest.h>

#include "emulator/RouterChannelCrypto.h"
#include "emulator/TestPKI.h"
#include "net/json/TinyJson.h"
#include "platform/foundation/Clock.h"
#include "platform/net/Certificate.h"
#include "platform/net/Policy.h"
#include "platform/net/Trust.h"
#include "protocol/requests/TAVOSecurityPolice.h"
#include "protocol/requests/catalogue/TAVORouterInitCheckRequest.h"
#include "protocol/requests/catalogue/TAVORouterQueryStatusRequest.h"
#include "protocol/requests/catalogue/TAVORouterUpdateAdminPwdRequest.h"
#include "protocol/requests/catalogue/TAVOUpdateWifiPwdRequest.h"

namespace {

std::string text(const std::optional<ns::Data>& data) {
    return data ? std::string(reinterpret_cast<const char*>(data->bytes()), data->length()) : std::string("<none>");
}

// What the router reads from a local body: the decrypted JSON call.
ns::Value openLocalBody(const std::string& body) {
    std::string data, key;
    for (const auto& [name, value] : emulator::RouterChannelCrypto::decodeForm(body)) (name == "data" ? data : key) = value;
    auto sessionKey = emulator::RouterChannelCrypto::unwrapSessionKey(*emulator::RouterChannelCrypto::base64Decode(key));
    auto plain = emulator::RouterChannelCrypto::aesDecrypt(*emulator::RouterChannelCrypto::base64Decode(data), *sessionKey);
    return JSONValue(*plain);
}

TEST(RequestChainTest, TokensAreTheCreationSecond) {
    auto a = TAVORouterQueryStatusRequest::create();
    auto b = TAVORouterQueryStatusRequest::create();
    EXPECT_EQ(a->token(), b->token());
    EXPECT_EQ(a->token(), static_cast<std::int32_t>(ns::Clock::now()));
}

TEST(RequestChainTest, CloudBodiesAreSortedEscapedOnceAndEndWithTheCommonPairs) {
    auto request = TAVORouterQueryStatusRequest::create();
    request->TAVODataRequest::startRequest(ns::Value());
    EXPECT_FALSE(request->generateBody());  // no dictionary, no body at all
    request->TAVODataRequest::startRequest(ns::Value("text"));
    EXPECT_FALSE(request->generateBody());
    request->TAVODataRequest::startRequest(ns::Value(ns::Dictionary{}));
    EXPECT_EQ(text(request->generateBody()), "plat=iphone&versioncode=100&");
    request->TAVODataRequest::startRequest(ns::Value::dictionary({{"router_id", "R 1"}, {"qt", "a&b=c"}, {"n", 7}}));
    EXPECT_EQ(text(request->generateBody()), "n=7&qt=a%26b%3Dc&router_id=R%201&plat=iphone&versioncode=100&");
    EXPECT_EQ(request->generateURL(), TAVOHttpDataRequest::cloudBaseURL() + "/router/getRouterInfo");
}

TEST(RequestChainTest, LocalBodiesCarryTheCallAndAFreshSessionKeyEachTime) {
    auto request = TAVORouterInitCheckRequest::create();
    request->TAVODataRequest::startRequest(ns::Value("not a dictionary"));
    auto first = request->generateBody();
    const ns::Data firstKey = request->aes128Key();
    auto second = request->generateBody();
    ASSERT_TRUE(first && second);
    EXPECT_NE(text(first), text(second));
    EXPECT_NE(firstKey, request->aes128Key());
    EXPECT_EQ(firstKey.length(), 16u);
    EXPECT_EQ(text(first).rfind("data=", 0), 0u);
    EXPECT_NE(text(first).find("&key="), std::string::npos);
    EXPECT_EQ(openLocalBody(text(first)), ns::Value::dictionary({{"cmd", "init.check"}}));
    EXPECT_EQ(request->generateURL(), TAVORemoteHttpDataRequest::localBaseURL());
}

TEST(RequestChainTest, TwoClassesNameTheirCallByChannel) {
    auto admin = TAVORouterUpdateAdminPwdRequest::create();
    auto wifi = TAVOUpdateWifiPwdRequest::create();
    admin->setIsLocal(true);
    wifi->setIsLocal(true);
    EXPECT_EQ(admin->moduleNameForAPI() + "." + admin->concreteNameForAPI(), "login.loginChange");
    EXPECT_EQ(wifi->concreteNameForAPI(), "set");
    admin->setIsLocal(false);
    wifi->setIsLocal(false);
    EXPECT_EQ(admin->moduleNameForAPI() + "/" + admin->concreteNameForAPI(), "security/updateAdminPwdWithOld");
    EXPECT_EQ(wifi->concreteNameForAPI(), "updateWifiPwd");
    // The init check stays local whatever the provider sets.
    auto init = TAVORouterInitCheckRequest::create();
    init->setIsLocal(false);
    EXPECT_TRUE(init->isLocal());
}

sec::TrustPtr serverTrust(emulator::Identity identity) {
    ns::Data der = emulator::TestPKI::read(emulator::TestPKI::fileName(identity), "der");
    auto leaf = sec::Certificate::createWithData(der);
    return sec::Trust::create({leaf}, {sec::Policy::createSSL(true, std::string("127.0.0.1"))});
}

TEST(RouterTrustPolicyTest, OnlyChainsToTheCarriedCertificate) {
    auto police = TAVOSecurityPolice::defaultSecurityPolice();
    ASSERT_TRUE(police->certificates());
    EXPECT_EQ(police->certificates()->front(), emulator::TestPKI::rootCA());
    EXPECT_EQ(police->publicKeys().size(), 1u);
    EXPECT_TRUE(police->evaluateServerTrust(serverTrust(emulator::Identity::Server)));
    // Any host name, as long as the chain leads to our certificate.
    EXPECT_TRUE(police->evaluateServerTrust(serverTrust(emulator::Identity::WrongHost)));
    auto foreign = serverTrust(emulator::Identity::ForeignServer);
    EXPECT_FALSE(police->evaluateServerTrust(foreign));
    EXPECT_FALSE(police->evaluateServerTrust(foreign));  // no state between decisions
    auto none = TAVOSecurityPolice::create();
    EXPECT_FALSE(none->evaluateServerTrust(serverTrust(emulator::Identity::Server)));
    none->setCertificates(std::vector<ns::Data>{ns::Data::fromString("not a certificate")});
    EXPECT_TRUE(none->publicKeys().empty());
    EXPECT_FALSE(none->evaluateServerTrust(serverTrust(emulator::Identity::Server)));
}

}  // namespace
