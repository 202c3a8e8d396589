#include "core/crypto/AppInfoUtility.h"

#include "core/crypto/StringMD5.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/UUID.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/Device.h"

namespace {
constexpr const char* kDeviceIdentifierKey = "uuid_sr_ios";

ns::Value infoValue(const std::string& key) { return ns::Bundle::mainBundle()->objectForInfoDictionaryKey(key); }
}  // namespace

int AppInfoUtility::currentVersionCode(const std::string& key) {
    if (key.empty()) return 0;
    return infoValue(key).intValue();
}

double AppInfoUtility::systemVersion() { return ns::Value(ui::Device::currentDevice()->systemVersion).doubleValue(); }

bool AppInfoUtility::aboveIOS7() { return systemVersion() >= 7.0; }

std::string AppInfoUtility::currentBundleVersionString() { return infoValue("CFBundleShortVersionString").stringValue(); }

double AppInfoUtility::currentBundleVersionNumber() { return ns::Value(currentBundleVersionString()).doubleValue(); }

std::string AppInfoUtility::currentBundleVersionWithBuildNumString() {
    return currentBundleVersionString() + " build" + infoValue("CFBundleVersion").stringValue();
}

std::string AppInfoUtility::currentBundleName() { return ns::Bundle::mainBundle()->bundleIdentifier(); }

std::string AppInfoUtility::uniqueueIdentifier() {
    auto defaults = ns::UserDefaults::standardUserDefaults();
    if (auto stored = defaults->stringForKey(kDeviceIdentifierKey); stored && !stored->empty()) return *stored;

    std::string seed = ui::Device::currentDevice()->identifierForVendor;
    if (seed.empty()) seed = md5String(ns::UUID().UUIDString());
    std::string identifier = md5String(seed + currentBundleName());
    if (!identifier.empty()) defaults->setObject(identifier, kDeviceIdentifierKey);
    return identifier;
}
