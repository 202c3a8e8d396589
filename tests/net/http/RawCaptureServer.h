// A bare loopback HTTP server that keeps each request exactly as it came
// over the wire (head and body bytes), for checks the parsed view of a
// server hides (a multipart body, say). One request per connection; the
// body is read to the declared Content-Length; the answer is a JSON object
// with the number of body bytes received.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace keelbox::test {

class RawCaptureServer {
public:
    struct Captured {
        std::string head;
        std::string body;
        std::string header(const std::string& name) const {
            std::string key = "\r\n" + name + ": ";
            auto at = head.find(key);
            if (at == std::string::npos) return "";
            at += key.size();
            return head.substr(at, head.find("\r\n", at) - at);
        }
    };

    RawCaptureServer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        ::listen(fd_, 8);
        thread_ = std::thread([this] { serve(); });
    }
    ~RawCaptureServer() {
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
        thread_.join();
    }
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    std::vector<Captured> requests() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

private:
    void serve() {
        while (true) {
            int client = ::accept(fd_, nullptr, nullptr);
            if (client < 0) return;
            Captured captured;
            std::string data;
            char buffer[65536];
            long n = 0;
            while (data.find("\r\n\r\n") == std::string::npos && (n = ::read(client, buffer, sizeof buffer)) > 0)
                data.append(buffer, static_cast<std::size_t>(n));
            auto end = data.find("\r\n\r\n");
            if (end == std::string::npos) {
                ::close(client);
                continue;
            }
            captured.head = data.substr(0, end + 2);
            captured.body = data.substr(end + 4);
            std::size_t declared = 0;
            auto length = captured.header("Content-Length");
            if (!length.empty()) declared = std::stoull(length);
            while (captured.body.size() < declared && (n = ::read(client, buffer, sizeof buffer)) > 0)
                captured.body.append(buffer, static_cast<std::size_t>(n));
            std::string answer = "{\"received\":" + std::to_string(captured.body.size()) + "}";
            std::string reply = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
                                std::to_string(answer.size()) + "\r\nConnection: close\r\n\r\n" + answer;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back(std::move(captured));
            }
            (void)!::write(client, reply.data(), reply.size());
            ::close(client);
        }
    }

    int fd_ = -1;
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<Captured> requests_;
};

}  // namespace keelbox::test
