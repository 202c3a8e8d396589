// The application life-cycle notification names, spelled as the platform
// spells them: the application object posts them, and tests post them
// synthetically.
#pragma once

#include <string>

namespace ns {

inline const std::string UIApplicationDidReceiveMemoryWarningNotification =
    "UIApplicationDidReceiveMemoryWarningNotification";
inline const std::string UIApplicationWillTerminateNotification = "UIApplicationWillTerminateNotification";
inline const std::string UIApplicationDidEnterBackgroundNotification = "UIApplicationDidEnterBackgroundNotification";
inline const std::string UIApplicationWillEnterForegroundNotification =
    "UIApplicationWillEnterForegroundNotification";
inline const std::string UIApplicationDidBecomeActiveNotification = "UIApplicationDidBecomeActiveNotification";
inline const std::string UIApplicationWillResignActiveNotification = "UIApplicationWillResignActiveNotification";
inline const std::string UIApplicationWillChangeStatusBarOrientationNotification =
    "UIApplicationWillChangeStatusBarOrientationNotification";

}  // namespace ns
