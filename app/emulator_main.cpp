// keelbox-emulator: the loopback peers of the application, in one process.
//
//   keelbox-emulator [--http-port N] [--https-port N] [--data DIR]
//
// Ports default to free ones; the base URLs are printed one per line so
// that a script can read them: "http: <url>", "https: <url>", the account
// service's endpoint as "account: <url>" (KEELBOX_ACCOUNT_SERVICE_URL) and
// the CA file its certificate chains to as "account-ca: <path>"
// (KEELBOX_ACCOUNT_SERVICE_CA_FILE), the
// router's local API as "router: <host:port>" (KEELBOX_ROUTER_LOCAL_HOST),
// the cloud router API as "cloud: <url>" (KEELBOX_CLOUD_ROUTER_BASE_URL) and
// the home router's access point as "wifi: <ssid>,<bssid>" (KEELBOX_WIFI).
// One demo account ("demo", password "keelbox123") owns two routers: the
// one on the home network and one reached only through the cloud. Runs
// until interrupted.
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>

#include "emulator/AccountService.h"
#include "emulator/CloudRouterService.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"
#include "emulator/RouterLocalService.h"
#include "emulator/HttpServer.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void usage() {
    std::cerr << "usage: keelbox-emulator [--http-port N] [--https-port N] [--data DIR]\n";
}

void addFoundationRoutes(emulator::HttpServer& server) {
    server.route("GET", "/", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
        reply.body = "keelbox-emulator\n";
    });
    server.route("*", "/echo", [](const emulator::LoggedRequest& request, emulator::Reply& reply) {
        reply.contentType = request.header("Content-Type").value_or("application/octet-stream");
        reply.body = request.body;
    });
}

}  // namespace

int main(int argc, char** argv) {
    int httpPort = 0, httpsPort = 0;
    std::string data;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                usage();
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--http-port") {
            httpPort = std::atoi(value().c_str());
        } else if (arg == "--https-port") {
            httpsPort = std::atoi(value().c_str());
        } else if (arg == "--data") {
            data = value();
        } else {
            usage();
            return 2;
        }
    }
    if (data.empty()) data = (std::filesystem::temp_directory_path() / "keelbox-emulator").string();
    std::error_code error;
    std::filesystem::create_directories(data, error);
    if (error) {
        std::cerr << "keelbox-emulator: cannot use data folder " << data << ": " << error.message() << "\n";
        return 1;
    }

    emulator::HttpServer http({.https = false, .port = httpPort});
    emulator::HttpServer https({.https = true, .port = httpsPort});
    addFoundationRoutes(http);
    addFoundationRoutes(https);
    // The demo household: an account, the router at home and one elsewhere.
    auto directory = std::make_shared<emulator::AccountDirectory>();
    auto qid = directory->addAccount("demo", "keelbox123", "demo@keelbox.example");
    auto state = emulator::EmulatorState::create();
    state->attachAccountDirectory(directory);
    // Their traffic moves, so the dashboard, its counts and the speed curve
    // are alive in the window.
    auto home = emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01", 6);
    home.trafficSeed = 1;
    auto away = emulator::EmulatedRouterModel::makeRouter("R2", "AA:BB:CC:00:00:02", 3);
    away.trafficSeed = 2;
    state->addRouter(std::move(home));
    state->addRouter(std::move(away));
    if (qid) {
        state->bindRouter(*qid, "R1");
        state->bindRouter(*qid, "R2");
    }
    emulator::AccountService accounts(directory);
    emulator::RouterLocalService router(state);
    emulator::CloudRouterService cloud(state);
    if (!http.start() || !https.start() || !accounts.start() || !router.start() || !cloud.start()) {
        std::cerr << "keelbox-emulator: cannot listen on the requested ports\n";
        return 1;
    }
    std::cout << "http: " << http.baseURL() << "\n"
              << "https: " << https.baseURL() << "\n"
              << "data: " << data << "\n"
              << "account: " << accounts.endpointURL() << "\n"
              << "account-ca: " << emulator::AccountService::caFilePath() << "\n"
              << "router: " << router.host() << "\n"
              << "cloud: " << cloud.baseURL() << "\n"
              << "wifi: Keelbox-Home,aa:bb:cc:00:00:01" << std::endl;

    std::signal(SIGINT, [](int) { stopRequested = 1; });
    std::signal(SIGTERM, [](int) { stopRequested = 1; });
    while (!stopRequested) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    cloud.stop();
    router.stop();
    accounts.stop();
    https.stop();
    http.stop();
    return 0;
}
