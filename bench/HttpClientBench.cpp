// The HTTP client library against plain libcurl, in the same run and against
// the same loopback server: 100 sequential 1 MiB ranged downloads through the
// request-operation manager and through bare easy handles (one per request,
// as the library makes one per transfer). Then the peak memory growth of a
// 100 MiB multipart upload streamed from a file to a server that discards
// what it reads. Prints "ratio: <what> <value>" lines at the end.
#include <benchmark/benchmark.h>

#include "bench/support/ProcessStatus.h"
#include "bench/support/RatioReporter.h"

#include <arpa/inet.h>
#include <curl/curl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <thread>

#include "emulator/HttpServer.h"
#include "net/http/TNHTTPRequestOperationManager.h"
#include "net/http/TNStreamingMultipartFormData.h"
#include "platform/foundation/DispatchSemaphore.h"
#include "platform/foundation/RunLoop.h"

namespace {

constexpr std::uint64_t kMiB = 1048576;
constexpr int kDownloads = 100;

char byteAt(std::uint64_t offset) { return static_cast<char>((offset * 31 + 7) % 251); }

// A 100 MiB file made on the fly, answering single byte ranges.
emulator::HttpServer& downloadServer() {
    static emulator::HttpServer* server = [] {
        auto* s = new emulator::HttpServer();
        s->route("GET", "/file", [](const emulator::LoggedRequest& request, emulator::Reply& reply) {
            unsigned long long first = 0, last = 0;
            std::sscanf(request.header("Range").value_or("bytes=0-0").c_str(), "bytes=%llu-%llu", &first, &last);
            reply.status = 206;
            reply.contentType = "application/octet-stream";
            reply.headers.emplace_back("Content-Range", "bytes " + std::to_string(first) + "-" + std::to_string(last) +
                                                            "/" + std::to_string(kDownloads * kMiB));
            reply.streamLength = last - first + 1;
            reply.streamFill = [first](std::uint64_t offset, char* out, std::size_t length) {
                for (std::size_t i = 0; i < length; ++i) out[i] = byteAt(first + offset + i);
            };
        });
        s->start();
        return s;
    }();
    return *server;
}

std::string rangeOf(int i) {
    return "bytes=" + std::to_string(i * kMiB) + "-" + std::to_string((i + 1) * kMiB - 1);
}

// Lets the main queue's progress and notification posts run.
void drainMain() {
    while (ns::RunLoop::main()->runMode(ns::kDefaultRunLoopMode, ns::Date::distantPast())) {
    }
}

void BM_Manager_100x1MiB_Ranged(benchmark::State& state) {
    auto manager = TNHTTPRequestOperationManager::manager();
    manager->responseSerializer = TNHTTPResponseSerializer::serializer();
    manager->completionQueue = dispatch::Queue::global();
    std::string url = downloadServer().url("/file");
    for (auto _ : state) {
        for (int i = 0; i < kDownloads; ++i) {
            auto done = dispatch::Semaphore::create(0);
            ns::MutableURLRequest request(ns::URL::URLWithString(url));
            request.setValue(rangeOf(i), "Range");
            std::size_t received = 0;
            auto operation = manager->HTTPRequestOperationWithRequest(
                request,
                [&](const TNHTTPRequestOperationPtr&, const ns::Value& body) {
                    received = body.isData() ? body.asData().length() : 0;
                    done->signal();
                },
                [&](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr&) { done->signal(); });
            manager->operationQueue->addOperation(operation);
            done->wait();
            drainMain();
            if (received != kMiB) state.SkipWithError("short download");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kDownloads * kMiB));
}

std::size_t countBytes(char*, std::size_t size, std::size_t count, void* user) {
    *static_cast<std::string*>(user) += std::string();  // keep the signature honest
    return size * count;
}

std::size_t collect(char* data, std::size_t size, std::size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

void BM_Curl_100x1MiB_Ranged(benchmark::State& state) {
    std::string url = downloadServer().url("/file");
    (void)countBytes;
    for (auto _ : state) {
        for (int i = 0; i < kDownloads; ++i) {
            std::string body;
            body.reserve(kMiB);
            CURL* curl = curl_easy_init();
            std::string range = rangeOf(i).substr(6);
            curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
            curl_easy_setopt(curl, CURLOPT_RANGE, range.c_str());
            curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
            curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
            curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
            curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
            CURLcode code = curl_easy_perform(curl);
            curl_easy_cleanup(curl);
            if (code != CURLE_OK || body.size() != kMiB) state.SkipWithError("curl failed");
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kDownloads * kMiB));
}

// A server that reads a request's declared body, keeps none of it, and
// answers {"received":N}.
class SinkServer {
public:
    SinkServer() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t length = sizeof address;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        ::listen(fd_, 4);
        thread_ = std::thread([this] { serve(); });
    }
    ~SinkServer() {
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
        thread_.join();
    }
    int port() const { return port_; }

private:
    void serve() {
        while (true) {
            int client = ::accept(fd_, nullptr, nullptr);
            if (client < 0) return;
            std::string head;
            char buffer[65536];
            std::uint64_t bodyRead = 0;
            long n;
            while (head.find("\r\n\r\n") == std::string::npos && (n = ::read(client, buffer, sizeof buffer)) > 0)
                head.append(buffer, static_cast<std::size_t>(n));
            std::size_t end = head.find("\r\n\r\n");
            if (end == std::string::npos) {
                ::close(client);
                continue;
            }
            bodyRead = head.size() - end - 4;
            std::uint64_t declared = 0;
            std::size_t at = head.find("Content-Length: ");
            if (at != std::string::npos) declared = std::stoull(head.substr(at + 16));
            while (bodyRead < declared && (n = ::read(client, buffer, sizeof buffer)) > 0) bodyRead += static_cast<std::uint64_t>(n);
            std::string answer = "{\"received\":" + std::to_string(bodyRead) + "}";
            std::string reply = "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
                                std::to_string(answer.size()) + "\r\nConnection: close\r\n\r\n" + answer;
            (void)!::write(client, reply.data(), reply.size());
            ::close(client);
        }
    }
    int fd_ = -1;
    int port_ = 0;
    std::thread thread_;
};

using keelbox::bench::statusKiB;

double gPeakGrowthMiB = -1;

void BM_Multipart_100MiB_FileUpload(benchmark::State& state) {
    constexpr std::uint64_t kSize = 100 * kMiB;
    std::string path = "/tmp/keelbox-bench-upload.bin";
    {
        std::ofstream out(path, std::ios::binary);
        std::string block(kMiB, '\0');
        for (std::uint64_t written = 0; written < kSize; written += kMiB) {
            for (std::size_t i = 0; i < block.size(); ++i) block[i] = byteAt(written + i);
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
        }
    }
    SinkServer sink;
    auto manager = TNHTTPRequestOperationManager::manager();
    manager->completionQueue = dispatch::Queue::global();
    std::string url = "http://127.0.0.1:" + std::to_string(sink.port()) + "/upload";
    for (auto _ : state) {
        drainMain();
        { std::ofstream("/proc/self/clear_refs") << "5"; }  // restarts the peak at the current size
        long before = statusKiB("VmRSS:");
        auto done = dispatch::Semaphore::create(0);
        std::int64_t received = 0;
        manager->POST(url, ns::Value::dictionary({{"name", "upload.bin"}}),
            [&](TNStreamingMultipartFormData& form) { form.appendPartWithFileURL(ns::URL::fileURLWithPath(path), "file"); },
            [&](const TNHTTPRequestOperationPtr&, const ns::Value& object) {
                received = object["received"].longLongValue();
                done->signal();
            },
            [&](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr&) { done->signal(); });
        done->wait();
        long peak = statusKiB("VmHWM:");
        gPeakGrowthMiB = static_cast<double>(peak - before) / 1024.0;
        state.counters["peak_growth_MiB"] = gPeakGrowthMiB;
        if (received < static_cast<std::int64_t>(kSize)) state.SkipWithError("upload incomplete");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
    std::remove(path.c_str());
}

BENCHMARK(BM_Manager_100x1MiB_Ranged)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Curl_100x1MiB_Ranged)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Multipart_100MiB_FileUpload)->Unit(benchmark::kMillisecond)->Iterations(1);


}  // namespace

int main(int argc, char** argv) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    benchmark::Initialize(&argc, argv);
    keelbox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Throughput ratio: libcurl's time over ours.
    reporter.printRatio("ranged-download-throughput-vs-libcurl", "BM_Curl_100x1MiB_Ranged/iterations:3",
                        "BM_Manager_100x1MiB_Ranged/iterations:3");
    if (gPeakGrowthMiB >= 0) {
        std::printf("ratio: multipart-100MiB-upload-peak-growth-MiB %.1f\n", gPeakGrowthMiB);
        std::printf("ratio: multipart-100MiB-upload-peak-growth-vs-16MiB-budget %.3f\n", gPeakGrowthMiB / 16.0);
    }
    benchmark::Shutdown();
    curl_global_cleanup();
    return 0;
}
