// The Wi-Fi setting screens against the emulated home router: names and
// passwords (with a refusal, the radio-off question and the restart
// count-down), the advanced settings and a choice list with its
// confirmation, radio power, health mode (with its time picker), the Wi-Fi
// door, the front-panel LEDs, the health-mode help panel and the knob.
#include <gtest/gtest.h>

#include <string>

#include "core/app/TAVOLocalizedString.h"
#include "screens/wifi/TAVOAdjustCircleView.h"
#include "screens/wifi/TAVOHealthModeHelpViewController.h"
#include "screens/wifi/TAVOHealthModeViewController.h"
#include "screens/wifi/TAVOPaneLEDDoorViewController.h"
#include "screens/wifi/TAVORadioPowerAdjustViewController.h"
#include "screens/wifi/TAVOWIFIDoorViewController.h"
#include "screens/wifi/TAVOWiFiAdvancedSettingViewController.h"
#include "screens/wifi/TAVOChannelSelectViewController.h"
#include "screens/wifi/TAVOWiFiPwdViewController.h"
#include "tests/gallery/GalleryRegistry.h"
#include "tests/screens/wifi/WifiScreensFixture.h"
#include "widgets/TAVOBaseViewController.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;
namespace wifi = test::wifi;

// Lets the emulator's answers in and the screen settle.
void settle(AppFixture& app, double seconds = 1.5) {
    app.peers().waitUntilAnswered();
    app.screen().waitUntil([] { return false; }, 0.6);
    app.screen().wait(seconds);
}

template <class Screen>
std::shared_ptr<Screen> show(AppFixture& app, std::shared_ptr<Screen> screen, bool signedIn = false) {
    EXPECT_TRUE(wifi::launchOnHomeRouter(app, signedIn));
    app.push(screen);
    settle(app);
    return screen;
}

void setBand(AppFixture& app, const char* band, const char* key, const char* value) {
    wifi::changeHomeRouter(app, [&](emulator::EmulatedRouter& r) {
        ns::Value settings = r.model[band];
        settings.mutableDictionary().set(key, value);
        r.model.set(band, settings);
    });
}

void setPower(AppFixture& app, int percent) {
    wifi::changeHomeRouter(app, [&](emulator::EmulatedRouter& r) {
        r.model.set("radio_power", ns::Value::array({ns::Value::dictionary({{"freq", "2.4G"}, {"power", percent}})}));
    });
}

void setTimerOn(AppFixture& app) {
    wifi::changeHomeRouter(app, [](emulator::EmulatedRouter& r) {
        r.model.set("wifi_timer", ns::Value::dictionary({{"open", "07:30"}, {"close", "22:45"}, {"open_sw", 1}, {"close_sw", 1}}));
    });
}

// A plain screen holding the knob.
class KnobScreen : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    void viewDidLoad() override {
        TAVOBaseViewController::viewDidLoad();
        navBar()->setTitle("Radio power");
        knob = TAVOAdjustCircleView::create(cg::RectMake(0, 100, 320, 260));
        view()->addSubview(knob);
    }
    TAVOAdjustCircleViewPtr knob;
};

}  // namespace

void registerWifiSettingsGalleryStates() {
    GalleryRegistry::add("wifi_settings_pwd", [](AppFixture& app) { show(app, TAVOWiFiPwdViewController::create()); });
    GalleryRegistry::add("wifi_settings_pwd_no_password", [](AppFixture& app) {
        setBand(app, "wifi_2g", "pwd", "");
        show(app, TAVOWiFiPwdViewController::create());
    });
    GalleryRegistry::add("wifi_settings_pwd_refused", [](AppFixture& app) {
        auto screen = show(app, TAVOWiFiPwdViewController::create());
        screen->passwordField(TAVOWiFiPwdViewController::Band2g)->setText("short");
        screen->repasswordField(TAVOWiFiPwdViewController::Band2g)->setText("short");
        screen->submit();
        app.screen().wait(0.5);
    });
    GalleryRegistry::add("wifi_settings_pwd_radio_off_question", [](AppFixture& app) {
        auto screen = show(app, TAVOWiFiPwdViewController::create(), true);
        app.screen().tap(screen->bandSwitch(TAVOWiFiPwdViewController::Band5g));
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("wifi_settings_pwd_restart_count_down", [](AppFixture& app) {
        auto screen = show(app, TAVOWiFiPwdViewController::create());
        screen->submit();
        app.screen().waitUntil([&] { return screen->restartDownView() != nullptr; });
        app.screen().wait(3.2);
    });

    GalleryRegistry::add("wifi_settings_advanced", [](AppFixture& app) {
        setBand(app, "wifi_2g", "channel_set", "6");
        setBand(app, "wifi_2g", "bandwidth_set", "2");
        show(app, TAVOWiFiAdvancedSettingViewController::create());
    });
    GalleryRegistry::add("wifi_settings_channel_list", [](AppFixture& app) {
        setBand(app, "wifi_2g", "channel_set", "6");
        auto list = TAVOChannelSelectViewController::create();
        list->titleStr = "2.4G信道选择";
        list->selectIndex = 6;
        show(app, list);
    });
    GalleryRegistry::add("wifi_settings_channel_confirm", [](AppFixture& app) {
        auto list = TAVOChannelSelectViewController::create();
        list->titleStr = "5G 信道选择";
        list->type = TAVOChannelSelectViewController::FiveGChannel;
        show(app, list);
        list->changeChannel(2);
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("wifi_settings_channel_changed", [](AppFixture& app) {
        auto list = TAVOChannelSelectViewController::create();
        list->titleStr = "5G 信道选择";
        list->type = TAVOChannelSelectViewController::FiveGChannel;
        show(app, list);
        list->changeChannel(2);
        app.screen().wait(0.5);
        app.screen().pressAlertButton(TAVOLocalizedString("sure"));
        app.screen().waitUntil([&] { return app.screen().toast().has_value(); });
        app.screen().wait(0.3);
    });

    for (int percent : {100, 50}) {
        GalleryRegistry::add("wifi_settings_radio_power_" + std::to_string(percent), [percent](AppFixture& app) {
            setPower(app, percent);
            show(app, TAVORadioPowerAdjustViewController::create());
        });
    }

    GalleryRegistry::add("wifi_settings_health_mode_off", [](AppFixture& app) { show(app, TAVOHealthModeViewController::create()); });
    GalleryRegistry::add("wifi_settings_health_mode_reduced", [](AppFixture& app) {
        setPower(app, 50);
        setTimerOn(app);
        show(app, TAVOHealthModeViewController::create());
        app.screen().wait(3.0);
    });
    GalleryRegistry::add("wifi_settings_health_mode_time_picker", [](AppFixture& app) {
        setTimerOn(app);
        auto screen = show(app, TAVOHealthModeViewController::create());
        screen->changeTime(true);
        app.screen().wait(1.0);
    });
    GalleryRegistry::add("wifi_settings_health_mode_help", [](AppFixture& app) {
        auto screen = show(app, TAVOHealthModeViewController::create());
        screen->rightNavItemPressed();
        app.screen().wait(1.5);
    });

    GalleryRegistry::add("wifi_settings_wifi_door", [](AppFixture& app) {
        setTimerOn(app);
        show(app, TAVOWIFIDoorViewController::create());
    });
    GalleryRegistry::add("wifi_settings_wifi_door_open", [](AppFixture& app) {
        auto door = TAVOWIFIDoorViewController::create();
        door->setWifiOpen(true);
        show(app, door);
    });

    for (const char* led : {"1", "0"}) {
        GalleryRegistry::add(std::string("wifi_settings_pane_led_") + (led[0] == '1' ? "on" : "off"), [led](AppFixture& app) {
            wifi::changeHomeRouter(app, [&](emulator::EmulatedRouter& r) { r.model.set("led", led); });
            show(app, TAVOPaneLEDDoorViewController::create());
        });
    }

    GalleryRegistry::add("wifi_settings_health_mode_help_panel", [](AppFixture& app) {
        show(app, TAVOHealthModeHelpViewController::create());
    });
    GalleryRegistry::add("wifi_settings_adjust_circle", [](AppFixture& app) {
        auto screen = show(app, ui::ViewController::make<KnobScreen>());
        screen->knob->update(cg::PointMake(-20, 0), false);
        app.screen().wait(0.1);
    });
}

}  // namespace keelbox::gallery
