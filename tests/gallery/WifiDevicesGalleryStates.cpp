// The device screens of the Wi-Fi module: the connected-device list with a
// device of every kind, an open row, empty and loading, its rename and
// speed-limit dialogs; the blacklist listed and empty; guest mode opening,
// with visitors and with a visitor's popup; device speed-up with a device
// accelerated, without one and empty.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOWIFIUtility.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/CallFault.h"
#include "screens/wifi/TAVODevicesListViewController.h"
#include "screens/wifi/TAVOGuestModeViewController.h"
#include "screens/wifi/TAVOSpeedupModeViewController.h"
#include "screens/wifi/TAVORouterBlackListViewController.h"
#include "tests/gallery/GalleryRegistry.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;
using test::EmulatedPeers;

constexpr double kAnswerSeconds = 20;

void changeHomeRouter(AppFixture& app, const std::function<void(emulator::EmulatedRouter&)>& change) {
    app.peers().state().withRouter(EmulatedPeers::kHomeRouter, change);
}

// Signed in at home, the router furnished with every kind of device.
void atHome(AppFixture& app) {
    ASSERT_TRUE(app.launch({.wifi = EmulatedPeers::kHomeWiFi, .storedAccount = EmulatedPeers::kDemoUser}));
    ASSERT_TRUE(app.reachTabs(kAnswerSeconds));
    changeHomeRouter(app, [](emulator::EmulatedRouter& r) {
        emulator::EmulatedRouterModel::furnishEveryDeviceKind(r, TAVOWIFIUtility::getIPAddress(true));
    });
}

std::shared_ptr<TAVODevicesListViewController> deviceList(AppFixture& app) {
    auto list = TAVODevicesListViewController::create();
    app.push(list);
    EXPECT_TRUE(app.screen().waitWhileTimePasses(
        [&] {
            return !list->isFirst() && !list->tableView()->isHidden();
        },
        kAnswerSeconds));
    app.screen().wait(2.0);  // the loading HUD is gone
    return list;
}

TAVODeviceItemCellPtr cellNamed(const std::shared_ptr<TAVODevicesListViewController>& list, const std::string& name) {
    for (const auto& cell : list->tableView()->visibleCells())
        if (auto c = std::dynamic_pointer_cast<TAVODeviceItemCell>(cell); c && c->device() && c->device()->end_name == name)
            return c;
    return nullptr;
}

// The device's row with its swipe buttons open, its dialog button pressed.
void pressRowButton(AppFixture& app, const std::shared_ptr<TAVODevicesListViewController>& list,
                    const std::string& name, const std::string& title) {
    auto cell = cellNamed(list, name);
    ASSERT_TRUE(cell);
    ASSERT_TRUE(app.screen().tap(cell->expendIndicator()));
    app.screen().wait(0.5);
    for (const auto& button : cell->rightUtilityButtons())
        if (button->currentTitle() == title) {
            ASSERT_TRUE(app.screen().tap(button));
            app.screen().wait(1.0);
            return;
        }
    FAIL() << "no button " << title;
}

}  // namespace

void registerWifiDevicesGalleryStates() {
    GalleryRegistry::add("device_list_every_kind", [](AppFixture& app) {
        atHome(app);
        deviceList(app);
    });
    GalleryRegistry::add("device_list_row_open", [](AppFixture& app) {
        atHome(app);
        auto list = deviceList(app);
        auto cell = cellNamed(list, "office-pc");
        ASSERT_TRUE(cell);
        ASSERT_TRUE(app.screen().tap(cell->expendIndicator()));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("device_list_empty", [](AppFixture& app) {
        atHome(app);
        changeHomeRouter(app, [](emulator::EmulatedRouter& r) { r.model.set("devices", ns::Value(ns::Array{})); });
        deviceList(app);
    });
    GalleryRegistry::add("device_list_loading", [](AppFixture& app) {
        atHome(app);
        emulator::CallFault slow;
        slow.delaySeconds = 30;
        app.peers().router().setCallFault("device.getDeviceList", slow);
        app.peers().cloud().setCallFault("device.getDeviceList", slow);
        app.push(TAVODevicesListViewController::create());
        app.screen().wait(0.3);
    });
    GalleryRegistry::add("device_list_rename_alert", [](AppFixture& app) {
        atHome(app);
        auto list = deviceList(app);
        pressRowButton(app, list, "living-room-pad", TAVOLocalizedString("change the nick name"));
        ASSERT_TRUE(app.screen().alert());
    });
    GalleryRegistry::add("device_list_speed_limit_alert", [](AppFixture& app) {
        atHome(app);
        auto list = deviceList(app);
        pressRowButton(app, list, "game-console", TAVOLocalizedString("limit speed"));
        ASSERT_TRUE(app.screen().alert());
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("device_list_operation_done", [](AppFixture& app) {
        atHome(app);
        auto list = deviceList(app);
        pressRowButton(app, list, "old-laptop", TAVOLocalizedString("restore the connection"));
        EXPECT_TRUE(app.screen().waitUntil([&] { return app.screen().toast() && app.screen().toast()->type == 0; },
                                           kAnswerSeconds));
    });

    GalleryRegistry::add("blacklist_listed", [](AppFixture& app) {
        atHome(app);
        changeHomeRouter(app, [](emulator::EmulatedRouter& r) {
            auto devices = emulator::EmulatedRouterModel::everyDeviceKind("192.168.0.9");
            r.model.set("blacklist", ns::Value::array({devices[1], devices[2], ns::Value::dictionary(
                                                                                     {{"endmac", "0A:00:00:00:00:01"},
                                                                                      {"endname", "intruder"},
                                                                                      {"is_wifi", 1}})}));
        });
        auto screen = TAVORouterBlackListViewController::create();
        app.push(screen);
        EXPECT_TRUE(app.screen().waitWhileTimePasses(
            [&] {
                return screen->devicesList().size() == 3 && !screen->tableView()->isHidden();
            },
            kAnswerSeconds));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("blacklist_empty", [](AppFixture& app) {
        atHome(app);
        changeHomeRouter(app, [](emulator::EmulatedRouter& r) { r.model.set("blacklist", ns::Value(ns::Array{})); });
        auto screen = TAVORouterBlackListViewController::create();
        app.push(screen);
        EXPECT_TRUE(app.screen().waitWhileTimePasses(
            [&] {
                return !screen->blankIndicator()->isHidden();
            },
            kAnswerSeconds));
    });

    GalleryRegistry::add("guest_mode_opening", [](AppFixture& app) {
        atHome(app);
        emulator::CallFault slow;
        slow.delaySeconds = 30;
        app.peers().router().setCallFault("device.guestnetstart", slow);
        app.peers().cloud().setCallFault("device.guestnetstart", slow);
        app.push(TAVOGuestModeViewController::create());
        app.screen().wait(0.3);
    });
    GalleryRegistry::add("guest_mode_visitors", [](AppFixture& app) {
        atHome(app);
        auto screen = TAVOGuestModeViewController::create();
        app.push(screen);
        EXPECT_TRUE(app.screen().waitWhileTimePasses(
            [&] {
                return screen->netView() && screen->netView()->indicators().size() == 2;
            },
            kAnswerSeconds));
        app.screen().wait(20.0);
    });
    GalleryRegistry::add("guest_mode_visitor_popup", [](AppFixture& app) {
        atHome(app);
        auto screen = TAVOGuestModeViewController::create();
        app.push(screen);
        ASSERT_TRUE(app.screen().waitWhileTimePasses(
            [&] {
                return screen->netView() && screen->netView()->indicators().size() == 2;
            },
            kAnswerSeconds));
        ASSERT_TRUE(app.screen().tap(screen->netView()->indicators().front()));
        app.screen().wait(2.0);
    });

    GalleryRegistry::add("speedup_device_accelerated", [](AppFixture& app) {
        atHome(app);
        auto screen = TAVOSpeedupModeViewController::create();
        app.push(screen);
        EXPECT_TRUE(app.screen().waitWhileTimePasses(
            [&] {
                return screen->speedupDevice() && !screen->tableView()->isHidden();
            },
            kAnswerSeconds));
        app.screen().wait(2.0);
    });
    GalleryRegistry::add("speedup_none_accelerated", [](AppFixture& app) {
        atHome(app);
        changeHomeRouter(app, [](emulator::EmulatedRouter& r) { r.model.set("accelerate_mac", ""); });
        auto screen = TAVOSpeedupModeViewController::create();
        app.push(screen);
        EXPECT_TRUE(app.screen().waitWhileTimePasses(
            [&] {
                return !screen->tableView()->isHidden();
            },
            kAnswerSeconds));
    });
    GalleryRegistry::add("speedup_empty", [](AppFixture& app) {
        atHome(app);
        changeHomeRouter(app, [](emulator::EmulatedRouter& r) { r.model.set("devices", ns::Value(ns::Array{})); });
        auto screen = TAVOSpeedupModeViewController::create();
        app.push(screen);
        EXPECT_TRUE(app.screen().waitWhileTimePasses(
            [&] {
                return !screen->blankIndicator()->isHidden();
            },
            kAnswerSeconds));
    });
}

}  // namespace keelbox::gallery
