// The account screen base: a registration request's answers are heard once,
// a refusal that asks for a captcha reaches the captcha hook instead of a
// toast, a failure without a message falls back to "fail to send request",
// a refusal by the facade leaves nothing registered, and a routers list
// without an account fails at once.
#include <gtest/gtest.h>

#include "emulator/Fault.h"
#include "management/account/TAVOZARAdapter.h"
#include "platform/foundation/NotificationCenter.h"
#include "screens/account/TAVOBaseAccountViewController.h"
#include "tests/screens/account/AccountScreensSupport.h"

namespace keelbox::test {
namespace {

class RecordingAccountScreen : public TAVOBaseAccountViewController {
public:
    using TAVOBaseAccountViewController::TAVOBaseAccountViewController;
    void sendSmsCodeOK() override { hooks.push_back("sendSmsCodeOK"); }
    void regOK() override { hooks.push_back("regOK"); }
    void showCaptcha() override { hooks.push_back("showCaptcha"); }
    void bindOK() override { hooks.push_back("bindOK"); }
    void bindNG() override { hooks.push_back("bindNG"); }
    void routersListOK() override { hooks.push_back("routersListOK"); }
    void routersListNG() override { hooks.push_back("routersListNG"); }
    std::vector<std::string> hooks;
};

class AccountScreenBase : public ::testing::Test {
public:
    void SetUp() override {
        // The service hears the requests and never answers: the answers
        // below are the only ones.
        app.peers().accounts().server().setFault("/api.php", emulator::Fault::stalling());
        ASSERT_TRUE(app.launch());
        screen = ui::ViewController::make<RecordingAccountScreen>();
        app.push(screen);
    }
    static void post(const char* name, const ns::Dictionary& userInfo = {}) {
        ns::NotificationCenter::defaultCenter()->postNotificationName(name, ns::Value(), userInfo);
    }

    AppFixture app;
    std::shared_ptr<RecordingAccountScreen> screen;
};

TEST_F(AccountScreenBase, ARegistrationAnswerIsHeardOnceAndACaptchaRefusalReachesTheCaptchaHook) {
    screen->submitEmailReg("new@keelbox.org", "Secret123");
    ASSERT_TRUE(screen->isWaitingForEmailReg());
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->text, L(RecordingAccountScreen::kSendingKey));

    for (const char* captchaText : {RecordingAccountScreen::kCaptchaRequiredText, RecordingAccountScreen::kCaptchaWrongText}) {
        SCOPED_TRACE(captchaText);
        screen->hooks.clear();
        screen->submitEmailReg("new@keelbox.org", "Secret123");
        app.screen().wait(2.0);
        post(kZAREmailRegNGNotification, {{"msg", captchaText}});
        EXPECT_EQ(screen->hooks, std::vector<std::string>{"showCaptcha"});
        EXPECT_FALSE(app.screen().toast()) << "a captcha demand is no error";
        EXPECT_FALSE(screen->isWaitingForEmailReg());
        post(kZAREmailRegNGNotification, {{"msg", captchaText}});
        post(kZAREmailRegOKNotification, {{"msg", "ok to reg"}});
        EXPECT_EQ(screen->hooks.size(), 1u) << "a second answer finds no registration";
    }

    struct Case {
        const char* what;
        std::function<void()> start;
        const char* failure;
        ns::Dictionary userInfo;
        std::string toast;
    };
    const std::vector<Case> cases{
        {"e-mail, the service's text", [&] { screen->submitEmailReg("a@b.org", "Secret123"); },
         kZAREmailRegNGNotification, {{"msg", "account exists"}}, "account exists"},
        {"e-mail, no user info", [&] { screen->submitEmailReg("a@b.org", "Secret123"); }, kZAREmailRegNGNotification,
         {}, L(RecordingAccountScreen::kFailToSendKey)},
        {"SMS code, no user info", [&] { screen->requestSmsCode("13800138000"); }, kZARSmsCodeRegNGNotification, {},
         L(RecordingAccountScreen::kFailToSendKey)},
        {"phone, the service's captcha text is only a message",
         [&] { screen->submitPhoneReg("13800138000", "123456", "Secret123"); }, kZARPhoneNumberNGNotification,
         {{"msg", RecordingAccountScreen::kCaptchaWrongText}}, RecordingAccountScreen::kCaptchaWrongText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        screen->hooks.clear();
        c.start();
        app.screen().wait(2.0);
        post(c.failure, c.userInfo);
        ASSERT_TRUE(app.screen().toast());
        EXPECT_EQ(app.screen().toast()->text, c.toast);
        EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
        EXPECT_TRUE(screen->hooks.empty());
        app.screen().wait(2.0);
    }

    screen->requestSmsCode("13800138000");
    post(kZARSmsCodeRegOKNotification, {{"msg", "ok to req sms code"}});
    screen->submitPhoneReg("13800138000", "123456", "Secret123");
    post(kZARPhoneNumberRegOKNotification, {{"msg", "ok to reg"}});
    EXPECT_EQ(screen->hooks, (std::vector<std::string>{"sendSmsCodeOK", "regOK"}));
}

TEST_F(AccountScreenBase, AFacadeRefusalRegistersNothingAndAListWithoutAccountFailsAtOnce) {
    screen->submitPhoneReg("13800138000", "", "Secret123");  // the adapter refuses an empty code at once
    EXPECT_FALSE(screen->isWaitingForPhoneReg());
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->text, L(RecordingAccountScreen::kFailToSendKey));
    EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
    post(kZARPhoneNumberRegOKNotification);
    EXPECT_TRUE(screen->hooks.empty());

    screen->requestRoutersList();
    EXPECT_EQ(screen->hooks, std::vector<std::string>{"routersListNG"}) << "at once, nothing sent";
}

}  // namespace
}  // namespace keelbox::test
