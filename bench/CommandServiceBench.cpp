// The command service moving a 64 MiB file to and from the emulated router's
// USB disk in 1 MiB pieces (usb.downloadFile into a file, usb.uploadFile as
// multipart pieces), against plain libcurl making the same requests (same
// encrypted fields, same ranges) in the same run. Also the peak memory
// growth of each of our transfers. Prints "ratio: <what> <value>" lines.
#include <benchmark/benchmark.h>

#include <curl/curl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "tests/support/FakeAccountFacade.h"
#include "bench/support/CurlTransfers.h"
#include "bench/support/ProcessStatus.h"
#include "bench/support/RatioReporter.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EmulatorState.h"
#include "emulator/RouterLocalService.h"
#include "platform/foundation/OutputStream.h"
#include "platform/foundation/RunLoop.h"
#include "protocol/commands/TAVOCommonService.h"
#include "protocol/commands/TAVODownloadFileCommand.h"
#include "protocol/commands/TAVODownloadFileParser.h"
#include "protocol/commands/TAVOUploadFileCommand.h"
#include "protocol/commands/TAVOUploadFileParser.h"

namespace {

constexpr std::uint64_t kMiB = 1048576;
constexpr int kPieces = 64;
constexpr std::uint64_t kSize = kPieces * kMiB;

struct Rig {
    emulator::EmulatorStatePtr state = emulator::EmulatorState::create();
    std::unique_ptr<emulator::RouterLocalService> local;
    std::string diskFile;
    std::string target = "/tmp/keelbox-bench-command-download.bin";
    std::string source = "/tmp/keelbox-bench-command-source.bin";

    Rig() {
        auto r1 = emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01");
        r1.tickets.insert("TK-1");
        state->addRouter(r1);
        local = std::make_unique<emulator::RouterLocalService>(state);
        local->start();
        ::setenv("KEELBOX_ROUTER_LOCAL_HOST", local->host().c_str(), 1);
        auto facade = std::make_shared<keelbox::test::FakeAccountFacade>();
        facade->current = facade->local = TAVORouterModel::create();
        facade->current->router_id = "R1";
        facade->current->isLocalRouter = true;
        facade->current->ticket = "TK-1";
        TAVOAccountFacade::setShared(facade);
        diskFile = (local->commands().disk().root() / "big.bin").string();
        std::ofstream out(source, std::ios::binary);
        std::string block(kMiB, '\0');
        for (std::uint64_t at = 0; at < kSize; at += kMiB) {
            for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(((at + i) * 31 + 7) % 251);
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
        }
        out.close();
        std::ifstream in(source, std::ios::binary);
        std::ofstream copy(diskFile, std::ios::binary);
        copy << in.rdbuf();
    }
    ~Rig() {
        std::remove(target.c_str());
        std::remove(source.c_str());
    }
};

Rig& rig() {
    static Rig* r = new Rig();
    return *r;
}

void pumpUntil(const bool& done) {
    while (!done) ns::RunLoop::main()->runMode(ns::kDefaultRunLoopMode, ns::Date::withTimeIntervalSinceNow(0.001));
}

std::string rangeText(int i) { return std::to_string(i * kMiB) + "-" + std::to_string((i + 1) * kMiB - 1); }

using keelbox::bench::statusKiB;

double gDownloadPeakMiB = -1, gUploadPeakMiB = -1, gCurlUploadPeakMiB = -1;

void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

std::string readPiece(const std::string& path, int i) {
    std::string bytes(kMiB, '\0');
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(i * kMiB));
    in.read(bytes.data(), static_cast<std::streamsize>(kMiB));
    return bytes;
}

void BM_CommandService_Download_64MiB(benchmark::State& state) {
    Rig& r = rig();
    for (auto _ : state) {
        std::remove(r.target.c_str());
        resetPeak();
        const long before = statusKiB("VmRSS:");
        for (int i = 0; i < kPieces; ++i) {
            auto command = TAVODownloadFileCommand::create();
            command->fileName = "/big.bin";
            command->range = "bytes=" + rangeText(i);
            bool done = false, ok = false;
            auto op = TAVOCommonService::localService()->resumeDownloadFile(
                command, 0, TAVODownloadFileParser::create(), [&](const ns::Value&) { done = ok = true; },
                [&](const TAVOErrorPtr&) { done = true; }, [](std::int64_t, std::int64_t) {});
            op->setOutputStream(ns::OutputStream::outputStreamToFileAtPath(r.target, true));
            pumpUntil(done);
            if (!ok) state.SkipWithError("download piece failed");
        }
        gDownloadPeakMiB = static_cast<double>(statusKiB("VmHWM:") - before) / 1024.0;
        state.counters["peak_growth_MiB"] = gDownloadPeakMiB;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

void BM_Curl_Download_64MiB(benchmark::State& state) {
    Rig& r = rig();
    const std::string url = "http://" + r.local->host() + "/home1/";
    for (auto _ : state) {
        std::FILE* file = std::fopen(r.target.c_str(), "wb");
        for (int i = 0; i < kPieces; ++i) {
            auto command = TAVODownloadFileCommand::create();
            command->fileName = "/big.bin";
            CURL* curl = curl_easy_init();
            const std::string body = curlFormBody(TAVOCommonService::localService()->getReqBody(*command), curl);
            const std::string range = rangeText(i);
            curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
            curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.c_str());
            // libcurl sends CURLOPT_RANGE with GET only; this request is a POST.
            const std::string rangeHeader = "Range: bytes=" + range;
            curl_slist* headers = curl_slist_append(nullptr, rangeHeader.c_str());
            curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
            curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, curlToFile);
            curl_easy_setopt(curl, CURLOPT_WRITEDATA, file);
            curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
            curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
            const CURLcode code = curl_easy_perform(curl);
            long status = 0;
            curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
            curl_slist_free_all(headers);
            curl_easy_cleanup(curl);
            if (code != CURLE_OK || status != 206) state.SkipWithError("curl download failed");
        }
        std::fclose(file);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

void BM_CommandService_Upload_64MiB(benchmark::State& state) {
    Rig& r = rig();
    for (auto _ : state) {
        resetPeak();
        const long before = statusKiB("VmRSS:");
        for (int i = 0; i < kPieces; ++i) {
            auto command = TAVOUploadFileCommand::create();
            command->fileName = "up.bin";
            command->path = "/";
            command->contentRange = "bytes " + rangeText(i) + "/" + std::to_string(kSize);
            bool done = false, ok = false;
            TAVOCommonService::localService()->resumeUploadFile(
                ns::Data::fromString(readPiece(r.source, i)), command, 0, TAVOUploadFileParser::create(),
                [&](const ns::Value&) { done = ok = true; }, [&](const TAVOErrorPtr&) { done = true; });
            pumpUntil(done);
            if (!ok) state.SkipWithError("upload piece failed");
        }
        gUploadPeakMiB = static_cast<double>(statusKiB("VmHWM:") - before) / 1024.0;
        state.counters["peak_growth_MiB"] = gUploadPeakMiB;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

void BM_Curl_Upload_64MiB(benchmark::State& state) {
    Rig& r = rig();
    const std::string url = "http://" + r.local->host() + "/home1/";
    for (auto _ : state) {
        resetPeak();
        const long before = statusKiB("VmRSS:");
        for (int i = 0; i < kPieces; ++i) {
            auto command = TAVOUploadFileCommand::create();
            command->fileName = "up-curl.bin";
            command->path = "/";
            const ns::Dictionary fields = TAVOCommonService::localService()->getReqBody(*command);
            const std::string piece = readPiece(r.source, i);
            CURL* curl = curl_easy_init();
            curl_mime* mime = curl_mime_init(curl);
            curl_mimepart* part = curl_mime_addpart(mime);
            curl_mime_name(part, "file");
            curl_mime_filename(part, "up-curl.bin");
            curl_mime_type(part, "application/octet-stream");
            curl_mime_data(part, piece.data(), piece.size());
            for (const auto& [key, value] : fields) {
                part = curl_mime_addpart(mime);
                curl_mime_name(part, key.c_str());
                curl_mime_data(part, value.stringValue().c_str(), CURL_ZERO_TERMINATED);
            }
            const std::string contentRange = "Content-Range: bytes " + rangeText(i) + "/" + std::to_string(kSize);
            curl_slist* headers = curl_slist_append(nullptr, contentRange.c_str());
            headers = curl_slist_append(headers, "Expect:");
            curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
            curl_easy_setopt(curl, CURLOPT_MIMEPOST, mime);
            curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
            curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, curlDiscard);
            curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
            curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
            const CURLcode code = curl_easy_perform(curl);
            curl_slist_free_all(headers);
            curl_mime_free(mime);
            curl_easy_cleanup(curl);
            if (code != CURLE_OK) state.SkipWithError("curl upload failed");
        }
        // The emulated router runs in this process: its share of the growth.
        gCurlUploadPeakMiB = static_cast<double>(statusKiB("VmHWM:") - before) / 1024.0;
        state.counters["peak_growth_MiB"] = gCurlUploadPeakMiB;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kSize));
}

BENCHMARK(BM_CommandService_Download_64MiB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Curl_Download_64MiB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CommandService_Upload_64MiB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Curl_Upload_64MiB)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    benchmark::Initialize(&argc, argv);
    keelbox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Throughput ratios: curl's time over ours (1.0 = as fast as curl).
    reporter.printRatio("command-download-64MiB-time-vs-libcurl", "BM_CommandService_Download_64MiB/iterations:3",
                        "BM_Curl_Download_64MiB/iterations:3");
    reporter.printRatio("command-upload-64MiB-time-vs-libcurl", "BM_CommandService_Upload_64MiB/iterations:3",
                        "BM_Curl_Upload_64MiB/iterations:3");
    if (gDownloadPeakMiB >= 0) std::printf("ratio: command-download-64MiB-peak-growth-MiB %.1f\n", gDownloadPeakMiB);
    if (gUploadPeakMiB >= 0) std::printf("ratio: command-upload-64MiB-peak-growth-MiB %.1f\n", gUploadPeakMiB);
    if (gCurlUploadPeakMiB >= 0) std::printf("ratio: libcurl-upload-64MiB-peak-growth-MiB %.1f\n", gCurlUploadPeakMiB);
    benchmark::Shutdown();
    curl_global_cleanup();
    return 0;
}
