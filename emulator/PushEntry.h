// The emulated push service's side on the phone: it answers the
// application's remote-notification registration with a device token (or a
// failure, or a token that only arrives later) and delivers notification
// payloads to the application delegate, while running or at launch. Badge
// writes are what the application records (ui::Application::badgeHistory).
// Main thread only.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Value.h"

namespace ui {
class Application;
}

namespace emulator {

class PushEntry {
public:
    enum class Registration {
        Token,    // the token, on the registration's turn
        Failure,  // a registration error (no token)
        // The registration fails at first (no network) and the token
        // arrives by itself lateDelay seconds (clock time) afterwards.
        Late,
    };

    PushEntry();
    explicit PushEntry(ns::Data token);

    const ns::Data& deviceToken() const { return token_; }
    // The token as lower-case hexadecimal text.
    std::string deviceTokenHex() const;

    void setRegistration(Registration mode, double lateDelay = 5.0) {
        mode_ = mode;
        lateDelay_ = lateDelay;
    }
    // Installs the answer to registerForRemoteNotificationTypes on the app.
    void attach(const std::shared_ptr<ui::Application>& app);

    // A notification payload: {"aps": {"alert": ..., "badge": 1}, "rudi": {...}}
    // with "type" (the wire kind), "router_id", "mac" and "data".
    static ns::Value payload(int wireType, const std::string& routerId, const std::string& mac,
                             const ns::Value& data = ns::Value::dictionary({}));
    // Delivers a payload to the running application's delegate.
    static void deliver(const std::shared_ptr<ui::Application>& app, const ns::Value& payload);
    // Launches the application with the payload in its launch options.
    static bool launchWithNotification(const std::shared_ptr<ui::Application>& app, const ns::Value& payload);

    static constexpr int kRegistrationErrorCode = 3010;

private:
    ns::Data token_;
    Registration mode_ = Registration::Token;
    double lateDelay_ = 5.0;
};

}  // namespace emulator
