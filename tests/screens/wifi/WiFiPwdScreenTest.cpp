// The network name and password screen against the emulated home router:
// what each band's entries must be, what is sent for each band and mode,
// switching a radio off, and the restart count-down that leads back to the
// tabs.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "emulator/CallFault.h"
#include "screens/wifi/TAVOWiFiPwdViewController.h"
#include "tests/screens/wifi/WifiScreensFixture.h"

namespace keelbox::test::wifi {
namespace {

using Screen = TAVOWiFiPwdViewController;

TEST(WiFiPwdRules, EachBandThatIsOnIsCheckedAsItIsSent) {
    const std::string nameEmpty = TAVOLocalizedString("ssid can't be nil");
    const std::string nameBad = TAVOLocalizedString("ssid contains invalid characters");
    const std::string differ = TAVOLocalizedString("the twice pwds are not the same");
    const std::string length = TAVOLocalizedString("router pwd length is wrong");
    struct Case {
        const char* name;
        const char* password;
        const char* confirm;
        bool noPassword;
        std::optional<std::string> refusal;
    };
    const std::vector<Case> cases{
        {"Home_5G-net.1", "12345678", "12345678", false, std::nullopt},
        {"", "12345678", "12345678", false, nameEmpty},
        {"   ", "12345678", "12345678", false, nameBad},
        {"my home", "12345678", "12345678", false, nameBad},
        {"网络", "12345678", "12345678", false, nameBad},
        {"abcdefghijklmnopqrstuvwxyz012345", "12345678", "12345678", false, std::nullopt},
        {"abcdefghijklmnopqrstuvwxyz0123456", "12345678", "12345678", false, TAVOLocalizedString("ssid is too long")},
        {"Home", "1234567", "1234567", false, length},
        {"Home", "1234567890123456", "1234567890123456", false, std::nullopt},
        {"Home", "12345678901234567", "12345678901234567", false, length},
        {"Home", "1234567", "7654321", false, differ},
        // Trimmed before the length is checked, as it is sent.
        {"Home", " 1234567 ", " 1234567 ", false, length},
        {"Home", "12345678 ", "12345678", false, std::nullopt},
        // No password: only the password rules are skipped.
        {"Home", "", "x", true, std::nullopt},
        {"", "", "", true, nameEmpty},
        {"bad name", "", "", true, nameBad},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.name + "\" / \"" + c.password + "\"");
        EXPECT_EQ(Screen::validateBand(c.name, c.password, c.confirm, c.noPassword), c.refusal);
    }
}

class WiFiPwdScreen : public ::testing::Test {
protected:
    void open(bool signedIn = false) {
        ASSERT_TRUE(launchOnHomeRouter(app, signedIn));
        screen = Screen::create();
        app.push(screen);
        app.screen().wait(0.5);
    }
    void tapModify() { ASSERT_TRUE(app.screen().selectRow(screen->tableView(), ui::IndexPath::indexPathForRow(0, 3))); }
    bool countDownShown() {
        return app.screen().waitUntil([&] { return screen->restartDownView() != nullptr; });
    }
    AppFixture app;
    std::shared_ptr<Screen> screen;
};

TEST_F(WiFiPwdScreen, OpensWithTheRoutersNamesAndABandWithoutPasswordInNoPasswordMode) {
    changeHomeRouter(app, [](emulator::EmulatedRouter& r) {
        ns::Value band = r.model["wifi_2g"];
        band.mutableDictionary().set("pwd", "");
        r.model.set("wifi_2g", band);
    });
    open();
    EXPECT_EQ(screen->rowCount(Screen::Band2g), 3u);
    EXPECT_TRUE(screen->isInNoPasswordMode(Screen::Band2g));
    EXPECT_TRUE(screen->noPasswordSwitch(Screen::Band2g)->isOn());
    EXPECT_EQ(screen->rowCount(Screen::Band5g), 5u);
    EXPECT_EQ(screen->nameField(Screen::Band2g)->text(), "Keelbox");
    EXPECT_EQ(screen->nameField(Screen::Band5g)->text(), "Keelbox-5G");
    EXPECT_EQ(screen->passwordField(Screen::Band5g)->text(), "password50");
    EXPECT_TRUE(screen->bandSwitch(Screen::Band2g)->isOn());
    EXPECT_TRUE(app.screen().viewWithText(TAVOLocalizedString("advanced options")));

    // Turning "no password" off brings the two rows back with the router's (empty) password.
    ASSERT_TRUE(app.screen().tap(screen->noPasswordSwitch(Screen::Band2g)));
    app.screen().wait(0.5);
    EXPECT_EQ(screen->rowCount(Screen::Band2g), 5u);
    EXPECT_EQ(screen->tableView()->numberOfRowsInSection(0), 5);
    EXPECT_EQ(screen->passwordField(Screen::Band2g)->text(), "");
    ASSERT_TRUE(app.screen().tap(screen->noPasswordSwitch(Screen::Band2g)));
    app.screen().wait(0.5);
    EXPECT_EQ(screen->tableView()->numberOfRowsInSection(0), 3);
}

TEST_F(WiFiPwdScreen, ModifySendsBothBandsAndCountsDownBackToTheTabs) {
    open();
    screen->nameField(Screen::Band2g)->setText("Attic");
    screen->passwordField(Screen::Band2g)->setText(" newpass24 ");
    screen->repasswordField(Screen::Band2g)->setText("newpass24");
    // Without password: the name is sent with an empty password.
    ASSERT_TRUE(app.screen().tap(screen->noPasswordSwitch(Screen::Band5g)));
    tapModify();
    ASSERT_TRUE(countDownShown());
    const auto sent = callsOf(app, "wifi.set");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["ssid"].stringValue(), "Attic");
    EXPECT_EQ(sent[0]["pwd"].stringValue(), "newpass24");
    EXPECT_EQ(sent[0]["ssid_5g"].stringValue(), "Keelbox-5G");
    EXPECT_EQ(sent[0]["pwd_5g"].stringValue(), "");
    EXPECT_TRUE(screen->okToModify());
    const auto router = app.peers().state().router(EmulatedPeers::kHomeRouter);
    EXPECT_EQ(router->model["wifi_2g"]["ssid"].stringValue(), "Attic");
    EXPECT_EQ(router->model["wifi_5g"]["pwd"].stringValue(), "");

    auto countDown = screen->restartDownView();
    EXPECT_EQ(countDown->frame(), screen->view()->bounds());
    EXPECT_TRUE(app.screen().viewWithText(TAVOLocalizedString("restart wifi progress")));
    // A second accepted change (a quick second tap) never stacks a second count-down.
    screen->submit();
    app.screen().waitUntil([&] { return callsOf(app, "wifi.set").size() == 2; });
    // Its answer in before the count-down runs on.
    app.peers().waitUntilAnswered();
    app.screen().waitUntil([] { return false; }, 0.3);
    app.screen().wait(0.1);
    EXPECT_EQ(screen->restartDownView(), countDown);

    app.screen().wait(18.5);
    EXPECT_TRUE(screen->restartDownView());
    app.screen().wait(1.0);
    EXPECT_FALSE(screen->restartDownView());
    app.screen().wait(1.0);
    EXPECT_NE(app.screen().topScreen(), screen) << "back to the tabs";
}

TEST_F(WiFiPwdScreen, AClosedBandSendsWhatTheRouterHasAndIsNotChecked) {
    changeHomeRouter(app, [](emulator::EmulatedRouter& r) {
        ns::Value band = r.model["wifi_5g"];
        band.mutableDictionary().set("status", "0");
        r.model.set("wifi_5g", band);
    });
    open();
    ASSERT_TRUE(screen->isClosed(Screen::Band5g));
    EXPECT_FALSE(screen->bandSwitch(Screen::Band5g)->isOn());
    screen->nameField(Screen::Band5g)->setText("not checked!");
    screen->passwordField(Screen::Band5g)->setText("x");
    tapModify();
    ASSERT_TRUE(countDownShown());
    const auto sent = callsOf(app, "wifi.set");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["ssid_5g"].stringValue(), "Keelbox-5G");
    EXPECT_EQ(sent[0]["pwd_5g"].stringValue(), "password50");
    EXPECT_EQ(sent[0]["ssid"].stringValue(), "Keelbox");
    EXPECT_EQ(sent[0]["pwd"].stringValue(), "password24");
}

TEST_F(WiFiPwdScreen, ARefusedEntryIsShownAndNothingIsSent) {
    open();
    struct Case {
        Screen::Band band;
        const char* name;
        const char* password;
        const char* confirm;
        std::string toast;
    };
    const std::vector<Case> cases{
        {Screen::Band2g, "", "password24", "password24", TAVOLocalizedString("ssid can't be nil")},
        {Screen::Band5g, "Keelbox-5G", "password50", "different", TAVOLocalizedString("the twice pwds are not the same")},
        {Screen::Band5g, "Keelbox-5G", "short", "short", TAVOLocalizedString("router pwd length is wrong")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.toast);
        screen->nameField(c.band)->setText(c.name);
        screen->passwordField(c.band)->setText(c.password);
        screen->repasswordField(c.band)->setText(c.confirm);
        tapModify();
        auto toast = app.screen().toast();
        ASSERT_TRUE(toast);
        EXPECT_EQ(toast->text, c.toast);
        EXPECT_EQ(toast->type, CustomizedHUDTypeWarning);
        screen->nameField(c.band)->setText(c.band == Screen::Band2g ? "Keelbox" : "Keelbox-5G");
        screen->passwordField(c.band)->setText(c.band == Screen::Band2g ? "password24" : "password50");
        screen->repasswordField(c.band)->setText(c.band == Screen::Band2g ? "password24" : "password50");
        app.screen().wait(1.5);
    }
    app.screen().waitUntil([] { return false; }, 0.3);
    EXPECT_TRUE(callsOf(app, "wifi.set").empty());
    EXPECT_FALSE(screen->restartDownView());
}

TEST_F(WiFiPwdScreen, SwitchingARadioOffNeedsASignedInAccount) {
    open(false);
    ASSERT_TRUE(app.screen().tap(screen->bandSwitch(Screen::Band5g)));
    EXPECT_TRUE(screen->bandSwitch(Screen::Band5g)->isOn()) << "flipped back at once";
    auto alert = app.screen().alert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), TAVOLocalizedString("wifi control tip"));
    EXPECT_EQ(alert->message(), TAVOLocalizedString("wifi open close login text"));
    EXPECT_EQ(alert->buttonTitles(), (std::vector<std::string>{TAVOLocalizedString("NO"), TAVOLocalizedString("YES")}));
    EXPECT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("NO")));
    app.screen().waitUntil([] { return false; }, 0.3);
    EXPECT_TRUE(callsOf(app, "router.wifiControl").empty());
}

TEST_F(WiFiPwdScreen, SwitchingARadioOffAsksFirstAndThenCountsDown) {
    open(true);
    ASSERT_TRUE(app.screen().tap(screen->bandSwitch(Screen::Band5g)));
    auto alert = app.screen().alert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->title(), TAVOLocalizedString("wifi open close tip"));
    EXPECT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("NO")));
    EXPECT_TRUE(screen->bandSwitch(Screen::Band5g)->isOn());
    app.screen().wait(1.0);

    ASSERT_TRUE(app.screen().tap(screen->bandSwitch(Screen::Band5g)));
    ASSERT_TRUE(app.screen().alert());
    EXPECT_TRUE(app.screen().pressAlertButton(TAVOLocalizedString("YES")));
    ASSERT_TRUE(countDownShown());
    const auto sent = callsOf(app, "router.wifiControl");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["sw"].intValue(), 0);
    EXPECT_EQ(sent[0]["type"].intValue(), 2);
    EXPECT_EQ(sent[0]["sw_2g"].intValue(), 1);
    EXPECT_EQ(sent[0]["sw_5g"].intValue(), 1);
    EXPECT_TRUE(screen->isClosed(Screen::Band5g));
    EXPECT_EQ(app.peers().state().router(EmulatedPeers::kHomeRouter)->model["wifi_5g"]["status"].stringValue(), "0");
}

TEST_F(WiFiPwdScreen, ARefusedRadioSwitchGoesBack) {
    changeHomeRouter(app, [](emulator::EmulatedRouter& r) {
        ns::Value band = r.model["wifi_2g"];
        band.mutableDictionary().set("status", "0");
        r.model.set("wifi_2g", band);
    });
    open();
    app.peers().router().setCallFault("router.wifiControl", emulator::CallFault::error(-5, "radio busy"));
    ASSERT_FALSE(screen->bandSwitch(Screen::Band2g)->isOn());
    // Switching on needs no account and no question.
    ASSERT_TRUE(app.screen().tap(screen->bandSwitch(Screen::Band2g)));
    ASSERT_TRUE(app.screen().waitUntil([&] { return !screen->bandSwitch(Screen::Band2g)->isOn(); }));
    const auto sent = callsOf(app, "router.wifiControl");
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0]["sw"].intValue(), 1);
    EXPECT_EQ(sent[0]["sw_2g"].intValue(), 0);
    EXPECT_TRUE(screen->isClosed(Screen::Band2g));
    EXPECT_FALSE(screen->restartDownView());
    auto toast = app.screen().toast();
    ASSERT_TRUE(toast);
    EXPECT_EQ(toast->type, CustomizedHUDTypeWarning);
}

}  // namespace
}  // namespace keelbox::test::wifi
