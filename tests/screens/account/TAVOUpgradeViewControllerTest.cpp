// The firmware upgrade: the offered firmware shown, a whole scripted
// upgrade followed to 100 % and through the router's restart count-down,
// the bar that never moves back, the failure statuses, and the count-down
// that always leaves with the screen.
#include "screens/account/TAVOUpgradeViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/NavigationController.h"
#include "tests/screens/account/SettingsScreensFixture.h"

namespace keelbox::test {
namespace {

using Upgrade = SettingsScreens;

TEST_F(Upgrade, AScriptedUpgradeReportsEverySecondThenCountsTheRestartDown) {
    auto screen = show(TAVOUpgradeViewController::create());
    ASSERT_TRUE(until([&] { return screen->updateButton()->isEnabled(); })) << app.screen().describe();
    EXPECT_EQ(screen->versionLabel()->text(), TAVOLocalizedString("version") + " 2.0.0");
    EXPECT_FALSE(screen->dateLabel()->isHidden());
    EXPECT_EQ(screen->textView()->text(), "Faster Wi-Fi.");
    EXPECT_TRUE(screen->latestVersionLabel()->isHidden());

    ASSERT_TRUE(app.screen().tap(screen->updateButton()));
    ASSERT_TRUE(until([&] { return screen->updateButton()->isHidden(); })) << "the router took the order";
    EXPECT_FALSE(screen->bgUpdateImg()->isHidden());

    // One progress answer a second: the bar follows it up to the full width.
    std::vector<int> seen;
    for (int step = 0; step < 160 && !screen->countDownView(); ++step) {
        advanceAnswered(kStep);
        const int progress = static_cast<int>(screen->currentProgress());
        if (seen.empty() || seen.back() != progress) seen.push_back(progress);
        if (screen->updateStatusLB()->text() == "安装中...") {
            EXPECT_EQ(screen->updateProgressView()->frame().size.width, screen->bgUpdateImg()->bounds().size.width);
        }
    }
    ASSERT_GE(seen.size(), 5u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(seen.back(), 100);
    ASSERT_TRUE(screen->countDownView()) << "done: the router restarts";
    EXPECT_EQ(screen->updateStatusLB()->text(), "升级成功");
    EXPECT_FALSE(TAVOAccountManager::shareInstance()->currentRouter()->updateInfo);
    EXPECT_FALSE(screen->listener()->isPolling());
    EXPECT_EQ(emulated().romVersion, "2.0.0");

    // The count-down ends: the view goes and so does the pushed screen.
    app.screen().wait(TAVOUpgradeViewController::kRestartSeconds);
    EXPECT_FALSE(screen->countDownView());
    EXPECT_NE(app.screen().navigationStack().back(), screen);
}

TEST_F(Upgrade, TheBarNeverMovesBackAndFailuresReturnToIdle) {
    auto screen = show(TAVOUpgradeViewController::create());
    auto& listener = *screen->listener();
    const double full = screen->bgUpdateImg()->bounds().size.width;
    for (auto [progress, width] : std::vector<std::pair<float, double>>{{30, 0.3}, {20, 0.3}, {50, 0.5}}) {
        screen->listenerProgress(listener, progress);
        EXPECT_DOUBLE_EQ(screen->updateProgressView()->frame().size.width, full * width) << progress;
        EXPECT_EQ(screen->updateStatusLB()->text(), "下载中...");
    }
    struct Case {
        int status;
        bool toast;
    };
    for (const auto& c : std::vector<Case>{{-1, false}, {-5, true}, {-3, true}, {-2, true}, {50, true}}) {
        SCOPED_TRACE(c.status);
        app.screen().wait(1.5);
        screen->listenerProgress(listener, 60);
        screen->listenerWithStatus(listener, c.status);
        EXPECT_TRUE(screen->bgUpdateImg()->isHidden());
        EXPECT_FALSE(screen->updateButton()->isHidden());
        EXPECT_EQ(screen->updateProgressView()->frame().size.width, 0);
        auto toast = app.screen().toast();
        EXPECT_EQ(toast.has_value() && toast->text == TAVOLocalizedString("fail to update rom"), c.toast);
    }
    // A second "done" makes no second count-down.
    screen->listenerWithStatus(listener, 100);
    auto first = screen->countDownView();
    screen->listenerWithStatus(listener, 100);
    EXPECT_EQ(screen->countDownView(), first);
}

TEST_F(Upgrade, TheCountDownLeavesWithTheScreenPushedOrPresented) {
    for (bool presented : {false, true}) {
        SCOPED_TRACE(presented);
        auto screen = TAVOUpgradeViewController::create();
        std::shared_ptr<ui::NavigationController> own;
        if (presented) {
            own = ui::NavigationController::create(screen);
            app.screen().navigationStack().back()->presentViewController(own, false);
        } else {
            app.push(screen);
        }
        app.screen().wait(0.5);
        screen->showRestartRouterIndicator();
        ASSERT_TRUE(screen->countDownView());
        app.screen().wait(TAVOUpgradeViewController::kRestartSeconds);
        EXPECT_FALSE(screen->countDownView());
        for (const auto& view : screen->view()->subviews())
            EXPECT_FALSE(std::dynamic_pointer_cast<TAVORestartCountDownView>(view)) << "never left over the screen";
        if (presented) {
            EXPECT_FALSE(own->presentingViewController()) << "dismissed";
        } else {
            EXPECT_NE(app.screen().navigationStack().back(), screen) << "popped";
        }
        app.screen().wait(1.0);
    }
}

TEST_F(Upgrade, NoNewFirmwareShowsTheLatestVersion) {
    app.peers().state().withRouter(routerId, [](emulator::EmulatedRouter& r) {
        r.model.set("rom", ns::Value::dictionary({{"is_update", 0}}));
    });
    TAVOAccountManager::shareInstance()->currentRouter()->updateInfo = nullptr;
    auto screen = show(TAVOUpgradeViewController::create());
    ASSERT_TRUE(until([&] {
        auto toast = app.screen().toast();
        return toast && toast->text == TAVOLocalizedString("this is the latest version");
    }));
    EXPECT_FALSE(screen->updateButton()->isEnabled());
    EXPECT_FALSE(screen->latestVersionLabel()->isHidden());
    EXPECT_TRUE(screen->updateDes()->isHidden());
    EXPECT_TRUE(screen->dateLabel()->isHidden());
    // Without a version in the record the polled router's own one shows.
    EXPECT_EQ(screen->versionLabel()->text(), TAVOLocalizedString("version") + " 1.0.0");
}

}  // namespace
}  // namespace keelbox::test
