// Hit latency of the image loader's caches for 1,000 small PNG images: a
// memory hit against a plain hash-map lookup of the same keys, and a disk
// hit (file read, decode, back into memory) against a plain read of the same
// files followed by the same decode. Each iteration touches all 1,000 keys.
// Prints "ratio: <what> <ours / plain>" lines at the end.
#include <benchmark/benchmark.h>

#include "bench/support/RatioReporter.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

#include "emulator/SampleImages.h"
#include "net/imageloader/WebImageCache.h"
#include "platform/ui/Image.h"

namespace {

constexpr int kImages = 1000;

struct Fixture {
    Fixture() {
        char home[] = "/tmp/keelbox-imagecache-bench-XXXXXX";
        if (!::mkdtemp(home)) std::abort();
        ::setenv("KEELBOX_HOME", home, 1);
        cache = WebImageCache::create();
        for (int i = 0; i < kImages; ++i) {
            std::string key = "http://127.0.0.1/pictures/" + std::to_string(i) + ".png";
            std::string png = emulator::solidPNG(32, 32, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8), 90);
            auto image = ui::Image::imageWithData(ns::Data::fromString(png));
            cache->storeImage(image, ns::Data::fromString(png), key, true);
            keys.push_back(key);
            paths.push_back(cache->cachePathForKey(key));
            map[key] = image;
        }
        cache->waitForDiskWrites();
    }
    std::shared_ptr<WebImageCache> cache;
    std::vector<std::string> keys;
    std::vector<std::string> paths;
    std::unordered_map<std::string, ui::ImagePtr> map;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

std::string readFile(const std::string& path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[16384];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
        std::fclose(file);
    }
    return bytes;
}

void MemoryCacheHit(benchmark::State& state) {
    auto& f = fixture();
    for (const auto& key : f.keys) f.cache->imageFromKey(key, true);  // all in memory
    for (auto _ : state)
        for (const auto& key : f.keys) benchmark::DoNotOptimize(f.cache->imageFromKey(key, false));
}

void PlainMapLookup(benchmark::State& state) {
    auto& f = fixture();
    for (auto _ : state)
        for (const auto& key : f.keys) {
            auto it = f.map.find(key);
            benchmark::DoNotOptimize(it == f.map.end() ? nullptr : it->second);
        }
}

void DiskCacheHit(benchmark::State& state) {
    auto& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        f.cache->clearMemory();
        state.ResumeTiming();
        for (const auto& key : f.keys) {
            auto image = f.cache->imageFromKey(key, true);
            if (!image) state.SkipWithError("disk miss");
            benchmark::DoNotOptimize(image);
        }
    }
}

void PlainFileReadAndDecode(benchmark::State& state) {
    auto& f = fixture();
    for (auto _ : state)
        for (const auto& path : f.paths)
            benchmark::DoNotOptimize(ui::Image::imageWithData(ns::Data::fromString(readFile(path))));
}

void PlainFileRead(benchmark::State& state) {
    auto& f = fixture();
    for (auto _ : state)
        for (const auto& path : f.paths) benchmark::DoNotOptimize(readFile(path));
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("memory-hit/WebImageCache", MemoryCacheHit)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("memory-hit/unordered_map", PlainMapLookup)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("disk-hit/WebImageCache", DiskCacheHit)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("disk-hit/fread+decode", PlainFileReadAndDecode)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("disk-hit/fread", PlainFileRead)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    keelbox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("memory-hit-vs-map", "memory-hit/WebImageCache", "memory-hit/unordered_map");
    reporter.printRatio("disk-hit-vs-fread+decode", "disk-hit/WebImageCache", "disk-hit/fread+decode");
    reporter.printRatio("disk-hit-vs-fread", "disk-hit/WebImageCache", "disk-hit/fread");
    benchmark::Shutdown();
    return 0;
}
