// The admin password screen: the 8-16 rules checked before anything is
// sent, the change through the router, and the new ticket and password
// kept on the router record and in the stored local-router list.
#include "screens/account/TAVORouterAdminPwdViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "platform/ui/NavigationController.h"
#include "tests/screens/account/SettingsScreensFixture.h"
#include "widgets/TAVOScreenClassRegistry.h"

namespace keelbox::test {
namespace {

using AdminPassword = SettingsScreens;

void fill(const std::shared_ptr<TAVORouterAdminPwdViewController>& screen, const std::string& old,
          const std::string& newer, const std::string& confirm) {
    screen->oldPwdField()->setText(old);
    screen->newerPwdField()->setText(newer);
    screen->confirmPwdFiled()->setText(confirm);
}

TEST_F(AdminPassword, WrongLengthsAndMismatchesAreRefusedBeforeSending) {
    auto screen = show(TAVORouterAdminPwdViewController::create());
    EXPECT_TRUE(screen->oldPwdField()->isFirstResponder());
    const std::string lengthWrong = TAVOLocalizedString("router pwd length is wrong");
    struct Case {
        const char* old;
        const char* newer;
        const char* confirm;
        std::string toast;
    };
    const std::vector<Case> cases{
        {"admin12", "newpass123", "newpass123", lengthWrong},            // current one of 7
        {"admin1234", "newpass1234567890", "newpass1234567890", lengthWrong},  // new one of 17
        {"admin1234", "newpass123", "newpass124", TAVOLocalizedString("the twice pwds are not the same")},
        {"admin1234", "short", "short", lengthWrong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.newer);
        fill(screen, c.old, c.newer, c.confirm);
        ASSERT_TRUE(app.screen().tap(screen->completeBtn()));
        auto toast = app.screen().toast();
        ASSERT_TRUE(toast);
        EXPECT_EQ(toast->text, c.toast);
        EXPECT_EQ(toast->type, CustomizedHUDTypeWarning);
        app.screen().wait(1.5);
    }
    EXPECT_EQ(callsTo("login.loginChange"), 0u);
}

TEST_F(AdminPassword, TheChangeKeepsTheNewTicketAndPassword) {
    auto facade = TAVOAccountManager::shareInstance();
    auto router = facade->currentRouter();
    router->bssid = "aa:bb:cc:00:00:01";
    auto screen = show(TAVORouterAdminPwdViewController::create());
    // Typed as a person types: return moves on to the next field.
    ASSERT_TRUE(app.screen().type("admin1234"));
    ASSERT_TRUE(app.screen().pressReturn());
    EXPECT_TRUE(screen->newerPwdField()->isFirstResponder());
    ASSERT_TRUE(app.screen().type("newpass123"));
    ASSERT_TRUE(app.screen().pressReturn());
    EXPECT_TRUE(screen->confirmPwdFiled()->isFirstResponder());
    ASSERT_TRUE(app.screen().type("newpass123"));
    ASSERT_TRUE(app.screen().pressReturn());  // a filled confirm field submits
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->text, TAVOLocalizedString("submit the update admin pwd"));

    ASSERT_TRUE(until([&] { return app.screen().navigationStack().back() != screen; })) << app.screen().describe();
    ASSERT_TRUE(app.screen().toast());
    EXPECT_EQ(app.screen().toast()->text, TAVOLocalizedString("pwd is update ok"));
    EXPECT_EQ(app.screen().toast()->view->superview(), app.window()) << "it outlives the screen";

    const auto emulatedRouter = emulated();
    EXPECT_EQ(emulatedRouter.adminPassword, "newpass123");
    ASSERT_EQ(emulatedRouter.tickets.size(), 1u);
    EXPECT_EQ(router->ticket, *emulatedRouter.tickets.begin());
    EXPECT_EQ(router->adminPsw(), "newpass123");
    EXPECT_EQ(facade->statusLisener()->adminPasswordSafety(), 0);
    auto preference = TAVORouterPreference::shareInstance();
    preference->waitForFileOperations();
    ns::Dictionary probe;
    probe.set(kLocalRouterBssid, router->bssid);
    const ns::Value stored = preference->getLocalRouterInfoAccording(probe);
    EXPECT_EQ(stored[kLocalRouterTicket].stringValue(), router->ticket);
    EXPECT_EQ(stored[kLocalRouterAdmin].stringValue(), "newpass123");
    EXPECT_EQ(stored[kLocalRouterRouterId].stringValue(), routerId);
}

TEST_F(AdminPassword, ARefusedChangeKeepsTheScreenAndTheFields) {
    auto facade = TAVOAccountManager::shareInstance();
    const std::string ticketBefore = facade->currentRouter()->ticket;
    auto screen = show(TAVORouterAdminPwdViewController::create());
    fill(screen, "wrongpass1", "newpass123", "newpass123");
    ASSERT_TRUE(app.screen().tap(screen->completeBtn()));
    ASSERT_TRUE(until([&] {
        auto toast = app.screen().toast();
        return toast && toast->type == CustomizedHUDTypeWarning;
    }));
    EXPECT_EQ(app.screen().toast()->text, TAVOLocalizedString("old pwd is wrong"));
    EXPECT_EQ(app.screen().navigationStack().back(), screen);
    EXPECT_EQ(screen->newerPwdField()->text(), "newpass123");
    EXPECT_EQ(facade->currentRouter()->ticket, ticketBefore);
    EXPECT_EQ(emulated().adminPassword, "admin1234");
}

TEST_F(AdminPassword, ReturnInAnEmptyConfirmFieldOnlyClosesTheKeyboard) {
    auto screen = show(TAVORouterAdminPwdViewController::create());
    screen->confirmPwdFiled()->becomeFirstResponder();
    ASSERT_TRUE(app.screen().pressReturn());
    EXPECT_FALSE(screen->confirmPwdFiled()->isFirstResponder());
    EXPECT_FALSE(app.screen().toast());
}

TEST_F(AdminPassword, OtherModulesOpenItByName) {
    auto screen = TAVOScreenClassRegistry::create("TAVORouterAdminPwdViewController");
    EXPECT_TRUE(std::dynamic_pointer_cast<TAVORouterAdminPwdViewController>(screen));
}

}  // namespace
}  // namespace keelbox::test
