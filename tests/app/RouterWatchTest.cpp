// The first screen drives the engine against the in-process emulator, as
// the program does against keelbox-emulator: sign-in, routers list, the
// previous router selected, and its status and speeds shown as they arrive.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/lib/TAVORouterWatchViewController.h"
#include "app/lib/TAVOStartupServices.h"
#include "core/app/TAVOAppDelegate.h"
#include "core/app/TAVORouterPreference.h"
#include "core/app/TAVOViewControllerState.h"
#include "emulator/AccountDirectory.h"
#include "emulator/AccountService.h"
#include "emulator/CloudRouterService.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"
#include "emulator/RouterLocalService.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "tests/support/Harness.h"

namespace keelbox::test {
namespace {

using Stage = TAVORouterWatchViewController::Stage;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The demo household of keelbox-emulator: account "demo" owning R1 (at
// home) and R2 (elsewhere).
class RouterWatch : public ::testing::Test {
protected:
    void SetUp() override {
        auto directory = std::make_shared<emulator::AccountDirectory>();
        auto qid = directory->addAccount("demo", "keelbox123", "demo@keelbox.example");
        ASSERT_TRUE(qid);
        state = emulator::EmulatorState::create();
        state->attachAccountDirectory(directory);
        state->addRouter(emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01", 6));
        state->addRouter(emulator::EmulatedRouterModel::makeRouter("R2", "AA:BB:CC:00:00:02", 3));
        state->bindRouter(*qid, "R1");
        state->bindRouter(*qid, "R2");
        accounts = std::make_unique<emulator::AccountService>(directory);
        local = std::make_unique<emulator::RouterLocalService>(state);
        cloud = std::make_unique<emulator::CloudRouterService>(state);
        ASSERT_TRUE(accounts->start());
        ASSERT_TRUE(local->start());
        ASSERT_TRUE(cloud->start());
        accounts->exportDeploymentValues();
        ::setenv("KEELBOX_ROUTER_LOCAL_HOST", local->host().c_str(), 1);
        ::setenv("KEELBOX_CLOUD_ROUTER_BASE_URL", cloud->baseURL().c_str(), 1);
        ::setenv(TAVORouterWatchViewController::kDemoAccountVariable, "demo:keelbox123", 1);
        sc::NetworkInfo::setSource(std::make_shared<sc::InjectableNetworkInfoSource>());
        TAVOStartupServices::registerAll();
        app = ui::Application::sharedApplication();
    }
    void TearDown() override {
        if (root) root->stop();
        // Let the requests still on the wire finish before the servers go.
        runMainLoopUntil([&] {
            for (int id : {0, 1}) {
                auto provider = TAVOAccountManager::shareInstance()->dataProvider(id);
                if (!provider->remoteRequests().empty() || !provider->cacheRequests().empty()) return false;
            }
            return true;
        }, 15.0);
        app->setDelegate(nullptr);
        sc::NetworkInfo::setSource(nullptr);
        for (const char* name : {"KEELBOX_ROUTER_LOCAL_HOST", "KEELBOX_CLOUD_ROUTER_BASE_URL",
                                 TAVORouterWatchViewController::kDemoAccountVariable})
            ::unsetenv(name);
        emulator::AccountService::clearDeploymentValues();
    }

    // Launches the application and waits until the first screen shows the
    // router's status.
    void launchUntilStatusShown() {
        delegate = TAVOAppDelegate::create();
        app->setDelegate(delegate);
        ASSERT_TRUE(app->launch());
        root = std::dynamic_pointer_cast<TAVORouterWatchViewController>(
            TAVOViewControllerState::appNavigationController()->viewControllers().front());
        ASSERT_TRUE(root);
        root->setPrinter([this](const std::string& line) { lines.push_back(line); });
        ASSERT_TRUE(runMainLoopUntil([&] { return root->stage() == Stage::StatusShown || root->stage() == Stage::Failed; },
                                     20.0));
        ASSERT_EQ(root->stage(), Stage::StatusShown) << root->headlineLabel()->text();
    }

    emulator::EmulatorStatePtr state;
    std::unique_ptr<emulator::AccountService> accounts;
    std::unique_ptr<emulator::RouterLocalService> local;
    std::unique_ptr<emulator::CloudRouterService> cloud;
    std::shared_ptr<ui::Application> app;
    std::shared_ptr<TAVOAppDelegate> delegate;
    std::shared_ptr<TAVORouterWatchViewController> root;
    std::vector<std::string> lines;
};

TEST_F(RouterWatch, SignsInWithTheDemoAccountAndShowsThePreviousRoutersStatusAndSpeeds) {
    TAVORouterPreference::shareInstance()->saveOnlineRouter("R2");
    launchUntilStatusShown();
    EXPECT_EQ(root->headlineLabel()->text(), "Signed in as demo");
    EXPECT_TRUE(contains(root->routerLabel()->text(), "Router R2")) << root->routerLabel()->text();
    EXPECT_TRUE(contains(root->routerLabel()->text(), "over the cloud"));
    EXPECT_TRUE(contains(root->statusLabel()->text(), "internet connected (WAN 198.51.100.7)")) << root->statusLabel()->text();
    EXPECT_TRUE(contains(root->statusLabel()->text(), "3 devices online"));
    EXPECT_EQ(root->speedLabel()->text(), "Speeds: down 20.0 KB/s, up 1.00 KB/s");
    // The account is remembered for the next start.
    EXPECT_FALSE(TAVORouterPreference::shareInstance()->accountDic()["q"].stringValue().empty());

    // Reports go on arriving on the clock, and each is shown.
    const auto speedLines = [&] { return std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return contains(l, "Speeds:"); }); };
    const auto before = speedLines();
    ASSERT_GE(before, 1);
    advance(5.0);
    EXPECT_TRUE(runMainLoopUntil([&] { return speedLines() > before; }, 15.0));
    // The samples come by a request of their own, answered in its own time.
    EXPECT_TRUE(runMainLoopUntil([&] {
        return std::any_of(lines.begin(), lines.end(),
                           [](const std::string& l) { return contains(l, "Speed samples (KB/s): 1024 2048 3072"); });
    }, 15.0));
}

// A stored account the service does not know (the emulator started afresh)
// falls back to the demo account; with no router saved, the first is used.
TEST_F(RouterWatch, AStaleStoredAccountFallsBackToTheDemoAccount) {
    TAVORouterPreference::shareInstance()->saveQT("stale-q", "stale-t");
    launchUntilStatusShown();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return contains(l, "Signing in with the stored account"); }));
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return contains(l, "stored account was refused"); }));
    EXPECT_TRUE(contains(root->routerLabel()->text(), "Router R1")) << root->routerLabel()->text();
}

TEST(RouterWatchAccount, TheDemoAccountIsUserColonPassword) {
    const std::vector<std::pair<const char*, std::optional<std::pair<std::string, std::string>>>> cases{
        {"demo:keelbox123", std::make_pair(std::string("demo"), std::string("keelbox123"))},
        {"demo:pass:with:colons", std::make_pair(std::string("demo"), std::string("pass:with:colons"))},
        {"demo", std::nullopt},
        {":pw", std::nullopt},
        {"demo:", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [value, expected] : cases) {
        ::setenv(TAVORouterWatchViewController::kDemoAccountVariable, value, 1);
        EXPECT_EQ(TAVORouterWatchViewController::demoAccount(), expected) << value;
    }
    ::unsetenv(TAVORouterWatchViewController::kDemoAccountVariable);
    EXPECT_EQ(TAVORouterWatchViewController::demoAccount(), std::nullopt);
}

}  // namespace
}  // namespace keelbox::test
