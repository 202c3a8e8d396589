// The application against its emulated peers, with the home router R1 made
// the current router on the home network (a local ticket the emulated
// router accepts), so that the USB commands go out on the local channel;
// plus helpers for the disk's and the phone's files.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "emulator/RouterLocalService.h"
#include "platform/foundation/Sandbox.h"
#include "tests/support/Harness.h"
#include "tests/files/FilesEmulatorFixture.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {

inline constexpr const char* kFilesTicket = "TK-files";
inline constexpr const char* kFilesAdminPassword = "admin1234";

// Makes the emulated home router the current router on the home network.
inline void makeHomeRouterLocal(AppFixture& app) {
    const std::string id = app.peers().state().localRouterId();
    app.peers().state().withRouter(id, [](emulator::EmulatedRouter& r) { r.tickets.insert(kFilesTicket); });
    auto router = TAVORouterModel::create();
    router->router_id = id;
    router->isLocalRouter = true;
    router->ticket = kFilesTicket;
    router->setAdminPsw(kFilesAdminPassword);
    TAVOAccountFacade::shared()->setLocalRouter(router);
    TAVOAccountFacade::shared()->setCurrentRouter(router);
}

class FilesAppTest : public ::testing::Test {
protected:
    static constexpr const char* kAdminPassword = kFilesAdminPassword;

    void SetUp() override {
        ASSERT_TRUE(app.launch());
        makeHomeRouterLocal(app);
    }

    emulator::RouterCommandInterface& commands() { return app.peers().router().commands(); }
    std::filesystem::path disk() { return commands().disk().root(); }
    std::filesystem::path documents() { return ns::documentsDirectory(); }
    // The values of a header over the requests that carried it, in order
    // ("Range" marks the downloads, "Content-Range" the upload pieces).
    std::vector<std::string> headerValues(const std::string& name) {
        std::vector<std::string> out;
        for (const auto& entry : app.peers().router().server().log().entries())
            if (auto value = entry.header(name)) out.push_back(*value);
        return out;
    }

    AppFixture app;
};

}  // namespace keelbox::test
