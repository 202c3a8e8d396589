// The states of the safety screens: each protection screen on and off and
// while turning, the protection tab on its pages, admission control, the
// block history, the safety report, the virus-library update and the
// router scan.
#include <gtest/gtest.h>

#include <optional>

#include "screens/safety/TAVOARPProtectViewController.h"
#include "screens/safety/TAVOAntiAccountStealerViewController.h"
#include "screens/safety/TAVOBlockDangerousWebsitesViewController.h"
#include "screens/safety/TAVODNSProtectViewController.h"
#include "screens/safety/TAVOHeartBloodProtectionViewController.h"
#include "core/app/TAVOAppEventHandler.h"
#include "core/app/TAVORouterPreference.h"
#include "platform/foundation/NotificationCenter.h"
#include "screens/safety/TAVOBlockHistoryViewController.h"
#include "screens/safety/TAVONetProtectViewController.h"
#include "screens/safety/TAVOSafeProtectionViewController.h"
#include "screens/safety/TAVOSafeReportViewController.h"
#include "screens/safety/TAVOUpdateViewController.h"
#include "tests/gallery/GalleryRegistry.h"
#include "tests/screens/safety/SafetyRouterSetup.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;
using test::EmulatedPeers;

void setSwitch(AppFixture& app, const char* key, int on) {
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [&](emulator::EmulatedRouter& r) {
        ns::Value switches = r.model["switches"];
        switches.mutableDictionary().set(key, std::to_string(on));
        r.model.set("switches", switches);
    });
}

// The protection screen with its switch as given.
template <class Screen>
void protection(AppFixture& app, const char* switchKey, int on) {
    ASSERT_TRUE(test::launchWithHomeRouter(app));
    setSwitch(app, switchKey, on);
    ASSERT_TRUE(test::pollSharedStatus(app));
    auto screen = ui::ViewController::make<Screen>();
    app.push(screen);
    app.screen().wait(0.5);
}

// Real seconds the emulator gets to answer.
constexpr double kAnswerSeconds = 20;

void setModel(AppFixture& app, const char* key, ns::Value value) {
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, [&](emulator::EmulatedRouter& r) { r.model.set(key, value); });
}

// The protection tab with the library known, so it checks at once.
std::shared_ptr<TAVOSafeProtectionViewController> tab(AppFixture& app) {
    auto router = test::launchWithHomeRouter(app);
    EXPECT_TRUE(router);
    if (!router) return nullptr;
    TAVORouterPreference::shareInstance()->setInitializedVirusLibrary(true);
    router->anvirusLibInfo = ns::Value::dictionary({{"download_time", 1780000000000LL}});
    auto screen = TAVOSafeProtectionViewController::create();
    app.push(screen);
    return screen;
}

void tabChecked(AppFixture& app) {
    auto screen = tab(app);
    ASSERT_TRUE(screen);
    auto lisener = TAVOAccountManager::shareInstance()->statusLisener();
    ASSERT_TRUE(app.screen().waitUntil([&] { return lisener && lisener->status(); }, kAnswerSeconds));
    app.screen().waitUntil([] { return false; }, 1.0);
    app.screen().wait(3.0 + 13.5 + 1.0 + 2.5);
    EXPECT_EQ(screen->routerStatus(), TAVOSafeProtectionViewController::PageNormal);
}

template <class Screen>
void addProtection(const std::string& name, const char* switchKey) {
    GalleryRegistry::add("safety_" + name + "_on", [switchKey](AppFixture& app) { protection<Screen>(app, switchKey, 1); });
    GalleryRegistry::add("safety_" + name + "_off", [switchKey](AppFixture& app) { protection<Screen>(app, switchKey, 0); });
}

}  // namespace

void registerSafetyGalleryStates() {
    addProtection<TAVOAntiAccountStealerViewController>("account_guard", "stat_anti_stealer");
    addProtection<TAVODNSProtectViewController>("dns_guard", "stat_anti_dns_cheat");
    addProtection<TAVOBlockDangerousWebsitesViewController>("site_guard", "stat_urlcheck");
    addProtection<TAVOHeartBloodProtectionViewController>("heartbleed_guard", "stat_anti_heart_bleed");
    addProtection<TAVOARPProtectViewController>("arp_guard", "stat_arp_attack_switch");

    GalleryRegistry::add("safety_tab_scanning", [](AppFixture& app) {
        auto screen = tab(app);
        ASSERT_TRUE(screen);
        app.screen().waitUntil([] { return false; }, 1.0);
        app.screen().wait(3.0 + 0.75 * 5);
    });
    GalleryRegistry::add("safety_tab_low", tabChecked);
    GalleryRegistry::add("safety_tab_high", [](AppFixture& app) {
        setModel(app, "need_permit", "1");
        setModel(app, "wifi_pwd_strength", 4);
        setSwitch(app, "stat_brute_attack_switch", 1);
        tabChecked(app);
    });
    GalleryRegistry::add("safety_tab_lost", [](AppFixture& app) {
        auto screen = tab(app);
        ASSERT_TRUE(screen);
        TAVOAccountManager::shareInstance()->setCurrentRouterCriticalErrorCode(100004);
        ns::NotificationCenter::defaultCenter()->postNotificationName(kTAVOGlobalEventNotification, ns::Value(1));
        app.screen().wait(1.5);
    });
    GalleryRegistry::add("safety_tab_update_popup", [](AppFixture& app) {
        ASSERT_TRUE(test::launchWithHomeRouter(app));
        app.push(TAVOSafeProtectionViewController::create());
        app.screen().wait(1.0);
    });

    // The update popup as the application shows it: over the protection
    // tab, whose first showing opens it.
    auto update = [](AppFixture& app, std::optional<double> downloading) {
        ASSERT_TRUE(test::launchWithHomeRouter(app));
        auto tab = TAVOSafeProtectionViewController::create();
        app.push(tab);
        auto popup = tab->updateViewController();
        ASSERT_TRUE(popup);
        if (!downloading) {
            app.screen().wait(1.0);
            return;
        }
        // The router's answers show no sooner than 3 s after the request.
        ASSERT_TRUE(app.screen().waitWhileTimePasses(
            [&] { return popup->updateVirusLibraryState() == TAVOUpdateViewController::StateDownload; }, kAnswerSeconds));
        app.screen().wait(*downloading);
    };
    GalleryRegistry::add("safety_update_checking", [update](AppFixture& app) { update(app, std::nullopt); });
    GalleryRegistry::add("safety_update_progress", [update](AppFixture& app) { update(app, 3.0); });
    GalleryRegistry::add("safety_update_done", [update](AppFixture& app) { update(app, 8.0); });

    GalleryRegistry::add("safety_admission_off", [](AppFixture& app) {
        ASSERT_TRUE(test::launchWithHomeRouter(app));
        ASSERT_TRUE(test::pollSharedStatus(app));
        auto screen = TAVONetProtectViewController::create();
        app.push(screen);
        app.screen().waitUntil([&] { return screen->scanningLabel()->attributedText()->string().find("9") != std::string::npos; },
                               kAnswerSeconds);
        app.screen().wait(1.5);
    });
    GalleryRegistry::add("safety_admission_safe", [](AppFixture& app) {
        ASSERT_TRUE(test::launchWithHomeRouter(app));
        setModel(app, "need_permit", "1");
        setModel(app, "wifi_pwd_strength", 4);
        setSwitch(app, "stat_brute_attack_switch", 1);
        ASSERT_TRUE(test::pollSharedStatus(app));
        auto screen = TAVONetProtectViewController::create();
        app.push(screen);
        app.screen().waitUntil([&] { return screen->scanningLabel()->attributedText()->string().find("9") != std::string::npos; },
                               kAnswerSeconds);
        app.screen().wait(1.5);
    });

    GalleryRegistry::add("safety_block_history", [](AppFixture& app) {
        ASSERT_TRUE(test::launchWithHomeRouter(app));
        auto screen = TAVOBlockHistoryViewController::create();
        app.push(screen);
        ASSERT_TRUE(app.screen().waitUntil([&] {
            for (const auto& kind : screen->logKindInfos())
                if (kind.isReady == TAVOLogKindInfo::Waiting) return false;
            return true;
        }, kAnswerSeconds));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("safety_block_history_empty", [](AppFixture& app) {
        ASSERT_TRUE(test::launchWithHomeRouter(app));
        setModel(app, "safety_logs", ns::Value(ns::Dictionary{}));
        auto screen = TAVOBlockHistoryViewController::create();
        app.push(screen);
        ASSERT_TRUE(app.screen().waitUntil([&] {
            for (const auto& kind : screen->logKindInfos())
                if (kind.isReady == TAVOLogKindInfo::Waiting) return false;
            return true;
        }, kAnswerSeconds));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("safety_report", [](AppFixture& app) {
        ASSERT_TRUE(test::launchWithHomeRouter(app));
        ASSERT_TRUE(test::pollSharedStatus(app));
        app.push(TAVOSafeReportViewController::create());
        app.screen().wait(0.5);
    });
}

}  // namespace keelbox::gallery
