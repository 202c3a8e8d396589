// An in-process HTTP or HTTPS server on a free 127.0.0.1 port: routes,
// a request log and fault injection per route. Tests start one from a
// fixture; the emulator's router, cloud and account services build on it.
//
//   emulator::HttpServer server({.https = true});
//   server.route("POST", "/echo", [](const LoggedRequest& r, Reply& reply) { reply.body = r.body; });
//   server.start();
//   ... server.url("/echo") ..., server.log().entries() ...
//   server.stop();  // also done by the destructor
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "emulator/Fault.h"
#include "emulator/RequestLog.h"
#include "emulator/TestPKI.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace emulator {

struct Reply {
    int status = 200;
    std::string contentType = "text/plain; charset=utf-8";
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
    // A body made on the fly instead of `body`: streamLength bytes, filled
    // piece by piece so that large bodies never sit in memory.
    std::uint64_t streamLength = 0;
    std::function<void(std::uint64_t offset, char* out, std::size_t length)> streamFill;
};

using Handler = std::function<void(const LoggedRequest& request, Reply& reply)>;

class HttpServer {
public:
    struct Options {
        bool https = false;
        Identity identity = Identity::Server;  // the certificate an HTTPS server presents
        int port = 0;                          // 0: any free port
    };

    HttpServer() : HttpServer(Options{}) {}
    explicit HttpServer(Options options);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Binds a free 127.0.0.1 port and serves on a thread of its own; answers
    // once the server accepts connections. False when it could not start.
    bool start();
    // Stops serving and wakes stalled requests; idempotent.
    void stop();
    bool isRunning() const { return running_; }

    int port() const { return port_; }
    // "http://127.0.0.1:<port>" or "https://...".
    std::string baseURL() const;
    std::string url(const std::string& pathAndQuery) const { return baseURL() + pathAndQuery; }

    // method "*" matches every method. Routes may be added while running.
    void route(const std::string& method, const std::string& path, Handler handler);
    // Faults apply to a path whatever the method.
    void setFault(const std::string& path, Fault fault);
    void clearFault(const std::string& path);
    void clearFaults();

    RequestLog& log() { return log_; }
    const RequestLog& log() const { return log_; }

private:
    void serve(const httplib::Request& request, httplib::Response& response);
    Handler handlerFor(const std::string& method, const std::string& path) const;
    // Waits up to `seconds` (forever when < 0) while the client stays and the
    // server runs; answers false when the wait ended early.
    bool waitWhileConnected(int fd, double seconds, std::size_t logIndex);

    Options options_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::atomic<bool> stopping_{false};
    int port_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable stopSignal_;
    std::map<std::pair<std::string, std::string>, Handler> routes_;  // (method, path)
    std::map<std::string, Fault> faults_;
    RequestLog log_;
};

}  // namespace emulator
