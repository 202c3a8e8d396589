// Registration against the emulated account service: by e-mail with the
// captcha the service demands, and by phone with the SMS code and the
// resend count-down, each ending signed in on the tabs; empty input is
// refused before anything is sent.
#include <gtest/gtest.h>

#include "core/app/TAVORouterPreference.h"
#include "management/facade/TAVOAccountManager.h"
#include "screens/account/TAVOArdoAccountLoginViewController.h"
#include "screens/account/TAVOArdoAccountPhoneRegViewController.h"
#include "screens/account/TAVOArdoAccountRegViewController.h"
#include "tests/screens/account/AccountScreensSupport.h"

namespace keelbox::test {
namespace {

using Reg = TAVOArdoAccountRegViewController;
using PhoneReg = TAVOArdoAccountPhoneRegViewController;

constexpr const char* kPhone = "13800138000";

class AccountRegistration : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(app.launch());
        auto login = jumpTo<TAVOArdoAccountLoginViewController>(app, &TAVOAppJumper::jumpToRemoteAccountPage);
        ASSERT_TRUE(login);
        ASSERT_TRUE(app.screen().tap(login->regButton()));
        app.screen().wait(1.0);
        reg = topScreenAs<Reg>(app);
        ASSERT_TRUE(reg);
    }
    void expectSignedInAs(const std::string& name) {
        auto account = TAVOAccountManager::shareInstance()->currentAccountData();
        ASSERT_TRUE(account);
        EXPECT_EQ(account->username(), name);
        EXPECT_EQ(TAVORouterPreference::shareInstance()->getQT()["q"].stringValue(), account->q());
    }

    AppFixture app;
    std::shared_ptr<Reg> reg;
};

TEST_F(AccountRegistration, ByEmailWithTheCaptchaTheServiceDemandsEndsSignedIn) {
    app.peers().accounts().setCaptchaForEmailRegistration(true);
    EXPECT_FALSE(reg->phoneNumberRegView()->isHidden());
    EXPECT_TRUE(reg->emailRegView()->isHidden());
    EXPECT_TRUE(reg->phoneNumberInput()->isFirstResponder()) << "the phone field takes the keyboard";

    ASSERT_TRUE(app.screen().tapText(L("reg with email")));
    app.screen().wait(0.5);
    EXPECT_EQ(reg->currentSegControlIndex(), 1);
    EXPECT_TRUE(reg->phoneNumberRegView()->isHidden());
    EXPECT_FALSE(reg->emailRegView()->isHidden());
    EXPECT_TRUE(reg->emailInput()->isFirstResponder());

    ASSERT_TRUE(app.screen().type("new@keelbox.org"));
    ASSERT_TRUE(app.screen().pressReturn());
    EXPECT_TRUE(reg->pswForEmailRegInput()->isFirstResponder()) << "return moves to the password";
    ASSERT_TRUE(app.screen().type("Secret123"));
    ASSERT_TRUE(app.screen().tap(reg->completeReg()));

    ASSERT_TRUE(app.screen().waitUntil([&] {
        return reg->codeImageView() && reg->codeImageView()->image() && !reg->codeSC().empty();
    }, kAnswerSeconds)) << "the service asked for a captcha";
    EXPECT_EQ(reg->emailInput()->text(), "new@keelbox.org") << "what was typed stays";
    EXPECT_EQ(reg->pswForEmailRegInput()->text(), "Secret123");
    EXPECT_EQ(reg->pswForEmailRegInput()->returnKeyType(), ui::ReturnKeyType::Next);
    EXPECT_FALSE(reg->emailRegView()->isHidden());

    const auto code = app.peers().accounts().lastCaptchaCode();
    ASSERT_TRUE(code);
    ASSERT_TRUE(fill(app, reg->authCodeField(), *code));
    ASSERT_TRUE(app.screen().tap(reg->completeReg()));
    ASSERT_TRUE(waitForTabScreen(app));
    expectSignedInAs("new@keelbox.org");
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->text, L("ok to login"));
}

TEST_F(AccountRegistration, ByPhoneWithTheSmsCodeAndTheResendCountDownEndsSignedIn) {
    ASSERT_TRUE(app.screen().type(kPhone));
    ASSERT_TRUE(app.screen().tap(reg->nextStep()));
    ASSERT_TRUE(app.screen().waitWhileTimePasses([&] {
        return topScreenAs<PhoneReg>(app) != nullptr;
    }, kAnswerSeconds)) << app.screen().describe();
    auto phone = topScreenAs<PhoneReg>(app);
    EXPECT_EQ(phone->phoneNumberLabel()->text(), kPhone);

    // The resend button counts down one number a second, then opens.
    auto resend = phone->smsCodeBtn();
    EXPECT_FALSE(resend->isEnabled());
    // The screen came in while the code's answer arrived: a tick or two may
    // have passed already.
    const int shownAtArrival = phone->retainingTime() + 1;
    EXPECT_GE(shownAtArrival, 55);
    EXPECT_EQ(resend->currentTitle(), PhoneReg::countDownTitle(shownAtArrival));
    app.screen().wait(shownAtArrival - 1);
    EXPECT_FALSE(resend->isEnabled());
    EXPECT_EQ(resend->currentTitle(), PhoneReg::countDownTitle(1));
    app.screen().wait(1.0);
    EXPECT_TRUE(resend->isEnabled());
    EXPECT_EQ(resend->currentTitle(), L("resend the verified code"));

    const auto firstCode = app.peers().accounts().smsCode(kPhone);
    ASSERT_TRUE(app.screen().tap(resend));
    ASSERT_TRUE(app.screen().waitUntil([&] { return !resend->isEnabled(); }, kAnswerSeconds));
    EXPECT_EQ(resend->currentTitle(), PhoneReg::countDownTitle(60)) << "a confirmed resend starts again at 60";
    const auto code = app.peers().accounts().smsCode(kPhone);
    ASSERT_TRUE(code);
    EXPECT_NE(code, firstCode);

    ASSERT_TRUE(fill(app, phone->smsInput(), *code));
    ASSERT_TRUE(app.screen().pressReturn());
    EXPECT_TRUE(phone->pswInput()->isFirstResponder());
    ASSERT_TRUE(app.screen().type("Secret123"));
    ASSERT_TRUE(app.screen().tap(phone->completeButton()));
    ASSERT_TRUE(waitForTabScreen(app)) << "the screen that left still brings the user to the tabs";
    expectSignedInAs(kPhone);
    EXPECT_EQ(app.screen().toast()->text, L("ok to login"));
}

TEST_F(AccountRegistration, EmptyInputIsRefusedBeforeAnythingIsSent) {
    ASSERT_TRUE(app.screen().pressReturn());
    EXPECT_FALSE(app.screen().toast()) << "return with no number does nothing";
    ASSERT_TRUE(app.screen().tap(reg->nextStep()));
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->text, L("the phone number is nil"));
    app.screen().wait(2.0);

    reg->segmentControl()->setSelectedIndex(1);
    reg->segmentControlValueChange();
    app.screen().wait(0.5);
    ASSERT_TRUE(app.screen().tap(reg->completeReg()));
    EXPECT_EQ(app.screen().toast()->text, L("name or psw is null"));
    EXPECT_TRUE(app.peers().accounts().calls().empty());

    auto phone = PhoneReg::create();
    phone->setPhoneNumber(kPhone);
    app.push(phone);
    phone->smsInput()->setText("123456");
    ASSERT_TRUE(app.screen().tap(phone->completeButton()));
    EXPECT_EQ(app.screen().toast()->text, L("the verified code or psw is nil"));
    app.screen().wait(2.0);
    ASSERT_TRUE(app.screen().tap(phone->pswInput()));
    ASSERT_TRUE(app.screen().pressReturn());
    EXPECT_FALSE(phone->pswInput()->isFirstResponder()) << "return with no password only hides the keyboard";
    EXPECT_TRUE(app.peers().accounts().calls().empty());
}

}  // namespace
}  // namespace keelbox::test
