// The emulated home router alone (no application): its USB disk in a
// temporary folder, the application pointed at it, and an account facade
// whose current router is that router on the home network, so that the
// file manager's USB commands go out on the encrypted local channel. Plus
// helpers for the disk's and the phone's files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/errors/TAVOErrorSystemManager.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"
#include "emulator/RouterLocalService.h"
#include "platform/foundation/Sandbox.h"
#include "tests/support/FakeAccountFacade.h"
#include "tests/support/Harness.h"

namespace keelbox::test {

inline std::string filePayload(std::uint64_t size, std::uint32_t seed = 0x12345678) {
    std::string bytes(size, '\0');
    std::uint32_t x = seed;
    for (auto& c : bytes) {
        x = x * 1664525u + 1013904223u;
        c = static_cast<char>(x >> 24);
    }
    return bytes;
}

inline std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void writeWholeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

class FilesEmulatorTest : public ::testing::Test {
protected:
    static constexpr const char* kTicket = "TK-files";

    void SetUp() override {
        state = emulator::EmulatorState::create();
        auto r1 = emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01");
        r1.tickets.insert(kTicket);
        state->addRouter(r1);
        local = std::make_unique<emulator::RouterLocalService>(state);
        ASSERT_TRUE(local->start());
        ::setenv("KEELBOX_ROUTER_LOCAL_HOST", local->host().c_str(), 1);
        facade = std::make_shared<FakeAccountFacade>();
        auto router = TAVORouterModel::create();
        router->router_id = "R1";
        router->mac = "AA:BB:CC:00:00:01";
        router->isLocalRouter = true;
        router->ticket = kTicket;
        facade->current = router;
        facade->local = router;
        TAVOAccountFacade::setShared(facade);
    }
    void TearDown() override {
        ::unsetenv("KEELBOX_ROUTER_LOCAL_HOST");
        TAVOErrorSystemManager::sharedManager()->removeAllHandlers();
        local->stop();
    }

    emulator::RouterCommandInterface& commands() { return local->commands(); }
    std::filesystem::path disk() { return commands().disk().root(); }
    std::filesystem::path documents() { return ns::documentsDirectory(); }
    // The values of a header over the requests that carried it, in order
    // ("Range" marks the downloads, "Content-Range" the upload pieces).
    std::vector<std::string> headerValues(const std::string& name) {
        std::vector<std::string> out;
        for (const auto& entry : local->server().log().entries())
            if (auto value = entry.header(name)) out.push_back(*value);
        return out;
    }
    void setServerFault(emulator::Fault fault) { local->server().setFault("/home1/", fault); }
    void clearServerFaults() { local->server().clearFaults(); }

    emulator::EmulatorStatePtr state;
    std::unique_ptr<emulator::RouterLocalService> local;
    std::shared_ptr<FakeAccountFacade> facade;
};

}  // namespace keelbox::test
