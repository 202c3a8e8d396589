#include "emulator/PushEntry.h"

#include <openssl/rand.h>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Error.h"
#include "platform/ui/Application.h"

namespace emulator {

PushEntry::PushEntry() : token_(ns::Data::withLength(32)) {
    RAND_bytes(token_.mutableBytes(), static_cast<int>(token_.length()));
}

PushEntry::PushEntry(ns::Data token) : token_(std::move(token)) {}

std::string PushEntry::deviceTokenHex() const { return token_.hexString(); }

void PushEntry::attach(const std::shared_ptr<ui::Application>& app) {
    Registration mode = mode_;
    ns::Data token = token_;
    double lateDelay = lateDelay_;
    std::weak_ptr<ui::Application> weakApp = app;
    app->setRemoteNotificationTokenSource([mode, token, lateDelay, weakApp]() -> ui::Application::TokenResult {
        if (mode == Registration::Token) return token;
        if (mode == Registration::Late) {
            dispatch::after(lateDelay, dispatch::Queue::main(), [weakApp, token] {
                auto app = weakApp.lock();
                if (app && app->delegate()) app->delegate()->didRegisterForRemoteNotificationsWithDeviceToken(*app, token);
            });
        }
        return ns::Error::withDescription("NSCocoaErrorDomain", kRegistrationErrorCode,
                                          "no valid aps-environment for the application");
    });
}

ns::Value PushEntry::payload(int wireType, const std::string& routerId, const std::string& mac, const ns::Value& data) {
    return ns::Value::dictionary(
        {{"aps", ns::Value::dictionary({{"alert", "Keelbox"}, {"badge", 1}})},
         {"rudi", ns::Value::dictionary({{"type", wireType}, {"router_id", routerId}, {"mac", mac}, {"data", data}})}});
}

void PushEntry::deliver(const std::shared_ptr<ui::Application>& app, const ns::Value& payload) {
    app->receiveRemoteNotification(payload);
}

bool PushEntry::launchWithNotification(const std::shared_ptr<ui::Application>& app, const ns::Value& payload) {
    return app->launch(ns::Value::dictionary({{ui::ApplicationLaunchOptionsRemoteNotificationKey, payload}}));
}

}  // namespace emulator
