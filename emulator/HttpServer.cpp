#include "emulator/HttpServer.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <csignal>

#include "emulator/PeerSocket.h"

namespace emulator {

namespace {

constexpr std::size_t kWriteChunk = 64 * 1024;
constexpr std::size_t kLoggedPartBytes = 64 * 1024;

LoggedRequest record(const httplib::Request& request) {
    LoggedRequest entry;
    entry.method = request.method;
    entry.path = request.path;
    if (auto mark = request.target.find('?'); mark != std::string::npos) entry.query = request.target.substr(mark + 1);
    for (const auto& [name, value] : request.headers) {
        // The library adds these itself; they were not sent by the client.
        if (name == "REMOTE_ADDR" || name == "REMOTE_PORT" || name == "LOCAL_ADDR" || name == "LOCAL_PORT") continue;
        entry.headers.emplace_back(name, value);
    }
    entry.body = request.body;
    for (const auto& [name, value] : request.params) entry.fields.emplace_back(name, value);
    for (const auto& [name, part] : request.files)
        entry.parts.push_back(FormPart{part.name, part.filename.empty() ? std::nullopt : std::optional<std::string>(part.filename),
                                       part.content_type, part.content, part.content.size()});
    return entry;
}

int socketOf(const httplib::Request& request) {
    if (request.ssl) return SSL_get_fd(request.ssl);
    return PeerSocket::find(request.local_port, request.remote_port);
}

}  // namespace

HttpServer::HttpServer(Options options) : options_(options) {}

HttpServer::~HttpServer() { stop(); }

bool HttpServer::start() {
    if (running_) return true;
    // A client that leaves mid-answer must not take the process down.
    std::signal(SIGPIPE, SIG_IGN);
    if (options_.https) {
        auto cert = TestPKI::certificatePath(options_.identity);
        auto key = TestPKI::keyPath(options_.identity);
        auto server = std::make_unique<httplib::SSLServer>(cert.c_str(), key.c_str());
        if (!server->is_valid()) return false;
        server_ = std::move(server);
    } else {
        server_ = std::make_unique<httplib::Server>();
    }
    // Every connection carries one request, as the client wants it.
    server_->set_keep_alive_max_count(1);
    // A client on a loaded machine (sanitizers, many test processes) can be
    // slow to finish its handshake or its request; the library's few seconds
    // would drop it as a lost connection. Time-outs are the client's to keep.
    server_->set_read_timeout(std::chrono::seconds(20));
    server_->set_write_timeout(std::chrono::seconds(20));
    auto dispatch = [this](const httplib::Request& request, httplib::Response& response) { serve(request, response); };
    // Range requests are the routes' business (they answer as the peer they
    // play would); the library would otherwise cut every body itself.
    server_->set_pre_routing_handler([](const httplib::Request& request, httplib::Response&) {
        const_cast<httplib::Request&>(request).ranges.clear();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    // One catch-all per method: routing, faults and the log stay ours.
    server_->Get(".*", dispatch);
    server_->Post(".*", dispatch);
    server_->Put(".*", dispatch);
    server_->Delete(".*", dispatch);
    server_->Patch(".*", dispatch);
    server_->Options(".*", dispatch);
    if (options_.port > 0)
        port_ = server_->bind_to_port("127.0.0.1", options_.port) ? options_.port : -1;
    else
        port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0) {
        server_.reset();
        return false;
    }
    stopping_ = false;
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!server_->is_running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    running_ = server_->is_running();
    if (!running_) stop();
    return running_;
}

void HttpServer::stop() {
    if (!server_) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    server_->stop();
    if (thread_.joinable()) thread_.join();
    server_.reset();
    running_ = false;
}

std::string HttpServer::baseURL() const {
    return std::string(options_.https ? "https" : "http") + "://127.0.0.1:" + std::to_string(port_);
}

void HttpServer::route(const std::string& method, const std::string& path, Handler handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    routes_[{method, path}] = std::move(handler);
}

void HttpServer::setFault(const std::string& path, Fault fault) {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_[path] = std::move(fault);
}

void HttpServer::clearFault(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.erase(path);
}

void HttpServer::clearFaults() {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_.clear();
}

Handler HttpServer::handlerFor(const std::string& method, const std::string& path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = routes_.find({method, path});
    if (found == routes_.end()) found = routes_.find({"*", path});
    if (found == routes_.end() && method == "HEAD") found = routes_.find({"GET", path});
    return found == routes_.end() ? Handler() : found->second;
}

bool HttpServer::waitWhileConnected(int fd, double seconds, std::size_t logIndex) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds < 0 ? 1e9 : seconds);
    std::unique_lock<std::mutex> lock(mutex_);
    while (std::chrono::steady_clock::now() < deadline) {
        if (stopping_) {
            log_.update(logIndex, [](LoggedRequest& r) { r.outcome = LoggedRequest::Outcome::Abandoned; });
            return false;
        }
        if (PeerSocket::peerClosed(fd)) {
            log_.update(logIndex, [](LoggedRequest& r) { r.outcome = LoggedRequest::Outcome::Dropped; });
            return false;
        }
        stopSignal_.wait_for(lock, std::chrono::milliseconds(10));
    }
    return true;
}

void HttpServer::serve(const httplib::Request& request, httplib::Response& response) {
    LoggedRequest entry = record(request);
    // The handler sees every byte; the log keeps only the head of each
    // multipart part, so long runs of uploads do not pile up in memory.
    LoggedRequest logged = entry;
    for (auto& part : logged.parts)
        if (part.body.size() > kLoggedPartBytes) part.body.resize(kLoggedPartBytes);
    std::size_t index = entry.index = log_.append(std::move(logged));
    Fault fault;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (auto found = faults_.find(request.path); found != faults_.end()) fault = found->second;
    }
    // Finding the socket scans the process's descriptors; only the faults
    // that wait on the client or cut the connection need it.
    const bool needsSocket =
        fault.refuse || fault.stall || fault.delayBeforeHead > 0 || fault.closeAfterBodyBytes || fault.trickleBytes;
    const int fd = needsSocket ? socketOf(request) : -1;
    auto cut = [&] {
        // Logged first: the client may look at the log as soon as it sees the drop.
        log_.update(index, [](LoggedRequest& r) { r.outcome = LoggedRequest::Outcome::Cut; });
        PeerSocket::drop(fd);
        response.status = 500;
    };

    if (fault.refuse) return cut();
    if (fault.stall) {
        if (waitWhileConnected(fd, -1, index)) return cut();
        PeerSocket::drop(fd);
        response.status = 500;
        return;
    }
    if (fault.delayBeforeHead > 0 && !waitWhileConnected(fd, fault.delayBeforeHead, index)) {
        PeerSocket::drop(fd);
        response.status = 500;
        return;
    }

    Reply reply;
    if (Handler handler = handlerFor(request.method, request.path)) {
        handler(entry, reply);
    } else {
        reply.status = 404;
        reply.body = "not found";
    }
    if (fault.status) reply.status = *fault.status;
    if (fault.contentType) reply.contentType = *fault.contentType;
    if (fault.body) {
        reply.body = *fault.body;
        reply.streamFill = nullptr;
    }

    response.status = reply.status;
    for (const auto& [name, value] : reply.headers) response.set_header(name, value);
    log_.update(index, [&](LoggedRequest& r) { r.status = reply.status; });

    std::uint64_t length = reply.streamFill ? reply.streamLength : reply.body.size();
    if (length == 0 || request.method == "HEAD") {
        response.set_content(reply.body, reply.contentType);
        log_.update(index, [](LoggedRequest& r) { r.outcome = LoggedRequest::Outcome::Answered; });
        return;
    }

    std::uint64_t cutAt = fault.closeAfterBodyBytes ? std::min<std::uint64_t>(*fault.closeAfterBodyBytes, length) : length;
    auto body = std::make_shared<Reply>(std::move(reply));
    response.set_content_provider(
        static_cast<std::size_t>(length), body->contentType,
        [this, body, index, length, cutAt, fd, fault](std::size_t offset, std::size_t, httplib::DataSink& sink) {
            if (fault.trickleBytes && offset > 0 && !waitWhileConnected(fd, fault.trickleDelay, index)) return false;
            if (offset >= cutAt) {
                log_.update(index, [](LoggedRequest& r) { r.outcome = LoggedRequest::Outcome::Cut; });
                PeerSocket::drop(fd);
                return false;
            }
            std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(kWriteChunk, cutAt - offset));
            if (fault.trickleBytes) piece = std::max<std::size_t>(1, std::min(piece, *fault.trickleBytes));
            bool written;
            if (body->streamFill) {
                std::string buffer(piece, '\0');
                body->streamFill(offset, buffer.data(), piece);
                written = sink.write(buffer.data(), piece);
            } else {
                written = sink.write(body->body.data() + offset, piece);
            }
            if (!written) {
                log_.update(index, [](LoggedRequest& r) { r.outcome = LoggedRequest::Outcome::Dropped; });
                return false;
            }
            log_.update(index, [&](LoggedRequest& r) {
                r.bodyBytesSent = offset + piece;
                if (r.bodyBytesSent == length) r.outcome = LoggedRequest::Outcome::Answered;
            });
            return true;
        });
}

}  // namespace emulator
