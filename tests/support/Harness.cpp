#include "tests/support/Harness.h"

#include <cstdlib>
#include <filesystem>
#include <random>

#include "platform/foundation/Clock.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Singleton.h"

namespace keelbox::test {

namespace fs = std::filesystem;

namespace {
std::string& currentHome() {
    static std::string home;
    return home;
}
fs::path& runRoot() {
    static fs::path root;
    return root;
}
}  // namespace

const std::string& sandboxHome() { return currentHome(); }

void HarnessEnvironment::SetUp() {
    std::random_device rd;
    runRoot() = fs::temp_directory_path() / ("keelbox-test-" + std::to_string(rd()));
    fs::create_directories(runRoot());
}

void HarnessEnvironment::TearDown() {
    std::error_code ec;
    fs::remove_all(runRoot(), ec);
}

void PerTestReset::OnTestStart(const ::testing::TestInfo& info) {
    fs::path home = runRoot() / (std::string(info.test_suite_name()) + "." + info.name());
    std::error_code ec;
    fs::remove_all(home, ec);
    fs::create_directories(home);
    currentHome() = home.string();
    ::setenv("KEELBOX_HOME", currentHome().c_str(), 1);
    ns::Clock::useVirtual();
    // Work a previous test's threads posted late must not run in this one.
    ns::RunLoop::resetMainForTesting();
}

void PerTestReset::OnTestEnd(const ::testing::TestInfo&) {
    ns::resetSingletonsForTesting();
    ns::RunLoop::resetMainForTesting();
    ns::Clock::useReal();
}

}  // namespace keelbox::test
