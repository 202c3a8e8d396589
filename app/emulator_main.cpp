// keelbox-emulator: the loopback peers of the application, in one process.
//
//   keelbox-emulator [--http-port N] [--https-port N] [--data DIR]
//
// Ports default to free ones; the base URLs are printed one per line
// ("http: http://127.0.0.1:N", "https: https://127.0.0.1:N", and the
// account service's endpoint as "account: <url>", for
// KEELBOX_ACCOUNT_SERVICE_URL) so that a script can read them. Runs until
// interrupted.
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>

#include "emulator/AccountService.h"
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
    emulator::AccountService accounts;
    if (!http.start() || !https.start() || !accounts.start()) {
        std::cerr << "keelbox-emulator: cannot listen on the requested ports\n";
        return 1;
    }
    std::cout << "http: " << http.baseURL() << "\n"
              << "https: " << https.baseURL() << "\n"
              << "data: " << data << "\n"
              << "account: " << accounts.endpointURL() << std::endl;

    std::signal(SIGINT, [](int) { stopRequested = 1; });
    std::signal(SIGTERM, [](int) { stopRequested = 1; });
    while (!stopRequested) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    accounts.stop();
    https.stop();
    http.stop();
    return 0;
}
