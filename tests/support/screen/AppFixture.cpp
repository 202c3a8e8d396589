#include "tests/support/screen/AppFixture.h"

#include <gtest/gtest.h>

#include "app/lib/TAVOStartupServices.h"
#include "core/app/TAVOAppDelegate.h"
#include "core/app/TAVORouterPreference.h"
#include "core/app/TAVOViewControllerState.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Screen.h"
#include "protocol/TAVODataProvider.h"
#include "tests/support/Harness.h"

namespace keelbox::test {

namespace {

// How long the end of a test waits for requests still on the wire.
constexpr double kWireSettleSeconds = 15.0;

std::optional<sc::WiFiNetwork> parseWiFi(const std::string& text) {
    if (text.empty()) return std::nullopt;
    const auto comma = text.find(',');
    return sc::WiFiNetwork{text.substr(0, comma), comma == std::string::npos ? "" : text.substr(comma + 1)};
}

bool providersIdle() {
    auto facade = TAVOAccountManager::shareInstance();
    for (int id : {0, 1}) {
        auto provider = facade->dataProvider(id);
        if (provider && (!provider->remoteRequests().empty() || !provider->cacheRequests().empty())) return false;
    }
    return true;
}

// The start-up's check for a newer version has had its answer (the
// delegate lets the checker go then).
bool versionCheckEnded() {
    auto app = ui::Application::existing();
    auto delegate = app ? std::dynamic_pointer_cast<TAVOAppDelegate>(app->delegate()) : nullptr;
    return !delegate || !delegate->appChecker();
}

}  // namespace

AppFixture::AppFixture() : network_(std::make_shared<sc::InjectableNetworkInfoSource>()) {}

AppFixture::~AppFixture() {
    if (launched_) {
        // Every request on the wire is answered (the version check of the
        // start-up too, whose provider no screen holds) and its answer
        // delivered before the application ends.
        peers_.waitUntilAnswered(kWireSettleSeconds);
        runMainLoopUntil([] { return providersIdle() && versionCheckEnded(); }, kWireSettleSeconds);
        runMainLoopUntil([] { return false; }, 0.2);
        if (auto app = ui::Application::existing()) app->setDelegate(nullptr);
        sc::NetworkInfo::setSource(nullptr);
    }
    peers_.stop();
}

bool AppFixture::launch(const LaunchOptions& options) {
    if (launched_) {
        ADD_FAILURE() << "the application is already running";
        return false;
    }
    if (!peers_.start()) {
        ADD_FAILURE() << "the emulated peers could not start";
        return false;
    }
    for (const auto& [variable, value] : options.deploymentValues) peers_.setDeploymentValue(variable, value);
    network_->setWiFi(parseWiFi(options.wifi));
    sc::NetworkInfo::setSource(network_);
    ui::Screen::mainScreen()->setTallScreen(true);
    ui::Screen::mainScreen()->setScale(2);

    if (options.storedAccount) {
        auto account = peers_.signIn(*options.storedAccount);
        if (!account) {
            ADD_FAILURE() << "the peers have no account \"" << *options.storedAccount << "\"";
            return false;
        }
        TAVORouterPreference::shareInstance()->saveQT(account->q, account->t);
        TAVORouterPreference::shareInstance()->waitForFileOperations();
    }

    // A returning user unless the test asks for the first start: the
    // first screen's introduction (the Wi-Fi help) is for the first only.
    if (!options.firstStart) TAVORouterPreference::shareInstance()->finishStartup();

    TAVOStartupServices::registerAll();
    auto app = ui::Application::sharedApplication();
    app->setDelegate(TAVOAppDelegate::create());
    launched_ = true;
    if (!app->launch()) {
        ADD_FAILURE() << "the application refused to launch";
        return false;
    }
    drainMainLoop();
    return true;
}

ui::WindowPtr AppFixture::window() const {
    auto app = ui::Application::existing();
    auto delegate = app ? app->delegate() : nullptr;
    return delegate ? delegate->window() : nullptr;
}

bool AppFixture::reachTabs(double seconds) {
    screen_.wait(2.5);  // the splash runs about two seconds
    const bool reached = screen_.waitWhileTimePasses(
        [] {
            return TAVOViewControllerState::getTabViewController() &&
                   TAVOAccountManager::shareInstance()->currentRouter();
        },
        seconds);
    if (!reached) ADD_FAILURE() << "the main tabs never came; the screen shows:\n" << screen_.describe();
    return reached;
}

bool AppFixture::reachRouterStatus(double seconds) {
    if (!reachTabs(seconds)) return false;
    const bool polled = screen_.waitWhileTimePasses(
        [] {
            auto listener = TAVOAccountManager::shareInstance()->statusLisener();
            return listener && listener->status();
        },
        seconds);
    if (!polled) ADD_FAILURE() << "the router's status never came";
    return polled;
}

void AppFixture::push(const ui::ViewControllerPtr& screen) {
    auto nav = TAVOViewControllerState::appNavigationController();
    if (!nav) {
        ADD_FAILURE() << "the application has no screen stack (not launched?)";
        return;
    }
    nav->pushViewController(screen, false);
    drainMainLoop();
}

}  // namespace keelbox::test
