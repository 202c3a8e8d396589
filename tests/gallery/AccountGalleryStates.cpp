// The account screens: the login empty, filled, waiting, refused and with
// its captcha; registration by phone and by e-mail with its captcha; the
// phone step counting down; the router binding while it looks for the
// router, with the router found, asking for the password, refusing it, and
// with no router found; the Wi-Fi help.
#include <gtest/gtest.h>

#include "core/errors/TAVOAppJumper.h"
#include "emulator/Fault.h"
#include "screens/account/TAVOArdoAccountLoginViewController.h"
#include "screens/account/TAVOArdoAccountPhoneRegViewController.h"
#include "screens/account/TAVOArdoAccountRegViewController.h"
#include "screens/account/TAVOBindRouterPswViewController.h"
#include "screens/account/TAVOGetWIFIHelpViewController.h"
#include "tests/gallery/GalleryRegistry.h"
#include "tests/screens/account/AccountScreensSupport.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;
using test::EmulatedPeers;
using Login = TAVOArdoAccountLoginViewController;
using Reg = TAVOArdoAccountRegViewController;
using PhoneReg = TAVOArdoAccountPhoneRegViewController;
using Bind = TAVOBindRouterPswViewController;

std::shared_ptr<Login> loginShown(AppFixture& app, bool force = true) {
    EXPECT_TRUE(app.launch());
    auto login = Login::create();
    login->setForceLogin(force);
    app.push(login);
    return login;
}

void typeSignIn(AppFixture& app, const std::shared_ptr<Login>& login, const std::string& password) {
    EXPECT_TRUE(test::fill(app, login->accountField(), EmulatedPeers::kDemoUser));
    EXPECT_TRUE(test::fill(app, login->passwdField(), password));
}

// Two refused sign-ins, then a third: the service wants a captcha.
std::shared_ptr<Login> captchaShown(AppFixture& app) {
    auto login = loginShown(app);
    for (int attempt = 0; attempt < 3; ++attempt) {
        typeSignIn(app, login, "wrong");
        EXPECT_TRUE(app.screen().tap(login->okButton()));
        app.screen().waitUntil([&] { return app.screen().toast() && app.screen().toast()->type == 1; },
                               test::kAnswerSeconds);
        app.screen().wait(2.0);
    }
    EXPECT_TRUE(app.screen().waitUntil([&] { return login->codeImageView() && login->codeImageView()->image(); },
                                       test::kAnswerSeconds));
    return login;
}

std::shared_ptr<Reg> regShown(AppFixture& app) {
    EXPECT_TRUE(app.launch());
    auto reg = Reg::create();
    app.push(reg);
    app.screen().wait(0.5);
    return reg;
}

std::shared_ptr<Bind> bindShown(AppFixture& app, const std::string& wifi = EmulatedPeers::kHomeWiFi) {
    EXPECT_TRUE(app.launch({.wifi = wifi}));
    auto bind = Bind::create();
    bind->setIsCheckRouterArdoAccount(false);
    app.push(bind);
    return bind;
}

void checkAnswered(AppFixture& app, const std::shared_ptr<Bind>& bind) {
    EXPECT_TRUE(app.screen().waitUntil([&] { return !bind->provider(); }, test::kAnswerSeconds));
}

}  // namespace

void registerAccountGalleryStates() {
    GalleryRegistry::add("account_login_empty", [](AppFixture& app) { loginShown(app, false); });
    GalleryRegistry::add("account_login_filled", [](AppFixture& app) {
        auto login = loginShown(app);
        typeSignIn(app, login, EmulatedPeers::kDemoPassword);
    });
    GalleryRegistry::add("account_login_waiting", [](AppFixture& app) {
        app.peers().accounts().server().setFault("/api.php", emulator::Fault::stalling());
        auto login = loginShown(app);
        typeSignIn(app, login, EmulatedPeers::kDemoPassword);
        EXPECT_TRUE(app.screen().tap(login->okButton()));
    });
    GalleryRegistry::add("account_login_wrong_password", [](AppFixture& app) {
        auto login = loginShown(app);
        typeSignIn(app, login, "wrong");
        EXPECT_TRUE(app.screen().tap(login->okButton()));
        test::waitForToast(app, "wrong user name or password");
    });
    GalleryRegistry::add("account_login_empty_fields", [](AppFixture& app) {
        auto login = loginShown(app);
        EXPECT_TRUE(app.screen().tap(login->okButton()));
    });
    GalleryRegistry::add("account_login_captcha", [](AppFixture& app) { captchaShown(app); });
    GalleryRegistry::add("account_login_captcha_wrong", [](AppFixture& app) {
        auto login = captchaShown(app);
        app.screen().wait(2.0);
        EXPECT_TRUE(test::fill(app, login->passwdField(), EmulatedPeers::kDemoPassword));
        EXPECT_TRUE(test::fill(app, login->authCodeField(), "0000"));
        const std::string sc = login->codeSC();
        EXPECT_TRUE(app.screen().tap(login->okButton()));
        EXPECT_TRUE(app.screen().waitUntil([&] { return login->codeSC() != sc; }, test::kAnswerSeconds));
    });

    GalleryRegistry::add("account_reg_phone", [](AppFixture& app) { regShown(app); });
    GalleryRegistry::add("account_reg_phone_empty", [](AppFixture& app) {
        auto reg = regShown(app);
        EXPECT_TRUE(app.screen().tap(reg->nextStep()));
    });
    GalleryRegistry::add("account_reg_email", [](AppFixture& app) {
        regShown(app);
        EXPECT_TRUE(app.screen().tapText(test::L("reg with email")));
        app.screen().wait(0.5);
        EXPECT_TRUE(app.screen().type("new@keelbox.org"));
    });
    GalleryRegistry::add("account_reg_email_captcha", [](AppFixture& app) {
        app.peers().accounts().setCaptchaForEmailRegistration(true);
        auto reg = regShown(app);
        EXPECT_TRUE(app.screen().tapText(test::L("reg with email")));
        app.screen().wait(0.5);
        EXPECT_TRUE(app.screen().type("new@keelbox.org"));
        EXPECT_TRUE(test::fill(app, reg->pswForEmailRegInput(), "Secret123"));
        EXPECT_TRUE(app.screen().tap(reg->completeReg()));
        EXPECT_TRUE(app.screen().waitUntil([&] { return reg->codeImageView() && reg->codeImageView()->image(); },
                                           test::kAnswerSeconds));
    });
    GalleryRegistry::add("account_phone_reg_counting", [](AppFixture& app) {
        EXPECT_TRUE(app.launch());
        auto phone = PhoneReg::create();
        phone->setPhoneNumber("13800138000");
        app.push(phone);
        app.screen().wait(12.0);
    });
    GalleryRegistry::add("account_phone_reg_missing_code", [](AppFixture& app) {
        EXPECT_TRUE(app.launch());
        auto phone = PhoneReg::create();
        phone->setPhoneNumber("13800138000");
        app.push(phone);
        app.screen().wait(61.0);
        EXPECT_TRUE(app.screen().tap(phone->completeButton()));
    });

    GalleryRegistry::add("router_bind_checking", [](AppFixture& app) {
        app.peers().router().setCallFault("init.check", emulator::CallFault{.delaySeconds = 5});
        bindShown(app);
    });
    GalleryRegistry::add("router_bind_found", [](AppFixture& app) { checkAnswered(app, bindShown(app)); });
    GalleryRegistry::add("router_bind_not_set_up", [](AppFixture& app) {
        app.peers().state().withRouter(EmulatedPeers::kHomeRouter,
                                       [](emulator::EmulatedRouter& r) { r.initialised = false; });
        checkAnswered(app, bindShown(app));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("router_bind_password", [](AppFixture& app) {
        auto bind = bindShown(app);
        checkAnswered(app, bind);
        EXPECT_TRUE(app.screen().tap(bind->loginLocalRouterBtn()));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("router_bind_wrong_password", [](AppFixture& app) {
        auto bind = bindShown(app);
        checkAnswered(app, bind);
        EXPECT_TRUE(app.screen().tap(bind->loginLocalRouterBtn()));
        app.screen().wait(1.0);
        auto prompt = bind->loginLocalRouterAlerView();
        EXPECT_TRUE(app.screen().tap(prompt->psw()));
        EXPECT_TRUE(app.screen().type("wrong-one"));
        EXPECT_TRUE(app.screen().pressAlertButton(test::L("connect")));
        EXPECT_TRUE(app.screen().waitWhileTimePasses([&] {
            return bind->loginLocalRouterAlerView() != prompt;
        }, test::kAnswerSeconds));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("router_bind_not_found", [](AppFixture& app) {
        app.peers().router().setCallFault("init.check", emulator::CallFault::error(-1));
        checkAnswered(app, bindShown(app, ""));
    });
    GalleryRegistry::add("wifi_help", [](AppFixture& app) {
        EXPECT_TRUE(app.launch());
        app.push(TAVOGetWIFIHelpViewController::create());
    });
}

}  // namespace keelbox::gallery
