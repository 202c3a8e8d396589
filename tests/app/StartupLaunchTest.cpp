// A headless start of the application as the program starts it: services
// registered first, then the platform's main loop with the launch options.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/lib/KeelboxMain.h"
#include "app/lib/TAVOApplicationScreens.h"
#include "app/lib/TAVOPushInfoHolderInbox.h"
#include "app/lib/TAVOQueuedAlertPresenter.h"
#include "app/lib/TAVOHUDToastPresenter.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOViewControllerState.h"
#include "core/services/TAVOAccountFacade.h"
#include "core/services/TAVOAlertPresenter.h"
#include "core/services/TAVOAppInfoSource.h"
#include "core/services/TAVOAppUpdateChecker.h"
#include "screens/account/TAVOCloudAppUpdateChecker.h"
#include "core/services/TAVODeviceTokenUploading.h"
#include "core/services/TAVOPushInbox.h"
#include "core/services/TAVORecoveryScreens.h"
#include "core/services/TAVORootScreens.h"
#include "core/services/TAVOToastPresenter.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/push/TAVODeviceTokenUploadEngine.h"
#include "management/push/TAVOPushInfoHolder.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"
#include "protocol/TAVOAppInfoProviderSource.h"
#include "screens/home/TAVORootViewController.h"
#include "screens/home/TAVOWelcomeView.h"
#include "tests/support/Harness.h"

namespace keelbox::test {
namespace {

class StartupLaunch : public ::testing::Test {
protected:
    void SetUp() override {
        // Headless, signed out, on no Wi-Fi: only the version check goes on
        // the wire.
        ::unsetenv("DISPLAY");
        sc::NetworkInfo::setSource(std::make_shared<sc::InjectableNetworkInfoSource>());
        eventsToken = ns::NotificationCenter::defaultCenter()->addObserverForName(
            "tavo global event notification", {}, nullptr,
            [this](const ns::NotificationPtr& n) { events.push_back(n->object().intValue()); });
    }
    void TearDown() override {
        ns::NotificationCenter::defaultCenter()->removeObserver(eventsToken);
        if (auto app = ui::Application::existing()) app->setDelegate(nullptr);
        sc::NetworkInfo::setSource(nullptr);
    }

    // Runs the program's main function with the arguments until `done`
    // holds (looked at once every main-loop turn), then ends it.
    int runProgram(std::vector<std::string> arguments, const ns::Value& launchOptions, std::function<bool()> done) {
        arguments.insert(arguments.begin(), "keelbox");
        std::vector<char*> argv;
        for (auto& a : arguments) argv.push_back(a.data());
        argv.push_back(nullptr);
        auto turns = std::make_shared<int>(0);
        auto watch = std::make_shared<std::function<void()>>();
        *watch = [turns, watch, done] {
            if (done() || ++*turns > 500) {
                ui::Application::sharedApplication()->terminate();
                *watch = nullptr;  // ends the cycle of the watch holding itself
                return;
            }
            auto next = *watch;
            dispatch::Queue::main()->async(next);
        };
        dispatch::Queue::main()->async(*watch);
        const int status = KeelboxMain(static_cast<int>(arguments.size()), argv.data(), launchOptions);
        EXPECT_LE(*turns, 500) << "the program did not get there";
        return status;
    }

    ns::ObjectPtr eventsToken;
    std::vector<int> events;
};

template <class Implementation, class Interface>
bool holds(const std::shared_ptr<Interface>& slot) {
    return std::dynamic_pointer_cast<Implementation>(slot) != nullptr;
}

TEST_F(StartupLaunch, AHeadlessLaunchRunsOnTheRealServices) {
    std::shared_ptr<TAVORootViewController> root;
    const int status = runProgram({}, {}, [&] {
        auto nav = TAVOViewControllerState::appNavigationController();
        if (nav && !root) root = std::dynamic_pointer_cast<TAVORootViewController>(nav->viewControllers().front());
        return root && root->welcomeView() && root->welcomeView()->infoLabel() &&
               !root->welcomeView()->infoLabel()->text().empty();
    });
    EXPECT_EQ(status, 0);

    EXPECT_EQ(TAVOAccountFacade::shared(), std::static_pointer_cast<TAVOAccountFacade>(TAVOAccountManager::shareInstance()));
    EXPECT_EQ(TAVODeviceTokenUploading::shared(),
              std::static_pointer_cast<TAVODeviceTokenUploading>(TAVODeviceTokenUploadEngine::shareInstance()));
    EXPECT_TRUE(holds<TAVOPushInfoHolderInbox>(TAVOPushInbox::shared()));
    EXPECT_TRUE(holds<TAVOAppInfoProviderSource>(TAVOAppInfoSource::shared()));
    EXPECT_TRUE(holds<TAVOQueuedAlertPresenter>(TAVOAlertPresenter::shared()));
    EXPECT_TRUE(holds<TAVOHUDToastPresenter>(TAVOToastPresenter::shared()));
    EXPECT_TRUE(holds<TAVOApplicationScreens>(TAVORootScreens::shared()));
    EXPECT_TRUE(holds<TAVOApplicationScreens>(TAVORecoveryScreens::shared()));
    EXPECT_TRUE(holds<TAVOCloudAppUpdateCheckerMaker>(TAVOAppUpdateCheckerMaker::shared()));

    // The first screen: on no Wi-Fi and signed out, it says no router is
    // here and leaves the join button off.
    ASSERT_TRUE(root && root->welcomeView()->infoLabel());
    EXPECT_EQ(root->welcomeView()->infoLabel()->text(), TAVOLocalizedString("not found the Ardo router"));
    EXPECT_FALSE(root->loginLocalRouterBtn()->isEnabled());
    EXPECT_EQ(root->viewState(), TAVORootViewController::ViewStateInitial);
    EXPECT_TRUE(events.empty());

    // Text fields entering the window take the application's tint.
    auto field = ui::TextField::create(cg::RectMake(0, 0, 100, 30));
    ui::Application::sharedApplication()->delegate()->window()->addSubview(field);
    EXPECT_EQ(field->tintColor(), ui::OptionalColor(ui::Color::rgba(10 / 255.0, 167 / 255.0, 75 / 255.0, 1)));
}

// The payload of a notification that started the process reaches the push
// holder and raises global event 3, given in the launch options or on the
// command line.
TEST_F(StartupLaunch, ALaunchFromAPushReachesThePushHolder) {
    const ns::Value payload = ns::Value::dictionary(
        {{"aps", ns::Value::dictionary({{"alert", "New device"}})},
         {"rudi", ns::Value::dictionary({{"type", 1}, {"router_id", "R1"}, {"mac", "AA:BB:CC:00:00:01"}})}});
    struct Case {
        const char* how;
        std::vector<std::string> arguments;
        ns::Value launchOptions;
    };
    const std::vector<Case> cases{
        {"launch options", {}, ns::Value::dictionary({{ui::ApplicationLaunchOptionsRemoteNotificationKey, payload}})},
        {"command line",
         {"--push-payload", R"({"aps":{"alert":"New device"},"rudi":{"type":1,"router_id":"R1","mac":"AA:BB:CC:00:00:01"}})"},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        events.clear();
        runProgram(c.arguments, c.launchOptions, [&] { return !events.empty(); });
        auto first = TAVOPushInfoHolder::shareInstance()->firstPushInfo();
        ASSERT_TRUE(first);
        EXPECT_EQ(first->type, TAVOPushTypeNewDevice);
        EXPECT_EQ(TAVOPushInbox::shared()->firstPushInfoType(), std::optional<int>(TAVOPushTypeNewDevice));
        EXPECT_EQ(events, std::vector<int>{3});
        TAVOPushInfoHolder::shareInstance()->removeFirstPushInfo();
    }
}

TEST_F(StartupLaunch, AMalformedPushPayloadOnTheCommandLineIsRefused) {
    std::string name = "keelbox", flag = "--push-payload", bad = "[1,2";
    char* argv[] = {name.data(), flag.data(), bad.data(), nullptr};
    EXPECT_EQ(KeelboxMain(3, argv), 2);
}

}  // namespace
}  // namespace keelbox::test
