// The file manager's own queues moving a 64 MiB file over the encrypted
// local channel: TAVODownloadQueue fetching it from the emulated router's
// USB disk into the document folder, and TAVOUploadQueue sending it from the
// photo library to the disk, each in the protocol's 1 MiB pieces, against
// plain libcurl making the same requests (same encrypted fields, same
// ranges, one fresh connection each) in the same run. The two alternate,
// round after round, so both see the same machine load; the medians count.
// A first round warms up and checks every file's bytes; it is not counted.
//
// The emulated router runs in a child process, as a real router is another
// machine: the resident memory sampled while our queues run is then ours
// alone. Target: at least 75 % of libcurl's throughput, and a resident
// growth within one piece (1 MiB).
//
// Prints "figure:" lines beside the targets and "ratio: <what> <value>"
// lines (libcurl's time over ours, 1.0 = as fast as libcurl): the median
// over the rounds of that round's pair, which ran back to back and so under
// the same load; a busy machine moves whole rounds, not one side.
#include <benchmark/benchmark.h>
#include <curl/curl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/support/CurlTransfers.h"
#include "bench/support/ProcessStatus.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"
#include "emulator/RouterLocalService.h"
#include "files/TAVODownloadQueue.h"
#include "files/TAVOUploadQueue.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Sandbox.h"
#include "platform/ui/AssetsLibrary.h"
#include "protocol/commands/TAVOCommonService.h"
#include "protocol/commands/TAVODownloadFileCommand.h"
#include "protocol/commands/TAVOUploadFileCommand.h"
#include "tests/support/FakeAccountFacade.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kMiB = 1048576;
constexpr int kPieces = 64;
constexpr std::uint64_t kSize = kPieces * kMiB;
constexpr int kRounds = 9;
constexpr const char* kTicket = "TK-bench";
constexpr const char* kDiskName = "big.mp4";
constexpr const char* kOurUpload = "up.mp4";
constexpr const char* kCurlUpload = "up-curl.mp4";

// ---- the emulated router in its own process ----

struct Router {
    pid_t pid = -1;
    int keepAlive = -1;  // the child ends when this pipe closes
    std::string host;
    fs::path disk;
};

// Forked before this process starts any thread. The child answers until the
// parent closes its end of the pipe (or dies), then removes its disk.
Router startRouter() {
    int up[2], down[2];
    if (::pipe(up) != 0 || ::pipe(down) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(up[0]);
        ::close(down[1]);
        auto state = emulator::EmulatorState::create();
        auto router = emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01");
        router.tickets.insert(kTicket);
        state->addRouter(router);
        auto local = std::make_unique<emulator::RouterLocalService>(state);
        const std::string line = local->start() ? local->host() + "\n" + local->commands().disk().root().string() + "\n" : "\n";
        if (::write(up[1], line.data(), line.size()) < 0) std::_Exit(1);
        ::close(up[1]);
        char byte;
        while (::read(down[0], &byte, 1) > 0) {
        }
        local->stop();
        local.reset();
        std::_Exit(0);
    }
    ::close(up[1]);
    ::close(down[0]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(up[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    ::close(up[0]);
    Router r;
    r.pid = pid;
    r.keepAlive = down[1];
    const auto newline = text.find('\n');
    if (newline == std::string::npos || newline == 0) return r;
    r.host = text.substr(0, newline);
    r.disk = text.substr(newline + 1, text.find('\n', newline + 1) - newline - 1);
    return r;
}

void stopRouter(Router& r) {
    if (r.keepAlive >= 0) ::close(r.keepAlive);
    if (r.pid > 0) ::waitpid(r.pid, nullptr, 0);
}

// ---- files ----

void writePattern(const fs::path& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::string block(kMiB, '\0');
    for (std::uint64_t at = 0; at < kSize; at += kMiB) {
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(((at + i) * 31 + 7) % 251);
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
}

bool sameBytes(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::file_size(a, error) != kSize || fs::file_size(b, error) != kSize) return false;
    std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
    std::string p(kMiB, '\0'), q(kMiB, '\0');
    for (std::uint64_t at = 0; at < kSize; at += kMiB) {
        x.read(p.data(), static_cast<std::streamsize>(kMiB));
        y.read(q.data(), static_cast<std::streamsize>(kMiB));
        if (p != q) return false;
    }
    return true;
}

std::string readPiece(std::ifstream& in, int i) {
    std::string bytes(kMiB, '\0');
    in.seekg(static_cast<std::streamoff>(i * kMiB));
    in.read(bytes.data(), static_cast<std::streamsize>(kMiB));
    return bytes;
}

// ---- resident memory while a transfer runs ----

long residentKiB() {
    long pages = 0, resident = 0;
    if (std::FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// Samples the resident size every millisecond between start() and stop();
// the peak kernel figure (VmHWM, reset at start) backs the samples up.
class MemoryWatch {
public:
    void start() {
        std::ofstream("/proc/self/clear_refs") << "5";
        base_ = residentKiB();
        peak_ = base_;
        running_ = true;
        thread_ = std::thread([this] {
            while (running_) {
                peak_ = std::max<long>(peak_, residentKiB());
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    // The growth in MiB: {sampled, kernel peak}.
    std::pair<double, double> stop() {
        running_ = false;
        thread_.join();
        peak_ = std::max<long>(peak_, residentKiB());
        return {static_cast<double>(peak_ - base_) / 1024.0,
                static_cast<double>(keelbox::bench::statusKiB("VmHWM:") - base_) / 1024.0};
    }

private:
    std::atomic<bool> running_{false};
    std::atomic<long> peak_{0};
    long base_ = 0;
    std::thread thread_;
};

// This process's minor page faults so far: memory touched for the first
// time (or again after the allocator gave it back) costs one per page.
long minorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// ---- ours: the file manager's queues ----

struct Watcher : TAVODownloadQueueDelegate, TAVOUploadQueueDelegate {
    int errors = 0;
    void downloadQueueDidChange() override {}
    void downloadQueueProgress(const TAVOFileInfoPtr&, double, double) override {}
    void downloadQueueShowError(const TAVOErrorPtr&) override { ++errors; }
    void downloadQueueRefused(const std::string&) override { ++errors; }
    void uploadQueueDidChange() override {}
    void uploadQueueProgress(const TAVOFileInfoPtr&, double) override {}
    void uploadQueueShowError(const TAVOErrorPtr&) override { ++errors; }
};

template <class Done>
void pumpUntil(Done done) {
    while (!done()) ns::RunLoop::main()->runMode(ns::kDefaultRunLoopMode, ns::Date::withTimeIntervalSinceNow(0.05));
}

bool ourDownload() {
    auto watcher = std::make_shared<Watcher>();
    auto queue = TAVODownloadQueue::create();
    queue->setDelegate(watcher);
    auto record = TAVOFileInfo::create();
    record->fileName = kDiskName;
    record->filePath = std::string("/") + kDiskName;
    record->fileType = 1;
    record->totalLength = static_cast<double>(kSize);
    queue->addItems({record}, {});
    pumpUntil([&] { return record->state == TAVOFileInfo::Completed || record->state == TAVOFileInfo::DownloadFailed; });
    return record->state == TAVOFileInfo::Completed && watcher->errors == 0;
}

bool ourUpload(const fs::path& source) {
    auto watcher = std::make_shared<Watcher>();
    auto queue = TAVOUploadQueue::create();
    queue->setDelegate(watcher);
    auto record = TAVOFileInfo::create();
    record->fileName = kOurUpload;
    record->fileType = 1;
    record->totalLength = static_cast<double>(kSize);
    record->assetURL = ui::AssetsLibrary::urlForPath(source.string());
    queue->doAddWaitingItems({record}, {}, "/");
    pumpUntil([&] { return record->state == TAVOFileInfo::Idle || record->state == TAVOFileInfo::UploadFailed; });
    return record->state == TAVOFileInfo::Idle && watcher->errors == 0;
}

// ---- plain libcurl: the same requests ----

std::string rangeText(int i) { return std::to_string(i * kMiB) + "-" + std::to_string((i + 1) * kMiB - 1); }

bool curlDownload(const std::string& url, const fs::path& target) {
    std::FILE* file = std::fopen(target.c_str(), "wb");
    if (!file) return false;
    bool ok = true;
    for (int i = 0; i < kPieces && ok; ++i) {
        // Each piece with its own session key, as ours.
        auto command = TAVODownloadFileCommand::create();
        command->fileName = std::string("/") + kDiskName;
        CURL* curl = curl_easy_init();
        const std::string body = curlFormBody(TAVOCommonService::localService()->getReqBody(*command), curl);
        // libcurl sends CURLOPT_RANGE with GET only; this request is a POST.
        const std::string range = "Range: bytes=" + rangeText(i);
        curl_slist* headers = curl_slist_append(nullptr, range.c_str());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.c_str());
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, curlToFile);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
        ok = curlPerformFresh(curl, url, headers, 206);
    }
    std::fclose(file);
    return ok;
}

bool curlUpload(const std::string& url, const fs::path& source) {
    std::ifstream in(source, std::ios::binary);
    bool ok = true;
    for (int i = 0; i < kPieces && ok; ++i) {
        auto command = TAVOUploadFileCommand::create();
        command->fileName = kCurlUpload;
        command->path = "/";
        const ns::Dictionary fields = TAVOCommonService::localService()->getReqBody(*command);
        const std::string piece = readPiece(in, i);
        CURL* curl = curl_easy_init();
        curl_mime* mime = curl_mime_init(curl);
        for (const auto& [key, value] : fields) {
            curl_mimepart* part = curl_mime_addpart(mime);
            curl_mime_name(part, key.c_str());
            curl_mime_data(part, value.stringValue().c_str(), CURL_ZERO_TERMINATED);
        }
        curl_mimepart* part = curl_mime_addpart(mime);
        curl_mime_name(part, "file");
        curl_mime_filename(part, kCurlUpload);
        curl_mime_type(part, "application/octet-stream");
        curl_mime_data(part, piece.data(), piece.size());
        const std::string contentRange =
            "Content-Range: bytes " + std::to_string(i * kMiB) + "-" + std::to_string((i + 1) * kMiB) + "/" + std::to_string(kSize);
        curl_slist* headers = curl_slist_append(nullptr, contentRange.c_str());
        headers = curl_slist_append(headers, "Expect:");
        curl_easy_setopt(curl, CURLOPT_MIMEPOST, mime);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, curlDiscard);
        ok = curlPerformFresh(curl, url, headers, 200);
        curl_mime_free(mime);
    }
    return ok;
}

// ---- the run ----

double seconds(const std::function<bool()>& work, bool& ok) {
    const auto start = std::chrono::steady_clock::now();
    ok = work() && ok;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of direct[i] / ours[i] over the rounds.
double pairedRatio(const std::vector<double>& direct, const std::vector<double>& ours) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < direct.size() && i < ours.size(); ++i) ratios.push_back(direct[i] / ours[i]);
    return ratios.empty() ? 0 : median(ratios);
}

// Resident growth in MiB: the sampled peak and the kernel's peak.
struct Growth {
    double sampled = 0, peak = 0;
    void take(std::pair<double, double> g) {
        sampled = std::max(sampled, g.first);
        peak = std::max(peak, g.second);
    }
};

struct Figures {
    std::vector<double> ourDownload, curlDownload, ourUpload, curlUpload;
    // Minor page faults per counted transfer, summed.
    long ourDownloadFaults = 0, curlDownloadFaults = 0, ourUploadFaults = 0, curlUploadFaults = 0;
    // The first transfer of each kind also pays for what the process sets
    // up once (threads, TLS and crypto tables, allocator arenas); the later
    // ones show what a transfer itself holds.
    Growth firstDownload, firstUpload, download, upload;
    bool ok = true;
    bool verified = true;
};

Router gRouter;
fs::path gHome;
Figures gFigures;

void BM_FileTransfer_64MiB_Alternating(benchmark::State& state) {
    const std::string url = "http://" + gRouter.host + "/home1/";
    const fs::path source = gHome / "Pictures" / "source.mp4";
    const fs::path ourTarget = fs::path(ns::documentsDirectory()) / kDiskName;
    const fs::path curlTarget = gHome / "curl-download.bin";
    Figures& f = gFigures;
    auto watched = [&](const std::function<bool()>& work, std::vector<double>& times, Growth& growth, long& faults) {
        MemoryWatch watch;
        watch.start();
        const long before = minorFaults();
        times.push_back(seconds(work, f.ok));
        faults += minorFaults() - before;
        growth.take(watch.stop());
    };
    auto timed = [&](const std::function<bool()>& work, std::vector<double>& times, long& faults) {
        const long before = minorFaults();
        times.push_back(seconds(work, f.ok));
        faults += minorFaults() - before;
    };
    // Round 0 warms up and checks the bytes; it is not counted.
    for (auto _ : state) {
        for (int round = 0; round <= kRounds; ++round) {
            const bool warmUp = round == 0;
            std::vector<double> unused;
            long unusedFaults = 0;
            auto ourDownloadRun = [&] {
                fs::remove(ourTarget);
                watched([&] { return ourDownload(); }, warmUp ? unused : f.ourDownload, warmUp ? f.firstDownload : f.download,
                        warmUp ? unusedFaults : f.ourDownloadFaults);
                if (warmUp) f.verified = sameBytes(ourTarget, source) && f.verified;
            };
            auto curlDownloadRun = [&] {
                timed([&] { return curlDownload(url, curlTarget); }, warmUp ? unused : f.curlDownload,
                      warmUp ? unusedFaults : f.curlDownloadFaults);
                if (warmUp) f.verified = sameBytes(curlTarget, source) && f.verified;
            };
            auto ourUploadRun = [&] {
                watched([&] { return ourUpload(source); }, warmUp ? unused : f.ourUpload, warmUp ? f.firstUpload : f.upload,
                        warmUp ? unusedFaults : f.ourUploadFaults);
                if (warmUp) f.verified = sameBytes(gRouter.disk / kOurUpload, source) && f.verified;
            };
            auto curlUploadRun = [&] {
                timed([&] { return curlUpload(url, source); }, warmUp ? unused : f.curlUpload,
                      warmUp ? unusedFaults : f.curlUploadFaults);
                if (warmUp) f.verified = sameBytes(gRouter.disk / kCurlUpload, source) && f.verified;
            };
            // The one who goes first alternates, so neither always finds a warmer cache.
            if (round % 2 == 1) {
                ourDownloadRun();
                curlDownloadRun();
                ourUploadRun();
                curlUploadRun();
            } else {
                curlDownloadRun();
                ourDownloadRun();
                curlUploadRun();
                ourUploadRun();
            }
        }
    }
    if (!f.ok) state.SkipWithError("a transfer failed");
    if (!f.verified) state.SkipWithError("a transferred file differs from its source");
    const double mib = static_cast<double>(kSize) / kMiB;
    state.counters["our_down_MiBps"] = mib / median(f.ourDownload);
    state.counters["curl_down_MiBps"] = mib / median(f.curlDownload);
    state.counters["our_up_MiBps"] = mib / median(f.ourUpload);
    state.counters["curl_up_MiBps"] = mib / median(f.curlUpload);
}
BENCHMARK(BM_FileTransfer_64MiB_Alternating)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    // Before any thread exists in this process.
    gRouter = startRouter();
    if (gRouter.host.empty()) {
        std::fprintf(stderr, "cannot start the emulated router\n");
        stopRouter(gRouter);
        return 1;
    }
    char home[] = "/tmp/keelbox-bench-files-XXXXXX";
    if (!::mkdtemp(home)) return 1;
    gHome = home;
    ::setenv("KEELBOX_HOME", home, 1);
    ::setenv("KEELBOX_ROUTER_LOCAL_HOST", gRouter.host.c_str(), 1);
    auto facade = std::make_shared<keelbox::test::FakeAccountFacade>();
    facade->current = facade->local = TAVORouterModel::create();
    facade->current->router_id = "R1";
    facade->current->mac = "AA:BB:CC:00:00:01";
    facade->current->isLocalRouter = true;
    facade->current->ticket = kTicket;
    TAVOAccountFacade::setShared(facade);
    fs::create_directories(gHome / "Pictures");
    writePattern(gHome / "Pictures" / "source.mp4");
    fs::copy_file(gHome / "Pictures" / "source.mp4", gRouter.disk / kDiskName);

    curl_global_init(CURL_GLOBAL_DEFAULT);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    const Figures& f = gFigures;
    if (!f.ourDownload.empty()) {
        const double mib = static_cast<double>(kSize) / kMiB;
        std::printf("figure: 64 MiB download MiB/s (median of %d): file manager %.1f, libcurl %.1f; "
                    "upload: file manager %.1f, libcurl %.1f (target >= 75 %% of libcurl)\n",
                    kRounds, mib / median(f.ourDownload), mib / median(f.curlDownload), mib / median(f.ourUpload),
                    mib / median(f.curlUpload));
        std::printf("figure: resident growth while our transfers ran, MiB (sampled / kernel peak): download %.2f / %.2f, "
                    "upload %.2f / %.2f (target <= 1 MiB); the first of each kind, with the one-time set-up: "
                    "download %.2f / %.2f, upload %.2f / %.2f\n",
                    f.download.sampled, f.download.peak, f.upload.sampled, f.upload.peak, f.firstDownload.sampled,
                    f.firstDownload.peak, f.firstUpload.sampled, f.firstUpload.peak);
        std::printf("figure: minor page faults per 64 MiB: download file manager %ld, libcurl %ld; upload file manager %ld, "
                    "libcurl %ld\n",
                    f.ourDownloadFaults / kRounds, f.curlDownloadFaults / kRounds, f.ourUploadFaults / kRounds,
                    f.curlUploadFaults / kRounds);
        std::printf("ratio: file-download-64MiB-throughput-vs-libcurl %.3f\n", pairedRatio(f.curlDownload, f.ourDownload));
        std::printf("ratio: file-upload-64MiB-throughput-vs-libcurl %.3f\n", pairedRatio(f.curlUpload, f.ourUpload));
        std::printf("ratio: file-download-64MiB-resident-growth-MiB %.2f\n", f.download.sampled);
        std::printf("ratio: file-upload-64MiB-resident-growth-MiB %.2f\n", f.upload.sampled);
    }
    benchmark::Shutdown();
    curl_global_cleanup();
    stopRouter(gRouter);
    std::error_code error;
    fs::remove_all(gHome, error);
    return f.ok && f.verified ? 0 : 1;
}
