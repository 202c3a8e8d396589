// The application at home for the Wi-Fi screens' tests: signed in with the
// stored demo account on the home router's Wi-Fi, the router's status
// shown, and the home router furnished with one device of every kind the
// device screens draw. Screens are pushed on top and driven from there.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "core/app/TAVOWIFIUtility.h"
#include "emulator/CallFault.h"
#include "emulator/EmulatedRouterModel.h"
#include "platform/ui/Button.h"
#include "platform/ui/Responder.h"
#include "platform/ui/TableView.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {

class WifiScreenFixture : public ::testing::Test {
protected:
    // Real seconds the emulator gets for an answer.
    static constexpr double kAnswerSeconds = 20;

    // Launches at home; `furnish` changes the home router first.
    bool launchAtHome(const std::function<void(emulator::EmulatedRouter&)>& furnish = everyKind) {
        if (!app.launch({.wifi = EmulatedPeers::kHomeWiFi, .storedAccount = EmulatedPeers::kDemoUser})) return false;
        if (!app.reachTabs(kAnswerSeconds)) return false;
        changeRouter(furnish);
        return true;
    }
    static void everyKind(emulator::EmulatedRouter& router) {
        emulator::EmulatedRouterModel::furnishEveryDeviceKind(router, TAVOWIFIUtility::getIPAddress(true));
    }
    void changeRouter(const std::function<void(emulator::EmulatedRouter&)>& change) {
        app.peers().state().withRouter(EmulatedPeers::kHomeRouter, change);
    }
    emulator::EmulatedRouter homeRouter() { return *app.peers().state().router(EmulatedPeers::kHomeRouter); }
    // The device with that MAC in a list of the home router's model.
    ns::Value deviceIn(const char* list, const std::string& mac) {
        for (const auto& d : homeRouter().model[list].asArray())
            if (d["endmac"].stringValue() == mac) return d;
        return {};
    }

    // The router calls of that name the application made so far, on the
    // home network or through the cloud (whichever road the router is on).
    std::vector<ns::Dictionary> calls(const std::string& cmd) {
        std::vector<ns::Dictionary> found;
        for (const auto& call : app.peers().router().calls())
            if (call.cmd == cmd) found.push_back(call.params);
        std::string path = "/" + cmd;
        std::replace(path.begin(), path.end(), '.', '/');
        for (const auto& request : app.peers().cloud().server().log().entries()) {
            if (request.path != path) continue;
            ns::Dictionary fields;
            for (const auto& [key, value] : request.fields) fields.set(key, value);
            found.push_back(fields);
        }
        return found;
    }
    // The call answers with the fault on either road.
    void setFault(const std::string& cmd, const emulator::CallFault& fault) {
        app.peers().router().setCallFault(cmd, fault);
        app.peers().cloud().setCallFault(cmd, fault);
    }
    bool waitForCalls(const std::string& cmd, std::size_t count) {
        return app.screen().waitUntil([&] { return calls(cmd).size() >= count; }, kAnswerSeconds);
    }
    bool waitForText(const std::string& part) {
        const bool shown = app.screen().waitUntil(
            [&] { return app.screen().viewWithTextContaining(part) != nullptr; }, kAnswerSeconds);
        EXPECT_TRUE(shown) << "never showed \"" << part << "\"";
        return shown;
    }
    bool waitForToast(const std::string& text) {
        const bool shown = app.screen().waitUntil(
            [&] {
                auto toast = app.screen().toast();
                return toast && toast->text == text;
            },
            kAnswerSeconds);
        EXPECT_TRUE(shown) << "never toasted \"" << text << "\"; last: "
                           << (app.screen().toast() ? app.screen().toast()->text : std::string("none"));
        return shown;
    }

    // A warning toast (the router's or the common failure text).
    bool waitForWarning() {
        const bool shown = app.screen().waitUntil(
            [&] {
                auto toast = app.screen().toast();
                return toast && toast->type == 1 && !toast->text.empty();
            },
            kAnswerSeconds);
        EXPECT_TRUE(shown) << "never warned";
        return shown;
    }
    // The keyboard goes, so that nothing covers a dialog's buttons.
    void endEditing() {
        if (auto focused = ui::Responder::currentFirstResponder()) focused->resignFirstResponder();
        app.screen().wait(0.5);
    }

    static ui::ButtonPtr buttonTitled(const std::vector<ui::ButtonPtr>& buttons, const std::string& title) {
        for (const auto& b : buttons)
            if (b->currentTitle() == title) return b;
        return nullptr;
    }
    static std::vector<std::string> titlesOf(const std::vector<ui::ButtonPtr>& buttons) {
        std::vector<std::string> titles;
        for (const auto& b : buttons) titles.push_back(b->currentTitle());
        return titles;
    }

    AppFixture app;
};

}  // namespace keelbox::test
