// Notifications the interface kit posts about the application's life, the
// status bar and the keyboard, all on the default notification centre with
// the application (or nothing) as object.
#pragma once

#include <string>

#include "platform/foundation/Value.h"

namespace ui {

inline const std::string ApplicationDidFinishLaunchingNotification = "UIApplicationDidFinishLaunchingNotification";
inline const std::string ApplicationDidBecomeActiveNotification = "UIApplicationDidBecomeActiveNotification";
inline const std::string ApplicationWillResignActiveNotification = "UIApplicationWillResignActiveNotification";
inline const std::string ApplicationDidEnterBackgroundNotification = "UIApplicationDidEnterBackgroundNotification";
inline const std::string ApplicationWillEnterForegroundNotification = "UIApplicationWillEnterForegroundNotification";
inline const std::string ApplicationWillTerminateNotification = "UIApplicationWillTerminateNotification";
inline const std::string ApplicationDidReceiveMemoryWarningNotification =
    "UIApplicationDidReceiveMemoryWarningNotification";
inline const std::string ApplicationWillChangeStatusBarOrientationNotification =
    "UIApplicationWillChangeStatusBarOrientationNotification";
inline const std::string ApplicationDidChangeStatusBarOrientationNotification =
    "UIApplicationDidChangeStatusBarOrientationNotification";
inline const std::string ApplicationStatusBarOrientationUserInfoKey = "UIApplicationStatusBarOrientationUserInfoKey";

// Posts on the default centre, with the shared application as object.
void postApplicationNotification(const std::string& name, const ns::Value& userInfo = {});

}  // namespace ui
