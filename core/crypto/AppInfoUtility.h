// Bundle versions, the system version and the persistent device identifier.
#pragma once

#include <string>

class AppInfoUtility {
public:
    AppInfoUtility() = delete;

    // The integer value of the main bundle's info entry for the key; 0 for an
    // empty key or an absent entry.
    static int currentVersionCode(const std::string& key);
    // The system version text read as a number.
    static double systemVersion();
    static bool aboveIOS7();
    static std::string currentBundleVersionString();
    static double currentBundleVersionNumber();
    // "<short version> build<build>".
    static std::string currentBundleVersionWithBuildNumString();
    static std::string currentBundleName();
    // 32 upper-case hex digits, made once per installation and kept in the
    // user defaults under "uuid_sr_ios".
    static std::string uniqueueIdentifier();
};
