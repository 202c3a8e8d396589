// The account client and adapter against the emulated account service on
// 127.0.0.1: every outcome arrives as one notification.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"

#include <cstdlib>

#include "emulator/AccountService.h"
#include "management/TAVOAuthCodeModel.h"
#include "management/account/TAVOZARAdapter.h"
#include "management/account/ZAREUserIntfLoginReq.h"
#include "management/account/ZAREUserIntfLoginResp.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Error.h"
#include "tests/support/Harness.h"

using keelbox::test::advance;
using keelbox::test::runMainLoopUntil;

namespace {

const char* const kAllNotifications[] = {
    kZARLoginOKNotification,          kZARLoginNGNotification,         kZARAutoLoginOKNotification,
    kZARAutoLoginNGNotification,      kZAREmailRegOKNotification,      kZAREmailRegNGNotification,
    kZARSmsCodeRegOKNotification,     kZARSmsCodeRegNGNotification,    kZARPhoneNumberRegOKNotification,
    kZARPhoneNumberNGNotification,    kEmailAuthCodeOKNotification,    kEmailAuthCodeNGNotification,
};

class AccountServiceEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(service.start());
        service.exportDeploymentValues();
        for (const char* name : kAllNotifications) {
            tokens.push_back(ns::NotificationCenter::defaultCenter()->addObserverForName(
                name, {}, nullptr, [this](const ns::NotificationPtr& n) { posted.push_back(n); }));
        }
        adapter = TAVOZARAdapter::create();
        service.accounts().addAccount("alice", "pw1", "alice@example.org", "", "Al");
    }
    void TearDown() override {
        for (auto& token : tokens) ns::NotificationCenter::defaultCenter()->removeObserver(token);
        emulator::AccountService::clearDeploymentValues();
    }

    // The next notification; fails the test when none arrives.
    ns::NotificationPtr next() {
        std::size_t seen = taken;
        if (!runMainLoopUntil([&] { return posted.size() > seen; }, 30.0)) return nullptr;
        return posted[taken++];
    }
    std::string msg(const ns::NotificationPtr& n) { return n ? n->userInfo()["msg"].asString() : "<none>"; }
    std::shared_ptr<TAVOAccountModel> data(const ns::NotificationPtr& n) {
        return n ? n->userInfo()["data"].as<TAVOAccountModel>() : nullptr;
    }

    emulator::AccountService service;
    std::shared_ptr<TAVOZARAdapter> adapter;
    std::vector<ns::ObjectPtr> tokens;
    std::vector<ns::NotificationPtr> posted;
    std::size_t taken = 0;
};

TEST_F(AccountServiceEndToEnd, SignInThenSignInWithStoredCookies) {
    EXPECT_EQ(adapter->login("alice", "pw1"), std::nullopt);
    auto n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kZARLoginOKNotification);
    EXPECT_EQ(msg(n), TAVOLocalizedString("ok to login"));
    auto account = data(n);
    ASSERT_TRUE(account);
    EXPECT_EQ(account, adapter->accountData());
    EXPECT_EQ(account->accountName(), "Al");
    EXPECT_EQ(account->loginemail(), "alice@example.org");
    ASSERT_FALSE(account->qt().empty());
    // The cloud accepts the signed-in credential.
    EXPECT_TRUE(service.accounts().accountForQT(account->qt()));

    auto call = service.calls().back();
    EXPECT_EQ(call.method, "UserIntf.login");
    EXPECT_TRUE(call.signatureValid);
    EXPECT_EQ(emulator::paramValue(call.params, "password"), emulator::md5Hex("pw1"));
    EXPECT_EQ(emulator::paramValue(call.params, "from"), "vav_router_ios");

    auto second = TAVOZARAdapter::create();
    EXPECT_EQ(second->autoLogin(account->q(), account->t()), std::nullopt);
    n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kZARAutoLoginOKNotification);
    EXPECT_EQ(msg(n), TAVOLocalizedString("ok to login"));
    ASSERT_TRUE(second->accountData());
    EXPECT_EQ(second->accountData()->qt(), account->qt());  // the reply sets no cookies: the stored ones stay
    EXPECT_EQ(service.server().log().last()->header("Cookie"), "Q=" + account->q() + "; T=" + account->t());

    // Stale cookies are refused with the service's text.
    EXPECT_EQ(second->autoLogin("stale", "cookie"), std::nullopt);
    n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kZARAutoLoginNGNotification);
    EXPECT_EQ(msg(n), "login expired");
    EXPECT_EQ(second->accountData()->qt(), account->qt());
}

TEST_F(AccountServiceEndToEnd, CaptchaDemandedAfterFailedSignIns) {
    ASSERT_EQ(adapter->login("alice", "pw1"), std::nullopt);
    auto signedIn = data(next());
    ASSERT_TRUE(signedIn);

    for (int i = 0; i < 2; ++i) {
        adapter->login("alice", "wrong");
        auto n = next();
        ASSERT_TRUE(n);
        EXPECT_EQ(n->name(), kZARLoginNGNotification);
        EXPECT_EQ(msg(n), "wrong user name or password");
        EXPECT_EQ(adapter->accountData(), signedIn);  // a failure keeps the account
    }
    adapter->login("alice", "pw1");
    EXPECT_EQ(msg(next()), emulator::AccountService::kCaptchaRequiredText);

    auto captcha = [&] {
        adapter->getZARAuthCode(120, 40);
        auto n = next();
        EXPECT_TRUE(n && n->name() == kEmailAuthCodeOKNotification);
        return n ? n->userInfo()["data"].as<TAVOAuthCodeModel>() : nullptr;
    };
    auto code = captcha();
    ASSERT_TRUE(code);
    ASSERT_FALSE(code->sc.empty());
    ASSERT_TRUE(code->codeImage);
    EXPECT_EQ(code->codeImage->width(), 120u);
    EXPECT_EQ(code->codeImage->height(), 40u);
    EXPECT_EQ(emulator::paramValue(service.calls().back().params, "width"), "120.000000");

    adapter->loginPswWithCodeWithSC("alice", "pw1", "nope", code->sc);
    auto n = next();
    EXPECT_EQ(n->name(), kZARLoginNGNotification);
    EXPECT_EQ(msg(n), emulator::AccountService::kCaptchaWrongText);

    code = captcha();
    ASSERT_TRUE(code);
    adapter->loginPswWithCodeWithSC("alice", "pw1", *service.captchaCode(code->sc), code->sc);
    n = next();
    EXPECT_EQ(n->name(), kZARLoginOKNotification);
    EXPECT_NE(data(n)->qt(), signedIn->qt());  // a new session
}

TEST_F(AccountServiceEndToEnd, EmailAndPhoneRegistration) {
    EXPECT_EQ(adapter->regUsingEmail("bob@example.org", "pw2"), std::nullopt);
    auto n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kZAREmailRegOKNotification);
    EXPECT_EQ(msg(n), TAVOLocalizedString("ok to reg"));
    ASSERT_TRUE(data(n));
    EXPECT_EQ(data(n), adapter->accountData());  // registering signs in
    EXPECT_EQ(data(n)->loginemail(), "bob@example.org");
    EXPECT_EQ(emulator::paramValue(service.calls().back().params, "type"), "1");
    EXPECT_EQ(emulator::paramValue(service.calls().back().params, "mid").size(), 32u);

    adapter->regUsingEmail("bob@example.org", "pw2");
    n = next();
    EXPECT_EQ(n->name(), kZAREmailRegNGNotification);
    EXPECT_EQ(msg(n), "account exists");

    const std::string phone = "13800000001";
    EXPECT_EQ(adapter->requestRegSmsCode(phone), std::nullopt);
    n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kZARSmsCodeRegOKNotification);
    EXPECT_EQ(msg(n), TAVOLocalizedString("ok to req sms code"));
    EXPECT_FALSE(n->userInfo().contains("data"));
    auto sms = service.smsCode(phone);
    ASSERT_TRUE(sms);

    adapter->regUsingPhoneNumber(phone, "pw3", "000000");
    n = next();
    EXPECT_EQ(n->name(), kZARPhoneNumberNGNotification);
    EXPECT_EQ(msg(n), "sms code error");

    adapter->regUsingPhoneNumber(phone, "pw3", *sms);
    n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kZARPhoneNumberRegOKNotification);
    ASSERT_TRUE(data(n));
    EXPECT_EQ(data(n)->username(), phone);
    EXPECT_TRUE(service.accounts().accountForQT(data(n)->qt()));
}

TEST_F(AccountServiceEndToEnd, SmsCodeFailures) {
    adapter->requestRegSmsCode("");  // the service judges the input
    auto n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kZARSmsCodeRegNGNotification);
    EXPECT_EQ(msg(n), "account missing");

    service.server().setFault("/api.php", emulator::Fault::withStatus(500));
    adapter->requestRegSmsCode("13800000003");
    n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kZARSmsCodeRegNGNotification);
    EXPECT_EQ(msg(n), TAVOLocalizedString("failed to req sms code"));
    EXPECT_FALSE(adapter->accountData());
}

TEST_F(AccountServiceEndToEnd, RefusedInputSendsNothing) {
    EXPECT_EQ(adapter->autoLogin("q", ""), TAVOLocalizedString("param is not right"));
    EXPECT_EQ(adapter->regUsingPhoneNumber("13800000001", "pw", ""), TAVOLocalizedString("the smscode is invalid"));
    runMainLoopUntil([] { return false; }, 0.2);
    EXPECT_TRUE(posted.empty());
    EXPECT_EQ(service.server().log().count(), 0u);
}

TEST_F(AccountServiceEndToEnd, TransportAndReplyFailures) {
    struct Case {
        const char* label;
        std::function<void()> arrange;
        std::string password;
        std::string expected;
    } cases[] = {
        {"HTTP 500", [&] { service.server().setFault("/api.php", emulator::Fault::withStatus(500)); }, "pw1",
         TAVOLocalizedString("failed to login")},
        {"not JSON", [&] { emulator::Fault f; f.body = "<html>busy</html>"; service.server().setFault("/api.php", f); },
         "pw1", TAVOLocalizedString("failed to login")},
        {"no account data", [&] { emulator::Fault f; f.body = R"({"errno":0})"; service.server().setFault("/api.php", f); },
         "pw1", TAVOLocalizedString("failed to login")},
        {"abrupt close", [&] { service.server().setFault("/api.php", emulator::Fault::closingMidBody(5)); }, "pw1",
         TAVOLocalizedString("failed to login")},
        {"dropped", [&] { service.server().setFault("/api.php", emulator::Fault::refusing()); }, "pw1",
         TAVOLocalizedString("failed to login")},
        {"errno as text", [&] { service.setErrnoAsText(true); }, "bad", "wrong user name or password"},
        {"refused connection", [&] { service.stop(); }, "pw1", TAVOLocalizedString("failed to login")},
    };
    for (auto& c : cases) {
        service.server().clearFaults();
        c.arrange();
        adapter->login("alice", c.password);
        auto n = next();
        ASSERT_TRUE(n) << c.label;
        EXPECT_EQ(n->name(), kZARLoginNGNotification) << c.label;
        EXPECT_EQ(msg(n), c.expected) << c.label;
        EXPECT_FALSE(adapter->accountData()) << c.label;
    }
}

TEST_F(AccountServiceEndToEnd, SlowTrickleStillCompletes) {
    service.server().setFault("/api.php", emulator::Fault::trickling(16, 0.01));
    adapter->login("alice", "pw1");
    auto n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kZARLoginOKNotification);
}

TEST_F(AccountServiceEndToEnd, PhoneRegistrationTimesOutWhenIdle) {
    service.server().setFault("/api.php", emulator::Fault::stalling());
    adapter->regUsingPhoneNumber("13800000002", "pw", "123456");
    ASSERT_TRUE(runMainLoopUntil([&] { return service.server().log().count() == 1; }));
    advance(29.0);
    EXPECT_TRUE(posted.empty());  // the default time-out is 30 s of silence
    advance(1.5);
    auto n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kZARPhoneNumberNGNotification);
    EXPECT_EQ(msg(n), TAVOLocalizedString("failed to reg"));
}

TEST_F(AccountServiceEndToEnd, CaptchaFailureOnTheNetworkCarriesNoText) {
    service.stop();
    adapter->getZARAuthCode(80, 30);
    auto n = next();
    ASSERT_TRUE(n);
    EXPECT_EQ(n->name(), kEmailAuthCodeNGNotification);
    EXPECT_TRUE(n->userInfo().empty());
}

TEST_F(AccountServiceEndToEnd, FreedAdapterIsNeverCalledBack) {
    service.server().setFault("/api.php", emulator::Fault::delayed(0.2));
    adapter->login("alice", "pw1");
    ASSERT_TRUE(runMainLoopUntil([&] { return service.server().log().count() == 1; }));
    adapter.reset();  // gone while its request is in flight
    ASSERT_TRUE(runMainLoopUntil([&] {
        return service.server().log().last()->outcome != emulator::LoggedRequest::Outcome::Pending;
    }));
    runMainLoopUntil([] { return false; }, 0.3);
    EXPECT_TRUE(posted.empty());
}

// The operation itself: idle time-out, cancel.
class RecordingTarget : public ns::Object {
public:
    std::vector<std::shared_ptr<KXOperation>> completed;
};

class KXHttpOperationTest : public AccountServiceEndToEnd {
protected:
    std::shared_ptr<KXHttpOperation> startLogin(double timeout) {
        auto request = ZAREUserIntfLoginReq::create();
        request->userName = "alice";
        request->password = "pw1";
        request->clientInfoProvider = std::static_pointer_cast<ZARClentInfoProvider>(adapter);
        auto op = KXHttpOperation::create();
        op->request = request;
        op->timeout = timeout;
        op->setTarget(target);
        op->setCompleteSelector([](ns::Object& t, const std::shared_ptr<KXOperation>& o) {
            static_cast<RecordingTarget&>(t).completed.push_back(o);
        });
        op->start();
        return op;
    }
    std::shared_ptr<RecordingTarget> target = std::make_shared<RecordingTarget>();
};

TEST_F(KXHttpOperationTest, IdleTimeOutWithAShortTimeOut) {
    service.server().setFault("/api.php", emulator::Fault::stalling());
    auto op = startLogin(2.0);
    EXPECT_EQ(op->idleCheckInterval(), 2.0);
    ASSERT_TRUE(runMainLoopUntil([&] { return service.server().log().count() == 1; }));
    advance(1.5);
    EXPECT_TRUE(target->completed.empty());
    advance(1.0);  // the first tick, at 2 s, sees 2 s of silence
    ASSERT_TRUE(runMainLoopUntil([&] { return !target->completed.empty(); }));
    ASSERT_EQ(target->completed.size(), 1u);
    ASSERT_TRUE(op->error());
    EXPECT_EQ(op->error()->domain(), kZARDomainNetwork);
    EXPECT_EQ(op->error()->code(), -1001);
    EXPECT_FALSE(op->response());
    // The connection was closed.
    EXPECT_TRUE(service.server().log().waitUntil(
        [](const auto& e) { return e[0].outcome != emulator::LoggedRequest::Outcome::Pending; }, 5.0));

    EXPECT_EQ(KXHttpOperation::create()->idleCheckInterval(), 10.0);
}

class RecordingProgress : public KXProgressDelegate {
public:
    void didDataReceived(std::int64_t bytes, std::int64_t total) override {
        chunks.push_back(bytes);
        lastTotal = total;
    }
    void didDataSended(std::int64_t, std::int64_t) override {}
    std::vector<std::int64_t> chunks;
    std::int64_t lastTotal = 0;
};

TEST_F(KXHttpOperationTest, TrickledReplyIsReportedChunkByChunk) {
    service.server().setFault("/api.php", emulator::Fault::trickling(16, 0.01));
    auto progress = std::make_shared<RecordingProgress>();
    auto op = KXHttpOperation::create();
    auto request = ZAREUserIntfLoginReq::create();
    request->userName = "alice";
    request->password = "pw1";
    request->clientInfoProvider = std::static_pointer_cast<ZARClentInfoProvider>(adapter);
    op->request = request;
    op->progressDelegate = progress;
    op->setTarget(target);
    op->setCompleteSelector([](ns::Object& t, const std::shared_ptr<KXOperation>& o) {
        static_cast<RecordingTarget&>(t).completed.push_back(o);
    });
    op->start();
    ASSERT_TRUE(runMainLoopUntil([&] { return !target->completed.empty(); }));
    EXPECT_FALSE(op->error());
    EXPECT_GT(progress->chunks.size(), 1u);
    std::int64_t sum = 0;
    for (auto c : progress->chunks) sum += c;
    EXPECT_EQ(sum, progress->lastTotal);
    EXPECT_EQ(static_cast<std::size_t>(sum), service.server().log().last()->bodyBytesSent);
    auto reply = std::dynamic_pointer_cast<ZAREUserIntfLoginResp>(op->response());
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->userDic["username"].asString(), "alice");
}

TEST_F(KXHttpOperationTest, StatusAndParserErrors) {
    service.server().setFault("/api.php", emulator::Fault::withStatus(500));
    auto op = startLogin(30);
    ASSERT_TRUE(runMainLoopUntil([&] { return !target->completed.empty(); }));
    EXPECT_EQ(op->error()->domain(), kZARDomainNetwork);
    EXPECT_EQ(op->error()->code(), 500);
    EXPECT_FALSE(op->response());

    emulator::Fault garbage;
    garbage.body = "not json";
    service.server().setFault("/api.php", garbage);
    op = startLogin(30);
    ASSERT_TRUE(runMainLoopUntil([&] { return target->completed.size() == 2; }));
    EXPECT_EQ(op->error()->domain(), kZARDomainParser);
    EXPECT_EQ(op->error()->code(), -1024);
}

TEST_F(KXHttpOperationTest, CancelDuringTransferClosesTheSocketWithoutCallback) {
    service.server().setFault("/api.php", emulator::Fault::stalling());
    auto op = startLogin(30);
    ASSERT_TRUE(runMainLoopUntil([&] { return service.server().log().count() == 1; }));
    op->cancel();
    EXPECT_TRUE(op->isCanceled());
    EXPECT_TRUE(service.server().log().waitUntil(
        [](const auto& e) { return e[0].outcome == emulator::LoggedRequest::Outcome::Dropped; }, 5.0));
    advance(60);
    runMainLoopUntil([] { return false; }, 0.2);
    EXPECT_TRUE(target->completed.empty());
}

TEST_F(KXHttpOperationTest, TheServiceIsTrustedOnlyThroughTheCANamedByTheDeployment) {
    ASSERT_EQ(service.endpointURL().rfind("https://", 0), 0u);
    emulator::AccountService impostor(service.sharedAccounts(), {.identity = emulator::Identity::ForeignServer});
    ASSERT_TRUE(impostor.start());
    const std::string missingFile = keelbox::test::sandboxHome() + "/no-such-ca.pem";
    struct Case {
        const char* label;
        std::function<void()> arrange;
        bool trusted;
    } cases[] = {
        {"our CA named", [] {}, true},
        {"no CA named", [] { ::unsetenv(emulator::AccountService::kCAFileVariable); }, false},
        {"the named file is missing", [&] { ::setenv(emulator::AccountService::kCAFileVariable, missingFile.c_str(), 1); },
         false},
        {"a foreign certificate", [&] { ::setenv(emulator::AccountService::kURLVariable, impostor.endpointURL().c_str(), 1); },
         false},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.label);
        service.exportDeploymentValues();
        c.arrange();
        const std::size_t before = target->completed.size();
        auto op = startLogin(30);
        ASSERT_TRUE(runMainLoopUntil([&] { return target->completed.size() > before; }, 10.0));
        if (c.trusted) {
            EXPECT_FALSE(op->error());
            continue;
        }
        ASSERT_TRUE(op->error());
        EXPECT_EQ(op->error()->domain(), kZARDomainNetwork);
        EXPECT_EQ(op->error()->code(), ns::kURLErrorServerCertificateUntrusted);
    }
    // Refused in the handshake: not one request reached either server.
    EXPECT_EQ(service.server().log().count(), 1u);
    EXPECT_EQ(impostor.server().log().count(), 0u);
}

TEST_F(KXHttpOperationTest, CancelBeforeConnectingNeverConnects) {
    auto op = startLogin(30);
    op->cancel();
    runMainLoopUntil([] { return false; }, 0.3);
    EXPECT_EQ(service.server().log().count(), 0u);
    EXPECT_TRUE(target->completed.empty());
}

}  // namespace
