// ns::Bundle: the application's own bundle, a folder of resources.
//
// The main bundle's folder is $KEELBOX_RESOURCES when set, else the source
// tree's resources/ folder compiled into the program, else "resources" next
// to the executable. It holds Info.plist (the info dictionary), resource
// files (optionally in sub-folders and in <language>.lproj folders) and
// string tables <language>.lproj/<table>.strings.
//
// The images the build rasterises from resources/art are written into the
// build tree, never into the sources, so the main bundle looks for resource
// files in a second folder after its own: $KEELBOX_GENERATED_RESOURCES when
// set, else the build tree's folder compiled into the program (when it
// exists). Info.plist and the string tables come from the bundle's own
// folder only.
//
// Localized lookups use the development region of Info.plist
// (CFBundleDevelopmentRegion, "en" when absent), then Base.lproj, then the
// bundle's top folder.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/Value.h"

namespace ns {

class Bundle : public Object {
public:
    // Resolved on first use (and again after a test reset).
    static std::shared_ptr<Bundle> mainBundle();
    // A bundle over any folder; its Info.plist is read now (absent: empty).
    static std::shared_ptr<Bundle> bundleWithPath(std::string path);

    const std::string& bundlePath() const { return path_; }
    const std::string& resourcePath() const { return path_; }

    const Dictionary& infoDictionary() const { return info_; }
    // Nil when absent.
    Value objectForInfoDictionaryKey(const std::string& key) const { return info_[key]; }
    // CFBundleIdentifier, "" when absent.
    std::string bundleIdentifier() const { return info_["CFBundleIdentifier"].asString(); }
    std::string developmentLocalization() const;

    // The full path of "<name>.<type>" (type may be empty, with or without
    // its dot) in the folder `directory` of the bundle or of its
    // localization folder; "" when there is no such resource.
    std::string pathForResource(const std::string& name, const std::string& type,
                                const std::string& directory = "") const;
    // The same as a file URL; nullptr when there is no such resource.
    URLPtr URLForResource(const std::string& name, const std::string& extension,
                          const std::string& subdirectory = "") const;

    // The text for `key` in the string table (an empty table name means
    // "Localizable"). A missing key (or table) gives `value` when that is
    // non-empty, else the key itself.
    std::string localizedString(const std::string& key, const std::string& value, const std::string& table) const;

    // A deployment setting: the environment variable KEELBOX_<NAME> first
    // (the name in upper case with words split by "_": "CloudBaseURL" reads
    // KEELBOX_CLOUD_BASE_URL), then the main bundle's info value of that
    // name (a string or a number's text), else `defaultValue`.
    static std::string deploymentValue(const std::string& name, const std::string& defaultValue = "");
    // The environment variable deploymentValue reads for a name.
    static std::string deploymentEnvironmentName(const std::string& name);

protected:
    explicit Bundle(std::string path) : path_(std::move(path)), resourceRoots_{path_} {}

private:
    std::vector<std::string> localizationFolders() const;
    const Dictionary& table(const std::string& name) const;

    std::string path_;
    // The folders searched for resource files, the bundle's own first.
    std::vector<std::string> resourceRoots_;
    Dictionary info_;
    mutable std::mutex tablesMutex_;
    mutable std::map<std::string, Dictionary> tables_;  // loaded string tables, by name
};

// The platform's NSLocalizedStringFromTable: the main bundle's text for the
// key, or the key itself.
std::string localizedStringFromTable(const std::string& key, const std::string& table);

}  // namespace ns
