// The emulated router's local API, the emulated cloud and the envelope they
// both write, driven directly over HTTP: the rules the application's tests
// rely on them to play.
#include <gtest/gtest.h>
#include <httplib.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "emulator/CloudRouterService.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"
#include "emulator/EnvelopeWriter.h"
#include "emulator/RouterChannelCrypto.h"
#include "emulator/RouterLocalService.h"
#include "emulator/TestPKI.h"
#include "platform/foundation/JSONSerialization.h"
#include "platform/foundation/PercentEscaping.h"

namespace {

using emulator::APIResult;
using emulator::CallFault;
using emulator::EnvelopeWriter;
using emulator::RouterChannelCrypto;

// The session key wrapped as the phone wraps it: RSA PKCS#1 v1.5 under the
// public half of the router's key pair.
std::string wrapForRouter(const std::string& sessionKey) {
    const std::string path = emulator::TestPKI::directory() + "/../keys/router_private_key.pem";
    FILE* file = std::fopen(path.c_str(), "r");
    if (!file) return {};
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(PEM_read_PrivateKey(file, nullptr, nullptr, nullptr), EVP_PKEY_free);
    std::fclose(file);
    if (!key) return {};
    std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> ctx(EVP_PKEY_CTX_new(key.get(), nullptr), EVP_PKEY_CTX_free);
    std::string out(static_cast<std::size_t>(EVP_PKEY_get_size(key.get())), '\0');
    std::size_t length = out.size();
    if (!ctx || EVP_PKEY_encrypt_init(ctx.get()) != 1 || EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) != 1 ||
        EVP_PKEY_encrypt(ctx.get(), reinterpret_cast<unsigned char*>(out.data()), &length,
                         reinterpret_cast<const unsigned char*>(sessionKey.data()), sessionKey.size()) != 1)
        return {};
    out.resize(length);
    return out;
}

std::string escaped(const std::string& text) { return ns::str::addingPercentEscapes(text, {}, "+/=&").value_or(""); }

ns::Value parseJSON(const std::string& text) { return ns::JSONSerialization::JSONObjectWithData(ns::Data::fromString(text)); }

class EmulatedServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto r1 = emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01");
        r1.tickets.insert("TK-1");
        state->addRouter(r1);
        state->addRouter(emulator::EmulatedRouterModel::makeRouter("R2", "AA:BB:CC:00:00:02"));
        state->addRouter(emulator::EmulatedRouterModel::makeRouter("R3", "AA:BB:CC:00:00:03"));
        state->signIn("alice", "QT+alice&1");
        state->bindRouter("alice", "R1");
        state->bindRouter("alice", "R2");
        state->signIn("bob", "QT-bob");
        state->bindRouter("bob", "R3");
        ASSERT_TRUE(local.start());
        ASSERT_TRUE(cloud.start());
    }

    // One call on the router's local API; the decrypted envelope.
    ns::Value localCall(const ns::Dictionary& params) {
        const std::string key = "k3y-0f-16-bytes!";
        const auto json = ns::JSONSerialization::dataWithJSONObject(ns::Value(params));
        const auto cipher = RouterChannelCrypto::aesEncrypt(json->toString(), key);
        const std::string body = "data=" + escaped(RouterChannelCrypto::base64Encode(*cipher)) +
                                 "&key=" + escaped(RouterChannelCrypto::base64Encode(wrapForRouter(key)));
        httplib::Client client("127.0.0.1", local.server().port());
        auto reply = client.Post("/home1/", body, "application/x-www-form-urlencoded");
        if (!reply) return {};
        const auto sealed = RouterChannelCrypto::base64Decode(reply->body);
        const auto plain = sealed ? RouterChannelCrypto::aesDecrypt(*sealed, key) : std::nullopt;
        return plain ? parseJSON(*plain) : ns::Value();
    }
    ns::Value login(const std::string& password) {
        return localCall(ns::Dictionary{{"cmd", "login.login"}, {"admpwd", password}});
    }

    // One call on the cloud: the form pairs are escaped once, as the phone sends them.
    ns::Value cloudCall(const std::string& path, const std::vector<std::pair<std::string, std::string>>& form) {
        std::string body;
        for (const auto& [name, value] : form) body += escaped(name) + "=" + escaped(value) + "&";
        httplib::SSLClient client("127.0.0.1", cloud.server().port());
        client.set_ca_cert_path(emulator::TestPKI::path("root-ca", "pem").c_str());
        client.enable_server_certificate_verification(true);
        auto reply = client.Post(path, body, "application/x-www-form-urlencoded");
        return reply ? parseJSON(reply->body) : ns::Value();
    }

    emulator::EmulatorStatePtr state = emulator::EmulatorState::create();
    emulator::RouterLocalService local{state};
    emulator::CloudRouterService cloud{state};
};

TEST_F(EmulatedServicesTest, LoginCountsWrongPasswordsLocksAtFiveAndIssuesWorkingTickets) {
    // A good password issues a ticket that the other calls accept.
    const ns::Value first = login("admin1234");
    ASSERT_EQ(first["errcode"].intValue(), 0) << first.description();
    const std::string ticket = first["vdata"]["ticket"].stringValue();
    EXPECT_FALSE(ticket.empty());
    EXPECT_EQ(first["vdata"]["router_id"], ns::Value("R1"));
    EXPECT_EQ(localCall({{"cmd", "device.getDeviceList"}, {"ticket", ticket}})["errcode"].intValue(), 0);
    EXPECT_NE(login("admin1234")["vdata"]["ticket"].stringValue(), ticket);  // each login its own ticket

    // Wrong passwords carry the failed count so far; the fifth locks the
    // router, and then even the right password is refused.
    for (int failed = 1; failed <= 4; ++failed) {
        const ns::Value wrong = login("nope");
        EXPECT_EQ(wrong["errcode"].intValue(), -1010);
        EXPECT_EQ(wrong["vdata"]["count"].intValue(), failed);
    }
    EXPECT_EQ(login("nope")["errcode"].intValue(), -1018);
    EXPECT_EQ(login("admin1234")["errcode"].intValue(), -1018);
    // Tickets issued before stay valid.
    EXPECT_EQ(localCall({{"cmd", "device.getDeviceList"}, {"ticket", ticket}})["errcode"].intValue(), 0);
}

TEST_F(EmulatedServicesTest, ASuccessfulLoginClearsTheFailedCount) {
    for (int i = 0; i < 4; ++i) login("nope");
    EXPECT_EQ(login("admin1234")["errcode"].intValue(), 0);
    EXPECT_EQ(login("nope")["vdata"]["count"].intValue(), 1);
}

TEST_F(EmulatedServicesTest, OnlyTicketsTheRouterIssuedOpenItsCalls) {
    struct Row {
        ns::Dictionary params;
        int errcode;
    };
    const Row rows[] = {
        {{{"cmd", "device.getDeviceList"}, {"ticket", "TK-1"}}, 0},
        {{{"cmd", "device.getDeviceList"}, {"ticket", "TK-forged"}}, -1021},
        {{{"cmd", "device.getDeviceList"}}, -1021},
        {{{"cmd", "wifi.getWifiBasic"}, {"ticket", ""}}, -1021},
        {{{"cmd", "init.check"}}, 0},  // asked before any login
        {{{"cmd", "no.such.call"}, {"ticket", "TK-1"}}, -502},
    };
    for (const auto& row : rows) {
        const ns::Value reply = localCall(row.params);
        EXPECT_EQ(reply["errcode"].intValue(), row.errcode) << ns::Value(row.params).description() << " -> " << reply.description();
    }
    // A body the router cannot decrypt is answered in plain text with -1.
    httplib::Client client("127.0.0.1", local.server().port());
    auto garbage = client.Post("/home1/", "data=abc&key=def", "application/x-www-form-urlencoded");
    ASSERT_TRUE(garbage);
    EXPECT_EQ(parseJSON(garbage->body)["errcode"].intValue(), -1);
}

TEST_F(EmulatedServicesTest, BindingNeedsTheRoutersCredentialsAndASignedInAccount) {
    struct Row {
        ns::Dictionary params;
        int errcode;
    };
    const Row rows[] = {
        {{{"cmd", "device.bind"}, {"qt", "QT-bob"}}, -1021},                                  // neither ticket nor password
        {{{"cmd", "device.bind"}, {"qt", "QT-bob"}, {"admpwd", "nope"}}, -1021},
        {{{"cmd", "device.bind"}, {"qt", "QT-nobody"}, {"ticket", "TK-1"}}, -1007},          // no such account
        {{{"cmd", "device.bind"}, {"qt", "QT-bob"}, {"admpwd", "admin1234"}}, 0},
    };
    for (const auto& row : rows)
        EXPECT_EQ(localCall(row.params)["errcode"].intValue(), row.errcode) << ns::Value(row.params).description();
    const auto bobs = state->routerIdsOfAccount("bob");
    EXPECT_NE(std::find(bobs.begin(), bobs.end(), "R1"), bobs.end());
}

TEST_F(EmulatedServicesTest, TheCloudChecksTheAccountTicketThenTheRouter) {
    state->withRouter("R2", [](emulator::EmulatedRouter& r) { r.online = false; });
    struct Row {
        const char* path;
        std::vector<std::pair<std::string, std::string>> form;
        int errcode;
    };
    const Row rows[] = {
        // "+" and "&" inside the ticket arrive intact: the form is decoded once.
        {"/device/getDeviceList", {{"qt", "QT+alice&1"}, {"router_id", "R1"}}, 0},
        {"/device/getDeviceList", {{"qt", "QT-stale"}, {"router_id", "R1"}}, -1007},
        {"/device/getDeviceList", {{"router_id", "R1"}}, -1007},
        {"/device/getDeviceList", {{"qt", "QT+alice&1"}}, -1100},
        {"/device/getDeviceList", {{"qt", "QT+alice&1"}, {"router_id", "R9"}}, -1100},
        {"/device/getDeviceList", {{"qt", "QT+alice&1"}, {"router_id", "R2"}}, -1101},
        {"/device/getDeviceList", {{"qt", "QT+alice&1"}, {"router_id", "R3"}}, -1102},  // bob's router
        {"/device/getDeviceList", {{"qt", "QT-bob"}, {"router_id", "R3"}}, 0},
        // The calls the phone makes with no account or no router.
        {"/system/getLatestApp", {}, 0},
        {"/device/registerApnsToken", {{"token", "abc"}}, 0},
        {"/router/getRouterList", {{"qt", "QT+alice&1"}}, 0},
        {"/router/getRouterList", {{"qt", "QT-stale"}}, -1007},
    };
    for (const auto& row : rows) {
        const ns::Value reply = cloudCall(row.path, row.form);
        EXPECT_EQ(reply["errcode"].intValue(), row.errcode) << row.path << " " << reply.description();
    }
    const ns::Value list = cloudCall("/router/getRouterList", {{"qt", "QT+alice&1"}})["vdata"]["list"];
    ASSERT_EQ(list.count(), 2u);
    EXPECT_EQ(list[0]["router_id"], ns::Value("R1"));
    EXPECT_EQ(list[1]["is_online"].intValue(), 0);
    // A call fault answers its code in place of the router's.
    cloud.setCallFault("device.getDeviceList", CallFault::error(-1101, std::string("gone")));
    const ns::Value faulted = cloudCall("/device/getDeviceList", {{"qt", "QT-bob"}, {"router_id", "R3"}});
    EXPECT_EQ(faulted["errcode"].intValue(), -1101);
    EXPECT_EQ(faulted["errdesc"], ns::Value("gone"));
}

TEST(EnvelopeWriterTest, WritesTheEnvelopeAndAppliesCodeFaults) {
    const APIResult ok{0, "", ns::Value::dictionary({{"a", 1}})};
    struct Row {
        const char* name;
        APIResult result;
        std::optional<CallFault> fault;
        std::string expected;
    };
    const Row rows[] = {
        {"success", ok, std::nullopt, R"({"errcode":0,"errdesc":"","vdata":{"a":1}})"},
        {"no vdata", APIResult{-1021, "no ticket", {}}, std::nullopt, R"({"errcode":-1021,"errdesc":"no ticket"})"},
        {"code without text", ok, CallFault::error(-1102), R"({"errcode":-1102,"vdata":{"a":1}})"},
        {"code with text", ok, CallFault::error(7, std::string("odd")), R"({"errcode":7,"errdesc":"odd","vdata":{"a":1}})"},
        {"wrong password", ok, CallFault::error(-1010), R"({"errcode":-1010,"vdata":{"count":3}})"},
        {"body fault only", ok, CallFault::withBody(CallFault::Body::PlainJSON), R"({"errcode":0,"errdesc":"","vdata":{"a":1}})"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(parseJSON(EnvelopeWriter::envelope(row.result, row.fault ? &*row.fault : nullptr)), parseJSON(row.expected));
    }
    // Just over the reply limit, and still a readable envelope.
    const std::string big = EnvelopeWriter::oversized(ok);
    EXPECT_GT(big.size(), 102400u);
    EXPECT_LT(big.size(), 102400u + 100);
    EXPECT_EQ(parseJSON(big)["vdata"]["a"].intValue(), 1);
    EXPECT_NE(EnvelopeWriter::blockPage().find("不能上网"), std::string::npos);
}

}  // namespace
