// Router screens and list screens: the global router event reaches every
// loaded router screen; a refusing router state refuses router actions
// with a warning toast on the window; a list load keeps its HUD at least
// half a second and updates the view once; the empty-state placeholder.
#include <gtest/gtest.h>

#include "core/app/TAVOAppEventHandler.h"
#include "core/errors/TAVORouterErrorUtility.h"
#include "core/records/TAVORouterModel.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/AppFixture.h"
#include "widgets/TAVORefreshTableViewController.h"

namespace keelbox::test {
namespace {

class RouterScreen : public TAVOWIFIViewControler {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    void handleGlobalRouterEvent(int event) override { events.push_back(event); }
    std::vector<int> events;
};

class ListScreen : public TAVORefreshTableViewController {
public:
    using TAVORefreshTableViewController::TAVORefreshTableViewController;
    void updateView() override {
        ++updates;
        TAVORefreshTableViewController::updateView();
    }
    bool shouldShowBlackIndicator() override { return empty; }
    int updates = 0;
    bool empty = false;
};

TEST(RouterScreens, AGlobalEventReachesEveryLoadedRouterScreen) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    auto shown = ui::ViewController::make<RouterScreen>();
    app.push(shown);
    auto loadedAside = ui::ViewController::make<RouterScreen>();
    loadedAside->view();
    auto notLoaded = ui::ViewController::make<RouterScreen>();
    ns::NotificationCenter::defaultCenter()->postNotificationName(kTAVOGlobalEventNotification, ns::Value(2));
    EXPECT_EQ(shown->events, std::vector<int>{2});
    EXPECT_EQ(loadedAside->events, std::vector<int>{2});
    EXPECT_TRUE(notLoaded->events.empty());
}

TEST(RouterScreens, ARefusingRouterStateRefusesWithAWarningOnTheWindow) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    auto screen = ui::ViewController::make<RouterScreen>();
    app.push(screen);
    auto facade = TAVOAccountManager::shareInstance();
    auto router = TAVORouterModel::create();
    router->mac = "00:11:22:33:44:55";
    router->router_id = "r1";

    struct Case {
        const char* what;
        bool hasRouter;
        int code;
        bool available;
    };
    const std::vector<Case> cases{
        {"no current router", false, 0, false},
        {"not in the account", true, 100001, false},
        {"not online", true, 100002, false},
        {"lost", true, 100006, false},
        {"usable", true, 0, true},
        {"another error", true, 100003, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        facade->setCurrentRouter(c.hasRouter ? router : nullptr);
        facade->setLocalRouter(c.hasRouter ? router : nullptr);
        facade->setCurrentRouterCriticalErrorCode(c.code);
        advance(2.0);  // earlier toasts are gone
        ASSERT_FALSE(app.screen().toast());

        EXPECT_EQ(screen->isRouterAvailable(false), c.available);
        EXPECT_FALSE(app.screen().toast()) << "asked not to tell";
        EXPECT_EQ(screen->isRouterAvailable(), c.available);
        if (c.available) {
            EXPECT_FALSE(app.screen().toast());
            continue;
        }
        const int state = facade->routerState();
        auto toast = app.screen().toast();
        ASSERT_TRUE(toast);
        EXPECT_EQ(toast->text, TAVORouterErrorUtility::getErrorMsgByErrorCode(state));
        EXPECT_FALSE(toast->text.empty());
        EXPECT_EQ(toast->type, CustomizedHUDTypeWarning);
        EXPECT_EQ(toast->view->superview(), app.window());
    }
}

class ListLoading : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(app.launch());
        list = ui::ViewController::make<ListScreen>();
        app.push(list);
    }
    std::size_t hudsOverTable() {
        return CustomizedHUD::allHUDsForView<CustomizedHUD>(list->tableView()).size();
    }
    AppFixture app;
    std::shared_ptr<ListScreen> list;
};

TEST_F(ListLoading, TheHUDStaysHalfASecondAndUntilDismissedAndTheViewUpdatesOnce) {
    struct Case {
        double dismissAt;
        double hiddenAt;
    };
    for (const auto& c : std::vector<Case>{{0.1, 0.5}, {2.0, 2.0}, {0.1, 0.5}}) {
        SCOPED_TRACE(c.dismissAt);
        const int updatesBefore = list->updates;
        list->showLoading();
        ASSERT_TRUE(list->loadingIndicator());
        EXPECT_EQ(list->loadingIndicator()->type(), CustomizedHUDTypePlainIndicator);
        EXPECT_EQ(app.screen().toast()->text, "Loading…");
        advance(c.dismissAt);
        list->dismissLoading();
        if (c.hiddenAt > c.dismissAt) {
            advance(c.hiddenAt - c.dismissAt - 0.01);
            EXPECT_EQ(hudsOverTable(), 1u) << "held for the minimum";
            advance(0.01);
        }
        EXPECT_EQ(hudsOverTable(), 0u);
        EXPECT_FALSE(list->loadingIndicator());
        EXPECT_EQ(list->updates, updatesBefore + 1);
        advance(1.0);
        list->dismissLoading();
        EXPECT_EQ(list->updates, updatesBefore + 1) << "a dismissal without a load is ignored";
    }
}

TEST_F(ListLoading, ANewLoadLeavesOneHUDAndOnlyAModalOneTakesTheTouches) {
    list->showLoading();
    advance(0.3);
    list->showLoading();
    EXPECT_EQ(hudsOverTable(), 1u);
    advance(0.3);
    list->dismissLoading();
    EXPECT_EQ(hudsOverTable(), 1u) << "the second load has its own half second";
    advance(0.2);
    EXPECT_EQ(hudsOverTable(), 0u);
    EXPECT_EQ(list->updates, 1);

    const cg::Point inTable = list->tableView()->convertPointToView(cg::PointMake(160, 100), nullptr);
    for (bool modal : {false, true}) {
        SCOPED_TRACE(modal);
        list->showLoadingWithText("Wait", modal);
        auto hit = app.window()->hitTest(inTable, nullptr);
        EXPECT_EQ(hit == list->loadingIndicator(), modal);
        list->dismissLoading();
        advance(0.5);
    }
}

TEST_F(ListLoading, AnEmptyListShowsItsPlaceholder) {
    auto blank = list->blankIndicator();
    ASSERT_TRUE(blank);
    EXPECT_TRUE(blank->isHidden());
    EXPECT_EQ(blank->frame(), cg::RectMake(0, std::ceil((568 - 140) / 2.0), 320, 140));
    EXPECT_EQ(list->tableView()->frame(), cg::RectMake(0, 64, 320, 568 - 64));
    list->empty = true;
    list->showLoading();
    list->dismissLoading();
    advance(0.5);
    EXPECT_FALSE(blank->isHidden());
    EXPECT_TRUE(app.screen().viewWithText("Nothing here yet"));
}

TEST(BlankIndicator, LinesShareTheHeightBelowTheImage) {
    auto blank = BlankIndicatorView::create(cg::RectMake(0, 0, 320, 140));
    blank->setBlackIntroduceText({"one", "", "two"});
    ASSERT_EQ(blank->textLabels().size(), 2u) << "empty texts are skipped";
    blank->setBlackIntroduceText({});
    ASSERT_EQ(blank->textLabels().size(), 2u) << "an empty list keeps the lines";
    blank->setImage(nullptr);
    ASSERT_TRUE(blank->imageView()->image()) << "no image changes nothing";

    blank->layoutIfNeeded();
    EXPECT_EQ(blank->imageView()->frame(), cg::RectMake(110, 0, 100, 100));
    EXPECT_EQ(blank->textLabels()[0]->frame(), cg::RectMake(0, 110, 320, 12));
    EXPECT_EQ(blank->textLabels()[1]->frame(), cg::RectMake(0, 125, 320, 12));

    blank->imageView()->setImage(nullptr);
    blank->setNeedsLayout();
    blank->layoutIfNeeded();
    EXPECT_EQ(blank->textLabels()[0]->frame(), cg::RectMake(0, 0, 320, 67));
    EXPECT_EQ(blank->textLabels()[1]->frame(), cg::RectMake(0, 70, 320, 67));
}

}  // namespace
}  // namespace keelbox::test
