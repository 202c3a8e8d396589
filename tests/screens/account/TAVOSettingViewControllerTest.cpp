// The settings screen: its rows by account and router state and what each
// opens, the LED switch, restart and factory reset with their confirmation,
// count-down and the router coming back, the firmware row, and signing out.
#include "screens/account/TAVOSettingViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "platform/ui/NavigationController.h"
#include "protocol/records/TAVORouterRomUpdataInfo.h"
#include "screens/account/TAVOAboutViewController.h"
#include "screens/account/TAVOFeedbackViewController.h"
#include "screens/account/TAVORouterAdminPwdViewController.h"
#include "screens/account/TAVORouterInfoViewController.h"
#include "screens/account/TAVOUpgradeViewController.h"
#include "tests/screens/account/SettingsScreensFixture.h"
#include "widgets/TAVOScreenClassRegistry.h"
#include "widgets/TAVOSettingCell.h"
#include "widgets/TAVOSettingSwitchCell.h"

namespace keelbox::test {
namespace {

using Row = TAVOSettingViewController::Row;

class Settings : public SettingsScreens {
protected:
    // As the dashboard shows it: presented in a navigation controller of its own.
    void open() {
        screen = TAVOSettingViewController::create();
        nav = ui::NavigationController::create(screen);
        nav->setNavigationBarHidden(true);
        app.screen().navigationStack().back()->presentViewController(nav, false);
        app.screen().wait(0.5);
    }
    ui::TableViewCellPtr cell(long row, long section) {
        return screen->tableView()->cellForRowAtIndexPath(ui::IndexPath::indexPathForRow(row, section));
    }
    bool select(long row, long section) {
        return app.screen().selectRow(screen->tableView(), ui::IndexPath::indexPathForRow(row, section));
    }
    std::shared_ptr<TAVOSettingViewController> screen;
    std::shared_ptr<ui::NavigationController> nav;
};

TEST_F(Settings, RowsFollowTheAccountAndTheRouter) {
    open();
    auto& table = *screen->tableView();
    EXPECT_EQ(screen->rowAt(ui::IndexPath::indexPathForRow(0, 0)), Row::Account);
    EXPECT_EQ(screen->rowAt(ui::IndexPath::indexPathForRow(1, 0)), Row::RoutersList);
    EXPECT_EQ(table.numberOfRowsInSection(1), 5);
    EXPECT_EQ(table.numberOfRowsInSection(3), 2);
    auto rom = std::dynamic_pointer_cast<TAVOSettingCell>(cell(4, 1));
    ASSERT_TRUE(rom);
    EXPECT_EQ(rom->subTitle(), TAVOLocalizedString("current router version is") + emulated().romVersion);
    auto app_ = std::dynamic_pointer_cast<TAVOSettingCell>(cell(0, 2));
    ASSERT_TRUE(app_);
    EXPECT_EQ(app_->subTitle(), TAVOLocalizedString("current version is") + "1.0");
    EXPECT_FALSE(app_->isLatestVersionLabel()->isHidden());
    EXPECT_TRUE(app_->accessorView()->isHidden());
    auto led = std::dynamic_pointer_cast<TAVOSettingSwitchCell>(cell(3, 1));
    ASSERT_TRUE(led);
    EXPECT_EQ(led->space_between(), 9);
    EXPECT_EQ(led->switchControl()->isOn(), emulated().model["led"].intValue() != 0);

    // A router that cannot be managed: no router rows, no header over them.
    TAVOAccountManager::shareInstance()->setCurrentRouterCriticalErrorCode(100002);
    table.reloadData();
    EXPECT_EQ(table.numberOfRowsInSection(1), 0);
    EXPECT_EQ(table.numberOfRowsInSection(3), 0);
    EXPECT_EQ(screen->heightForHeaderInSection(table, 1), 0);
    EXPECT_EQ(screen->heightForHeaderInSection(table, 3), TAVOSettingViewController::kSectionHeaderHeight);
    EXPECT_EQ(screen->heightForHeaderInSection(table, 0), 0);
}

TEST_F(Settings, RowsOpenTheirScreens) {
    open();
    struct Case {
        long row, section;
        std::function<bool(const ui::ViewControllerPtr&)> opened;
    };
    const std::vector<Case> cases{
        {0, 1, [](auto s) { return !!std::dynamic_pointer_cast<TAVORouterInfoViewController>(s); }},
        {1, 1, [](auto s) { return !!std::dynamic_pointer_cast<TAVORouterAdminPwdViewController>(s); }},
        {1, 2, [](auto s) { return !!std::dynamic_pointer_cast<TAVOFeedbackViewController>(s); }},
        {2, 2, [](auto s) { return !!std::dynamic_pointer_cast<TAVOAboutViewController>(s); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row + 10 * c.section);
        ASSERT_TRUE(select(c.row, c.section));
        app.screen().wait(1.0);
        EXPECT_TRUE(c.opened(nav->viewControllers().back()));
        nav->popToRootViewControllerAnimated(false);
        app.screen().wait(1.0);
    }
    // The routers list belongs to another module; not there, nothing opens.
    ASSERT_TRUE(select(1, 0));
    app.screen().wait(1.0);
    EXPECT_EQ(nav->viewControllers().size(), TAVOScreenClassRegistry::isRegistered("TAVORoutersListViewController") ? 2u : 1u);
}

TEST_F(Settings, TheLEDSwitchAsksTheRouterAndARefusalPutsItBack) {
    open();
    const bool lit = emulated().model["led"].intValue() != 0;
    auto led = std::dynamic_pointer_cast<TAVOSettingSwitchCell>(cell(3, 1));
    ASSERT_TRUE(led);
    ASSERT_TRUE(app.screen().tap(led->switchControl()));
    EXPECT_EQ(screen->currentLEDState(), lit ? 0 : 1);
    ASSERT_TRUE(until([&] { return (emulated().model["led"].intValue() != 0) != lit; }));

    emulator::CallFault refused;
    refused.errcode = -1;
    refused.errdesc = "LED busy";
    fault("router.ledControl", refused);
    led = std::dynamic_pointer_cast<TAVOSettingSwitchCell>(cell(3, 1));
    ASSERT_TRUE(app.screen().tap(led->switchControl()));
    ASSERT_TRUE(until([&] { return screen->currentLEDState() == (lit ? 0 : 1) && app.screen().toast(); }));
    app.screen().wait(0.1);
    led = std::dynamic_pointer_cast<TAVOSettingSwitchCell>(cell(3, 1));
    EXPECT_EQ(led->switchControl()->isOn(), !lit) << "the switch shows the state restored";
}

TEST_F(Settings, RestartAndResetAskThenCountDownWhileTheRouterComesBack) {
    struct Case {
        long row;
        const char* message;
        const char* countDown;
        const char* call;
    };
    for (const auto& c : std::vector<Case>{{0, "will restart router", "restart progress", "router.reboot"},
                                           {1, "will reset router", "reset progress", "router.factoryReset"}}) {
        SCOPED_TRACE(c.call);
        open();
        ASSERT_TRUE(select(c.row, 3));
        auto alert = app.screen().alert();
        ASSERT_TRUE(alert);
        EXPECT_EQ(alert->title(), TAVOLocalizedString("dialog reminder"));
        EXPECT_EQ(alert->message(), TAVOLocalizedString(c.message));
        ASSERT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("NO")));
        app.screen().wait(0.5);
        EXPECT_EQ(callsTo(c.call), 0u);

        ASSERT_TRUE(select(c.row, 3));
        ASSERT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("YES")));
        ASSERT_TRUE(until([&] { return screen->countDownView() != nullptr; })) << app.screen().describe();
        EXPECT_EQ(callsTo(c.call), 1u);
        EXPECT_EQ(screen->countDownView()->contentLabel()->text(), TAVOLocalizedString(c.countDown));
        EXPECT_GT(emulated().model["restarting_calls"].intValue(), 0) << "the router is away";

        // The status poll keeps asking; the router answers again meanwhile.
        auto away = [&] { return emulated().model["restarting_calls"].intValue(); };
        for (int i = 0; i < 18 && away() > 0; ++i) advanceAnswered(5.0);
        EXPECT_EQ(away(), 0);
        app.screen().wait(TAVOSettingViewController::kRestartSeconds);
        EXPECT_FALSE(screen->countDownView());
        nav->dismissViewControllerAnimated(false);
        app.screen().wait(1.0);
        app.peers().state().withRouter(routerId, [](emulator::EmulatedRouter& r) { r.initialised = true; });
    }
}

TEST_F(Settings, TheFirmwareRowChecksQuietlyOnAppearAndOpensTheUpgradeOnceKnown) {
    app.peers().state().withRouter(routerId, [](emulator::EmulatedRouter& r) {
        r.model.set("rom", ns::Value::dictionary({{"is_update", 0}}));
    });
    TAVOAccountManager::shareInstance()->currentRouter()->updateInfo = nullptr;
    open();
    ASSERT_TRUE(until([&] { return callsTo("system.checkUpdate") >= 1; }));
    app.screen().wait(0.5);
    EXPECT_FALSE(app.screen().toast()) << "quiet on appearing";
    ASSERT_TRUE(select(4, 1));
    ASSERT_TRUE(until([&] { return app.screen().toast().has_value(); }));
    EXPECT_EQ(app.screen().toast()->text, TAVOLocalizedString("this is the latest version"));
    app.screen().wait(1.5);  // the toast goes

    auto offered = TAVORouterRomUpdataInfo::create();
    offered->update_type = 1;
    offered->version = "2.0.0";
    TAVOAccountManager::shareInstance()->currentRouter()->updateInfo = offered;
    screen->tableView()->reloadData();
    auto rom = std::dynamic_pointer_cast<TAVOSettingCell>(cell(4, 1));
    EXPECT_FALSE(rom->hasNewVersionView()->isHidden());
    ASSERT_TRUE(select(4, 1));
    app.screen().wait(1.0);
    EXPECT_TRUE(std::dynamic_pointer_cast<TAVOUpgradeViewController>(nav->viewControllers().back()));
}

TEST_F(Settings, SigningOutClearsTheTicketAndReturnsToTheFirstScreen) {
    open();
    ASSERT_TRUE(select(0, 0));
    auto alert = app.screen().alert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->message(), TAVOLocalizedString("make sure to quit ArdoID"));
    ASSERT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("sure")));
    app.screen().wait(1.0);
    EXPECT_FALSE(TAVOAccountManager::shareInstance()->currentAccountData());
    EXPECT_TRUE(TAVORouterPreference::shareInstance()->accountDic()["q"].stringValue().empty());
    EXPECT_FALSE(nav->presentingViewController()) << "the settings are gone";
    EXPECT_EQ(app.screen().navigationStack().size(), 1u) << "back at the first screen";
}

}  // namespace
}  // namespace keelbox::test
