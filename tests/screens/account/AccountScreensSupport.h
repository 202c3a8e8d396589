// What the account screens' tests share: reaching the screens the way the
// application does, and waiting for what the emulated peers answer.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOTabScreen.h"
#include "core/errors/TAVOAppJumper.h"
#include "platform/ui/TextField.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {

// Real seconds the emulator gets to answer.
inline constexpr double kAnswerSeconds = 20;
// Virtual seconds let pass on each turn of a real-time wait (about 100 a
// second): screen transitions complete, while virtual time runs about as
// fast as real time, so no request times out that would not on a phone.
inline constexpr double kVirtualStep = 0.01;

// The screen on top of the application's stack, as the class asked for.
template <class T>
std::shared_ptr<T> topScreenAs(AppFixture& app) {
    return std::dynamic_pointer_cast<T>(app.screen().topScreen());
}

// The error system's jump: back to the tabs, then the screen on top. The
// push is animated: a second of virtual time lets it land.
template <class T>
std::shared_ptr<T> jumpTo(AppFixture& app, void (TAVOAppJumper::*to)()) {
    (TAVOAppJumper::jumper().get()->*to)();
    app.screen().wait(1.0);
    auto screen = topScreenAs<T>(app);
    EXPECT_TRUE(screen) << app.screen().describe();
    return screen;
}

inline bool tabScreenOnTop(AppFixture& app) {
    return dynamic_cast<TAVOTabScreen*>(app.screen().topScreen().get()) != nullptr;
}

// Waits (real time, while the peers answer) for the tab screen to come back.
inline bool waitForTabScreen(AppFixture& app) {
    const bool back = app.screen().waitWhileTimePasses([&] {
        return tabScreenOnTop(app);
    }, kAnswerSeconds);
    EXPECT_TRUE(back) << app.screen().describe();
    return back;
}

inline bool waitForToast(AppFixture& app, const std::string& text) {
    const bool shown = app.screen().waitUntil([&] {
        auto toast = app.screen().toast();
        return toast && toast->text == text;
    }, kAnswerSeconds);
    EXPECT_TRUE(shown) << "no toast \"" << text << "\"; last: "
                       << (app.screen().toast() ? app.screen().toast()->text : std::string("none"));
    return shown;
}

// A person waits for a toast to go before touching what it covers.
inline void waitForToastToGo(AppFixture& app) {
    if (app.screen().toast()) app.screen().wait(2.0);
}

// Types into a field as a person does: a tap, then the keys.
inline bool fill(AppFixture& app, const ui::TextFieldPtr& field, const std::string& text) {
    waitForToastToGo(app);
    if (!field || !app.screen().tap(field)) return false;
    field->clear();
    return app.screen().type(text);
}

inline std::string L(const std::string& key) { return TAVOLocalizedString(key); }

}  // namespace keelbox::test
