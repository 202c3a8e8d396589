// The notifications the interface kit posts about the application's life
// and the status bar, on the default notification centre with the shared
// application as object. The life-cycle names live with the foundation
// (platform/foundation/ApplicationNotifications.h); the rest are here.
#pragma once

#include <string>

#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/Value.h"

namespace ui {

inline const std::string ApplicationDidFinishLaunchingNotification = "UIApplicationDidFinishLaunchingNotification";
inline const std::string ApplicationDidChangeStatusBarOrientationNotification =
    "UIApplicationDidChangeStatusBarOrientationNotification";
inline const std::string ApplicationStatusBarOrientationUserInfoKey = "UIApplicationStatusBarOrientationUserInfoKey";

void postApplicationNotification(const std::string& name, const ns::Dictionary& userInfo = {});

}  // namespace ui
