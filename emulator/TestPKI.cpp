#include "emulator/TestPKI.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace emulator {

std::string TestPKI::directory() {
    if (const char* dir = std::getenv("KEELBOX_PKI_DIR"); dir && *dir) return dir;
    return KEELBOX_EMULATOR_PKI_DIR;
}

std::string TestPKI::path(const std::string& name, const std::string& extension) {
    return directory() + "/" + name + "." + extension;
}

ns::Data TestPKI::read(const std::string& name, const std::string& extension) {
    std::ifstream in(path(name, extension), std::ios::binary);
    if (!in) return {};
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ns::Data(std::move(bytes));
}

std::string TestPKI::fileName(Identity identity) {
    switch (identity) {
        case Identity::Server: return "server";
        case Identity::ForeignServer: return "foreign-server";
        case Identity::Expired: return "expired";
        case Identity::WrongHost: return "wrong-host";
    }
    return "server";
}

}  // namespace emulator
