// The process's way into the application: creates the application and the
// delegate named `delegateClassName`, launches with the launch options (the
// platform puts a push payload that started the process under
// ApplicationLaunchOptionsRemoteNotificationKey) and runs the main loop until
// terminate(). Returns 0, or 1 when the delegate class is unknown.
#pragma once

#include <string>

#include "platform/foundation/Value.h"

namespace ui {

int ApplicationMain(int argc, char** argv, const std::string& principalClassName,
                    const std::string& delegateClassName, const ns::Value& launchOptions = {});

}  // namespace ui
