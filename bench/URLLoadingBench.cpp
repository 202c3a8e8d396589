// URL loading against plain libcurl, both over loopback to the emulator's
// server, fresh connection each time (as ours always is).
//
//   1 KiB POST round trips: ns::URLConnection vs a plain curl easy handle.
//   256 MiB download streamed to a file: throughput vs plain curl, and the
//   process's peak memory while ours ran.
//
// Prints "ratio: <what> <value>" lines after the Google Benchmark table.
#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <vector>

#include "emulator/HttpServer.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/URLRequest.h"
#include "platform/net/URLConnection.h"

namespace {

emulator::HttpServer& server() {
    static emulator::HttpServer s;
    static bool started = [] {
        s.route("POST", "/echo", [](const emulator::LoggedRequest& r, emulator::Reply& reply) { reply.body = r.body; });
        s.route("GET", "/big", [](const emulator::LoggedRequest&, emulator::Reply& reply) {
            reply.contentType = "application/octet-stream";
            reply.streamLength = 256ull * 1024 * 1024;
            reply.streamFill = [](std::uint64_t, char* out, std::size_t length) { std::fill_n(out, length, 'k'); };
        });
        return s.start();
    }();
    (void)started;
    return s;
}

const std::string kKiB(1024, 'x');

// Runs the main loop until `done`.
void pump(const std::atomic<bool>& done) {
    auto loop = ns::RunLoop::main();
    while (!done) loop->runMode(ns::kDefaultRunLoopMode, ns::Date::withTimeIntervalSince1970(ns::Clock::now() + 0.05));
}

class Collect : public ns::URLConnectionDelegate {
public:
    std::FILE* file = nullptr;
    std::size_t received = 0;
    std::atomic<bool> done{false};
    bool failed = false;
    void connectionDidReceiveData(const ns::URLConnectionPtr&, const ns::Data& data) override {
        received += data.length();
        if (file) std::fwrite(data.bytes(), 1, data.length(), file);
    }
    void connectionDidFinishLoading(const ns::URLConnectionPtr&) override { done = true; }
    void connectionDidFailWithError(const ns::URLConnectionPtr&, const ns::ErrorPtr&) override {
        failed = true;
        done = true;
    }
};

std::size_t postWithConnection() {
    ns::MutableURLRequest request(ns::URL::URLWithString(server().url("/echo")));
    request.setHTTPMethod("POST");
    request.setHTTPBody(ns::Data::fromString(kKiB));
    auto delegate = std::make_shared<Collect>();
    ns::URLConnection::create(request, delegate);
    pump(delegate->done);
    return delegate->received;
}

std::size_t sink(char*, std::size_t size, std::size_t count, void* out) {
    *static_cast<std::size_t*>(out) += size * count;
    return size * count;
}
std::size_t fileSink(char* data, std::size_t size, std::size_t count, void* file) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(file));
}

std::size_t postWithCurl() {
    CURL* curl = curl_easy_init();
    std::size_t received = 0;
    std::string url = server().url("/echo");
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, kKiB.data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(kKiB.size()));
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &sink);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &received);
    curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    return received;
}

void BM_Post1KiB_URLConnection(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(postWithConnection());
}
void BM_Post1KiB_PlainCurl(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(postWithCurl());
}
BENCHMARK(BM_Post1KiB_URLConnection)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Post1KiB_PlainCurl)->Unit(benchmark::kMicrosecond);

double seconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    if (!server().isRunning()) {
        std::cerr << "cannot start the loopback server\n";
        return 1;
    }
    auto path = std::filesystem::temp_directory_path() / "keelbox-bench-download";

    // The 256 MiB download first, so the peak memory is ours alone.
    long peakBefore = peakResidentKiB();
    double ours = seconds([&] {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        auto delegate = std::make_shared<Collect>();
        delegate->file = file;
        ns::URLConnection::create(ns::URLRequest(ns::URL::URLWithString(server().url("/big"))), delegate);
        pump(delegate->done);
        std::fclose(file);
        if (delegate->failed || delegate->received != 256u * 1024 * 1024) std::cerr << "our download failed\n";
    });
    long peakOurs = peakResidentKiB();
    double theirs = seconds([&] {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        CURL* curl = curl_easy_init();
        std::string url = server().url("/big");
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &fileSink);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
        curl_easy_perform(curl);
        curl_easy_cleanup(curl);
        std::fclose(file);
    });
    std::filesystem::remove(path);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    // Interleaved, so that both see the same machine load.
    std::vector<double> connection, curl;
    for (int i = 0; i < 300; ++i) {
        connection.push_back(seconds([] { postWithConnection(); }));
        curl.push_back(seconds([] { postWithCurl(); }));
    }
    auto sorted = connection;
    std::sort(sorted.begin(), sorted.end());
    auto sortedCurl = curl;
    std::sort(sortedCurl.begin(), sortedCurl.end());
    std::cout << "post_1KiB_us p10/p50/p90/p99: URLConnection " << sorted[30] * 1e6 << " " << sorted[150] * 1e6 << " "
              << sorted[270] * 1e6 << " " << sorted[297] * 1e6 << " plain_curl " << sortedCurl[30] * 1e6 << " "
              << sortedCurl[150] * 1e6 << " " << sortedCurl[270] * 1e6 << " " << sortedCurl[297] * 1e6 << "\n";
    std::cout << "median_post_1KiB_us: URLConnection " << median(connection) * 1e6 << " plain_curl "
              << median(curl) * 1e6 << "\n";
    std::cout << "ratio: post_1KiB_round_trip_URLConnection_over_curl " << median(connection) / median(curl) << "\n";
    std::cout << "download_256MiB_MiB_per_s: URLConnection " << 256 / ours << " plain_curl " << 256 / theirs << "\n";
    std::cout << "ratio: download_256MiB_throughput_URLConnection_over_curl " << theirs / ours << "\n";
    std::cout << "peak_rss_MiB: before " << peakBefore / 1024.0 << " after_our_download " << peakOurs / 1024.0
              << " growth " << (peakOurs - peakBefore) / 1024.0 << "\n";
    server().stop();
    return 0;
}
