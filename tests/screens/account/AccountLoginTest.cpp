// The account login screen against the emulated account service: a sign-in
// lists the account's routers and returns to the tabs with the ticket kept
// until sign-out; a captcha the service demands is shown, a wrong one is
// refused and the right one passes; empty fields, the skip button and the
// password-recovery page.
#include <gtest/gtest.h>

#include "core/app/TAVORouterPreference.h"
#include "core/app/TAVOViewControllerState.h"
#include "emulator/AccountWire.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/Bundle.h"
#include "platform/ui/Application.h"
#include "protocol/TAVORequestNumber.h"
#include "screens/account/TAVOAccountWebAddresses.h"
#include "screens/account/TAVOArdoAccountLoginViewController.h"
#include "screens/account/TAVOArdoAccountRegViewController.h"
#include "tests/screens/account/AccountScreensSupport.h"

namespace keelbox::test {
namespace {

using Login = TAVOArdoAccountLoginViewController;

class AccountLogin : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(app.launch());
        login = jumpTo<Login>(app, &TAVOAppJumper::jumpToRemoteAccountPage);
        ASSERT_TRUE(login);
    }
    void signInWith(const std::string& name, const std::string& password) {
        ASSERT_TRUE(fill(app, login->accountField(), name));
        ASSERT_TRUE(fill(app, login->passwdField(), password));
        ASSERT_TRUE(app.screen().tap(login->okButton()));
    }
    std::size_t loginCalls() {
        std::size_t n = 0;
        for (const auto& call : app.peers().accounts().calls()) n += call.method == "UserIntf.login";
        return n;
    }
    bool waitForCaptchaPicture(const std::string& previousSC) {
        return app.screen().waitUntil([&] {
            return login->codeImageView() && login->codeImageView()->image() && login->codeSC() != previousSC;
        }, kAnswerSeconds);
    }

    AppFixture app;
    std::shared_ptr<Login> login;
};

TEST_F(AccountLogin, ASignInListsTheRoutersReturnsToTheTabsAndKeepsTheTicketUntilSignOut) {
    EXPECT_TRUE(login->forceLogin());
    EXPECT_FALSE(login->navBar()->rightBarButtonItem()) << "a forced login cannot be skipped";
    signInWith(EmulatedPeers::kDemoUser, EmulatedPeers::kDemoPassword);
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->text, L("in login progress"));

    ASSERT_TRUE(waitForTabScreen(app)) << "the pushed login goes back to the screen under it";
    auto toast = app.screen().toast();
    ASSERT_TRUE(toast);
    EXPECT_EQ(toast->text, L("ok to login"));
    EXPECT_EQ(toast->view->superview(), app.window()) << "it outlives the login screen";

    auto facade = TAVOAccountManager::shareInstance();
    auto account = facade->currentAccountData();
    ASSERT_TRUE(account);
    EXPECT_EQ(account->username(), EmulatedPeers::kDemoUser);
    EXPECT_FALSE(facade->currentRoutersList().empty());
    ASSERT_TRUE(facade->currentRouter()) << "the first router of the list becomes current";
    EXPECT_TRUE(facade->currentRouter()->isManagedByArdoAccount);

    auto preferences = TAVORouterPreference::shareInstance();
    EXPECT_EQ(preferences->lastArdoAccountName(), std::optional<std::string>(EmulatedPeers::kDemoUser));
    const ns::Value stored = preferences->getQT();
    EXPECT_EQ(stored["q"].stringValue(), account->q());
    EXPECT_EQ(stored["t"].stringValue(), account->t());

    facade->quitArdoAccount();
    EXPECT_TRUE(preferences->getQT().isNil()) << "sign-out clears the stored ticket";
}

TEST_F(AccountLogin, ACaptchaTheServiceDemandsIsShownAWrongOneRefusedAndTheRightOnePasses) {
    // The service demands a captcha after two failed sign-ins of a name.
    for (int attempt = 0; attempt < 2; ++attempt) {
        signInWith(EmulatedPeers::kDemoUser, "wrong");
        ASSERT_TRUE(waitForToast(app, "wrong user name or password"));
        app.screen().wait(2.0);
        EXPECT_FALSE(login->isShowingCaptcha());
    }
    signInWith(EmulatedPeers::kDemoUser, "wrong");
    ASSERT_TRUE(waitForCaptchaPicture(""));
    EXPECT_TRUE(login->isShowingCaptcha());
    EXPECT_EQ(login->bgView()->frame().size.height, Login::kBoxHeightWithCaptcha);
    EXPECT_EQ(login->accountField()->text(), EmulatedPeers::kDemoUser) << "the stored last name comes back";
    EXPECT_EQ(login->passwdField()->text(), "") << "the rebuilt password row starts empty";
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->text, Login::kCaptchaPromptText);

    // Return in the captcha field does not sign in.
    const std::size_t before = loginCalls();
    ASSERT_TRUE(fill(app, login->authCodeField(), "0000"));
    ASSERT_TRUE(app.screen().pressReturn());
    EXPECT_EQ(loginCalls(), before);

    std::string sc = login->codeSC();
    ASSERT_TRUE(fill(app, login->passwdField(), EmulatedPeers::kDemoPassword));
    ASSERT_TRUE(app.screen().tap(login->okButton()));
    ASSERT_TRUE(waitForToast(app, Login::kCaptchaAgainText)) << "a wrong captcha is refused";
    ASSERT_TRUE(waitForCaptchaPicture(sc)) << "and a new one is shown";
    EXPECT_EQ(app.peers().accounts().calls().back().method, "UserIntf.getCaptcha");

    const auto code = app.peers().accounts().lastCaptchaCode();
    ASSERT_TRUE(code);
    ASSERT_TRUE(fill(app, login->authCodeField(), *code));
    ASSERT_TRUE(app.screen().tap(login->okButton()));
    ASSERT_TRUE(waitForTabScreen(app));
    ASSERT_TRUE(TAVOAccountManager::shareInstance()->currentAccountData());
    std::string sentCode;
    for (const auto& call : app.peers().accounts().calls())
        if (call.method == "UserIntf.login") sentCode = emulator::paramValue(call.params, "uc");
    EXPECT_EQ(sentCode, *code);
}

TEST_F(AccountLogin, EmptyFieldsAreRefusedBeforeAnythingIsSent) {
    struct Case {
        const char* name;
        const char* password;
    };
    for (const auto& c : std::vector<Case>{{"", "secret"}, {"demo", ""}, {"", ""}}) {
        SCOPED_TRACE(std::string(c.name) + "/" + c.password);
        login->accountField()->setText(c.name);
        login->passwdField()->setText(c.password);
        ASSERT_TRUE(app.screen().tap(login->okButton()));
        ASSERT_TRUE(app.screen().toast());
        EXPECT_EQ(app.screen().toast()->text, L("name or psw is null"));
        EXPECT_EQ(app.screen().toast()->type, CustomizedHUDTypeWarning);
        app.screen().wait(2.0);
    }
    EXPECT_EQ(loginCalls(), 0u);
    // Return in the password field with an empty password only ends editing.
    ASSERT_TRUE(app.screen().tap(login->passwdField()));
    ASSERT_TRUE(app.screen().pressReturn());
    EXPECT_FALSE(login->passwdField()->isFirstResponder());
    EXPECT_FALSE(app.screen().toast());
}

TEST_F(AccountLogin, ThePasswordRecoveryPageIsAlwaysOpenedOverHttps) {
    auto application = ui::Application::existing();
    ASSERT_TRUE(application);
    ASSERT_TRUE(app.screen().tap(login->forgetPswButton()));
    ASSERT_FALSE(application->openedURLs().empty());
    EXPECT_EQ(application->openedURLs().back(), TAVOAccountWebAddresses::kDefaultPasswordRecovery);

    // A deployment that names a plain-HTTP page still gets the secure one.
    app.peers().setDeploymentValue(ns::Bundle::deploymentEnvironmentName(TAVOAccountWebAddresses::kPasswordRecoveryName),
                                   "http://accounts.example.org/findpwd/");
    ASSERT_TRUE(app.screen().tap(login->forgetPswButton()));
    EXPECT_EQ(application->openedURLs().back(), "https://accounts.example.org/findpwd/");

    struct Case {
        const char* given;
        const char* opened;
    };
    for (const auto& c : std::vector<Case>{{"HTTP://a.example/findpwd/", "https://a.example/findpwd/"},
                                           {"https://a.example/findpwd/", "https://a.example/findpwd/"},
                                           {"a.example/findpwd/", "https://a.example/findpwd/"}})
        EXPECT_EQ(TAVOAccountWebAddresses::secured(c.given), c.opened) << c.given;
}

TEST_F(AccountLogin, RegistrationIsPushedFromTheLoginScreen) {
    ASSERT_TRUE(app.screen().tap(login->regButton()));
    app.screen().wait(1.0);
    EXPECT_TRUE(topScreenAs<TAVOArdoAccountRegViewController>(app));
}

// A router reached on the home network carries a ticket: the sign-in binds
// it to the account instead of listing the routers.
TEST(AccountLoginBinding, ASignInWithALocalRouterBindsItToTheAccount) {
    AppFixture app;
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi}));
    // Over the tabs, so that the first screen hears nothing of the router's
    // login sent below.
    TAVOViewControllerState::backToTabViewController();
    app.screen().wait(1.0);
    auto facade = TAVOAccountManager::shareInstance();
    // The dashboard's speed measurement goes out with no router chosen; its
    // refusal is heard before a router is, or the error system would take
    // it for the new router's and ask to sign in again.
    auto provider = facade->dataProvider(1);
    ASSERT_TRUE(app.screen().waitUntil([&] { return provider->remoteRequests().empty(); }, kAnswerSeconds));
    auto local = TAVORouterModel::create();
    local->router_id = EmulatedPeers::kHomeRouter;
    local->setAdminPsw("admin1234");
    // The router's own login gives the ticket the binding is sent with.
    (void)provider->reqData(TAVORequestNumber::RouterBind, ns::Value::dictionary({{"router", ns::Value(local)}}));
    ASSERT_TRUE(app.screen().waitUntil([&] { return provider->remoteRequests().empty(); }, kAnswerSeconds));
    auto router = app.peers().state().router(EmulatedPeers::kHomeRouter);
    ASSERT_TRUE(router && router->tickets.size() == 1u);
    local->ticket = *router->tickets.begin();
    facade->setLocalRouter(local);
    facade->setCurrentRouter(local);
    ASSERT_FALSE(facade->currentRouter()->ticket.empty());

    auto login = jumpTo<Login>(app, &TAVOAppJumper::jumpToRemoteAccountPage);
    ASSERT_TRUE(login);
    ASSERT_TRUE(fill(app, login->accountField(), EmulatedPeers::kDemoUser));
    ASSERT_TRUE(fill(app, login->passwdField(), EmulatedPeers::kDemoPassword));
    ASSERT_TRUE(app.screen().tap(login->okButton()));
    ASSERT_TRUE(waitForTabScreen(app));
    std::size_t binds = 0;
    for (const auto& call : app.peers().router().calls()) binds += call.cmd == "device.bind";
    EXPECT_EQ(binds, 1u);
    ASSERT_TRUE(facade->currentRouter());
    EXPECT_TRUE(facade->currentRouter()->isManagedByArdoAccount);
    EXPECT_EQ(facade->currentRouter()->router_id, EmulatedPeers::kHomeRouter);
}

TEST(AccountLoginSkip, AnOptionalLoginCanBeSkippedToTheTabs) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    auto login = Login::create();
    login->setForceLogin(false);
    app.push(login);
    auto ignore = login->navBar()->rightBarButtonItem();
    ASSERT_TRUE(ignore);
    EXPECT_EQ(ignore->titleForState(ui::ControlStateNormal), std::optional<std::string>(L("ignore")));
    ASSERT_TRUE(app.screen().tap(ignore));
    app.screen().wait(1.0);
    EXPECT_TRUE(tabScreenOnTop(app));
}

}  // namespace
}  // namespace keelbox::test
