// The account's router list against the emulated cloud: online routers
// first and offline ones marked and unselectable, choosing a router, the
// arrow and the swipe button, unbinding down to no router, and the texts of
// a refused list.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/NavigationController.h"
#include "screens/home/TAVORoutersListViewController.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {
namespace {

constexpr double kAnswerSeconds = 20;

class RoutersListScreen : public ::testing::Test {
protected:
    // Signed in with the demo account (both emulated routers bound), the
    // list presented as the dashboard presents it.
    void open(bool signedIn = true) {
        ASSERT_TRUE(app.launch(signedIn ? LaunchOptions{.storedAccount = EmulatedPeers::kDemoUser} : LaunchOptions{}));
        if (signedIn) {
            ASSERT_TRUE(app.screen().waitUntil([] { return TAVOAccountManager::shareInstance()->currentRouter() != nullptr; },
                                               kAnswerSeconds));
        }
        list = TAVORoutersListViewController::create();
        nav = ui::NavigationController::create(list);
        nav->setNavigationBarHidden(true);
        app.screen().topScreen()->presentViewController(nav, false);
        app.screen().wait(0.1);
    }
    // The answer, then the loading HUD's half second and the table's reload.
    bool listed(std::size_t rows) {
        const auto shown = [&] {
            return list->routersList().size() == rows &&
                   list->tableView()->numberOfRowsInSection(0) == static_cast<long>(rows);
        };
        if (!app.screen().waitUntil([&] { return list->routersList().size() == rows; }, kAnswerSeconds)) return false;
        app.screen().wait(TAVORefreshTableViewController::kLoadingMinSeconds);
        return shown();
    }
    TAVORoutersListItemCellPtr row(long index) {
        return std::dynamic_pointer_cast<TAVORoutersListItemCell>(list->tableView()->cellForRowAtIndexPath(ui::IndexPath{0, index}));
    }
    bool presented() const { return nav->presentingViewController() != nullptr; }

    AppFixture app;
    TAVORoutersListViewControllerPtr list;
    std::shared_ptr<ui::NavigationController> nav;
};

TEST_F(RoutersListScreen, OfflineRoutersComeLastMarkedAndOnlyAnOnlineOneCanBeChosen) {
    // The home router (first in the cloud's reply) goes offline.
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [](emulator::EmulatedRouter& r) { r.online = false; });
    open();
    ASSERT_TRUE(listed(2)) << app.screen().describe();
    EXPECT_EQ(list->routersList()[0]->router_id, EmulatedPeers::kCloudRouter);
    EXPECT_EQ(list->routersList()[1]->router_id, EmulatedPeers::kHomeRouter);
    const std::string offlineTitle = row(1)->titleLabel()->text();
    EXPECT_NE(offlineTitle.find("（" + TAVOLocalizedString("is not online") + "）"), std::string::npos) << offlineTitle;
    EXPECT_EQ(row(0)->titleLabel()->text(), list->routersList()[0]->ssid);

    ASSERT_TRUE(app.screen().selectRow(list->tableView(), ui::IndexPath{0, 1}));
    app.screen().wait(0.5);
    EXPECT_TRUE(presented());

    ASSERT_TRUE(app.screen().selectRow(list->tableView(), ui::IndexPath{0, 0}));
    app.screen().wait(1.0);
    auto current = TAVOAccountManager::shareInstance()->currentRouter();
    ASSERT_TRUE(current);
    EXPECT_EQ(current->router_id, EmulatedPeers::kCloudRouter);
    EXPECT_TRUE(current->isManagedByArdoAccount);
    EXPECT_FALSE(presented());
}

TEST_F(RoutersListScreen, TheArrowOpensAndClosesARowAndUnbindingTheLastRouterLeavesNone) {
    open();
    ASSERT_TRUE(listed(2));
    auto facade = TAVOAccountManager::shareInstance();
    // The current router carries the check mark.
    for (long i = 0; i < 2; ++i)
        EXPECT_EQ(row(i)->iconView()->isHidden(), !facade->currentRouter()->isEqualToRouter(list->routersList()[i])) << i;

    for (int left = 2; left > 0; --left) {
        SCOPED_TRACE(left);
        auto cell = row(0);
        ASSERT_TRUE(app.screen().tap(cell->expendIndicator()));
        app.screen().wait(0.5);
        ASSERT_EQ(cell->cellState(), SlideCellState::Right);
        ASSERT_EQ(cell->rightUtilityButtons().size(), 1u);
        ASSERT_TRUE(app.screen().tap(cell->rightUtilityButtons().front()));
        ASSERT_TRUE(app.screen().alert()) << app.screen().describe();
        ASSERT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("sure")));
        ASSERT_TRUE(listed(static_cast<std::size_t>(left - 1))) << app.screen().describe();
        EXPECT_FALSE(list->willDeleteRouter());
    }
    EXPECT_FALSE(facade->currentRouter());
    EXPECT_TRUE(app.peers().state().routerIdsOfAccount(app.peers().signIn(EmulatedPeers::kDemoUser)->qid).empty());
}

TEST_F(RoutersListScreen, ATappedArrowOfAnOpenRowClosesIt) {
    open();
    ASSERT_TRUE(listed(2));
    auto cell = row(1);
    ASSERT_TRUE(app.screen().tap(cell->expendIndicator()));
    app.screen().wait(0.5);
    EXPECT_EQ(cell->cellState(), SlideCellState::Right);
    cell->expendIndicatorIsClicked();  // the arrow now sits under the open buttons
    app.screen().wait(0.5);
    EXPECT_EQ(cell->cellState(), SlideCellState::Center);
}

TEST_F(RoutersListScreen, ARefusedListSaysSoAtOnce) {
    open(/*signedIn=*/false);
    auto toast = app.screen().toast();
    ASSERT_TRUE(toast);
    EXPECT_EQ(toast->text, TAVOLocalizedString("request binding routers error"));
    EXPECT_TRUE(list->routersList().empty());
}

}  // namespace
}  // namespace keelbox::test
