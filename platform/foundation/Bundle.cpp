#include "platform/foundation/Bundle.h"
#include "platform/foundation/ResourceLookupLog.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "platform/foundation/FileData.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyListSerialization.h"
#include "platform/foundation/Singleton.h"
#include "platform/foundation/StringsFile.h"

namespace ns {

namespace fs = std::filesystem;

namespace {

std::string executableFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::string mainBundlePath() {
    if (const char* env = std::getenv("KEELBOX_RESOURCES"); env && *env) return env;
#ifdef KEELBOX_SOURCE_RESOURCES
    if (fs::is_directory(KEELBOX_SOURCE_RESOURCES)) return KEELBOX_SOURCE_RESOURCES;
#endif
    return executableFolder() + "/resources";
}

// The folder of the images rasterised at build time; "" when there is none.
std::string generatedResourcesPath() {
    if (const char* env = std::getenv("KEELBOX_GENERATED_RESOURCES"); env && *env) return env;
#ifdef KEELBOX_GENERATED_RESOURCES
    if (fs::is_directory(KEELBOX_GENERATED_RESOURCES)) return KEELBOX_GENERATED_RESOURCES;
#endif
    return std::string();
}

bool exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

std::string join(const std::string& a, const std::string& b) {
    if (b.empty()) return a;
    if (a.empty()) return b;
    return a.back() == '/' ? a + b : a + "/" + b;
}

}  // namespace

std::shared_ptr<Bundle> Bundle::mainBundle() {
    return Singleton<Bundle>::get([] {
        auto bundle = bundleWithPath(mainBundlePath());
        std::string generated = generatedResourcesPath();
        if (!generated.empty() && generated != bundle->path_) bundle->resourceRoots_.push_back(generated);
        return bundle;
    });
}

std::shared_ptr<Bundle> Bundle::bundleWithPath(std::string path) {
    std::shared_ptr<Bundle> bundle(new Bundle(std::move(path)));
    std::string infoPath = join(bundle->path_, "Info.plist");
    if (exists(infoPath)) {
        Value info = dictionaryWithContentsOfFile(infoPath);
        if (info.isDictionary()) bundle->info_ = info.asDictionary();
        else logWarning("The bundle's Info.plist is not a readable property list: " + infoPath);
    }
    return bundle;
}

std::string Bundle::developmentLocalization() const {
    const std::string& region = info_["CFBundleDevelopmentRegion"].asString();
    return region.empty() ? "en" : region;
}

std::vector<std::string> Bundle::localizationFolders() const {
    return {developmentLocalization() + ".lproj", "Base.lproj"};
}

std::string Bundle::pathForResource(const std::string& name, const std::string& type, const std::string& directory) const {
    if (name.empty()) return std::string();
    std::string file = name;
    if (!type.empty()) file += type[0] == '.' ? type : "." + type;
    const std::vector<std::string> lprojs = localizationFolders();
    for (const std::string& root : resourceRoots_) {
        std::string folder = join(root, directory);
        if (std::string path = join(folder, file); exists(path)) return path;
        for (const std::string& lproj : lprojs) {
            if (std::string path = join(join(folder, lproj), file); exists(path)) return path;
        }
    }
    return std::string();
}

URLPtr Bundle::URLForResource(const std::string& name, const std::string& extension, const std::string& subdirectory) const {
    std::string path = pathForResource(name, extension, subdirectory);
    return path.empty() ? nullptr : URL::fileURLWithPath(path);
}

const Dictionary& Bundle::table(const std::string& name) const {
    std::lock_guard<std::mutex> lock(tablesMutex_);
    auto it = tables_.find(name);
    if (it != tables_.end()) return it->second;
    Dictionary merged;
    // Localized folders first; an earlier folder wins for a key.
    std::vector<std::string> folders = localizationFolders();
    folders.push_back("");
    for (const std::string& folder : folders) {
        std::string path = join(join(path_, folder), name + ".strings");
        if (!exists(path)) continue;
        auto bytes = dataWithContentsOfFile(path);
        auto parsed = bytes ? parseStringsFile(*bytes) : std::nullopt;
        if (!parsed) {
            logWarning("String table is not readable: " + path);
            continue;
        }
        for (const auto& [key, value] : *parsed) {
            if (!merged.contains(key)) merged.set(key, value);
        }
    }
    return tables_.emplace(name, std::move(merged)).first->second;
}

std::string Bundle::localizedString(const std::string& key, const std::string& value, const std::string& tableName) const {
    const std::string name = tableName.empty() ? "Localizable" : tableName;
    const Value& found = table(name)[key];
    if (found.isString()) return found.asString();
    ResourceLookupLog::recordMissingString(name, key);
    return value.empty() ? key : value;
}

std::string Bundle::deploymentEnvironmentName(const std::string& name) {
    std::string out = "KEELBOX_";
    for (std::size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (!std::isalnum(c)) {
            if (out.back() != '_') out.push_back('_');
            continue;
        }
        // A word starts at an upper-case letter after a lower-case letter or
        // digit, or at the last capital of a run followed by lower case ("URLPath").
        if (std::isupper(c) && i > 0) {
            unsigned char prev = static_cast<unsigned char>(name[i - 1]);
            bool nextLower = i + 1 < name.size() && std::islower(static_cast<unsigned char>(name[i + 1]));
            if (std::islower(prev) || std::isdigit(prev) || (std::isupper(prev) && nextLower)) {
                if (out.back() != '_') out.push_back('_');
            }
        }
        out.push_back(static_cast<char>(std::toupper(c)));
    }
    return out;
}

std::string Bundle::deploymentValue(const std::string& name, const std::string& defaultValue) {
    if (const char* env = std::getenv(deploymentEnvironmentName(name).c_str()); env && *env) return env;
    Value info = mainBundle()->objectForInfoDictionaryKey(name);
    if (info.isString() && !info.asString().empty()) return info.asString();
    if (info.isNumber()) return info.stringValue();
    return defaultValue;
}

std::string localizedStringFromTable(const std::string& key, const std::string& table) {
    return Bundle::mainBundle()->localizedString(key, "", table);
}

}  // namespace ns
