#include "core/crypto/RouterPublicKey.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

namespace {

constexpr const char* kKeyFileName = "router_public_key.pem";

std::filesystem::path resourcesFolder() {
    if (const char* env = std::getenv("KEELBOX_RESOURCES"); env && *env) return env;
    // This file sits at <source>/core/crypto/; the bundle's folder is
    // <source>/resources.
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources";
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "";
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string routerPublicKeyPEM() {
    static std::mutex mutex;
    static std::string cached;
    std::lock_guard<std::mutex> lock(mutex);
    if (cached.empty()) cached = readFile(resourcesFolder() / kKeyFileName);
    return cached;
}
