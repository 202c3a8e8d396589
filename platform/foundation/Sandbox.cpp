#include "platform/foundation/Sandbox.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace ns {

namespace fs = std::filesystem;

namespace {

std::string envOrEmpty(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

std::string userHome() {
    std::string home = envOrEmpty("HOME");
    if (!home.empty()) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/tmp";
}

std::string resolveHome() {
    std::string home = envOrEmpty("KEELBOX_HOME");
    if (home.empty()) {
        std::string xdg = envOrEmpty("XDG_DATA_HOME");
        home = xdg.empty() ? userHome() + "/.local/share/keelbox" : xdg + "/keelbox";
    }
    while (home.size() > 1 && home.back() == '/') home.pop_back();
    return home;
}

// Creates the standard folders. Failures are left to the callers that
// then try to use a folder: they report a proper error for their file.
void ensureFolders(const std::string& home) {
    std::error_code ec;
    for (const char* sub : {"Documents", "Library/Caches", "Library/Preferences", "tmp"}) {
        fs::create_directories(fs::path(home) / sub, ec);
    }
}

std::string sub(const char* relative) {
    std::string home = resolveHome();
    ensureFolders(home);
    return home + "/" + relative;
}

}  // namespace

std::string homeDirectory() {
    std::string home = resolveHome();
    ensureFolders(home);
    return home;
}

std::string documentsDirectory() { return sub("Documents"); }
std::string libraryDirectory() { return sub("Library"); }
std::string cachesDirectory() { return sub("Library/Caches"); }
std::string preferencesDirectory() { return sub("Library/Preferences"); }
std::string temporaryDirectory() { return sub("tmp/"); }

std::vector<std::string> searchPathForDirectoriesInDomains(SearchPathDirectory directory, unsigned domainMask,
                                                           bool /*expandTilde*/) {
    if (!(domainMask & kUserDomainMask)) return {};
    switch (directory) {
        case SearchPathDirectory::Library: return {libraryDirectory()};
        case SearchPathDirectory::Document: return {documentsDirectory()};
        case SearchPathDirectory::Caches: return {cachesDirectory()};
    }
    return {};
}

}  // namespace ns
