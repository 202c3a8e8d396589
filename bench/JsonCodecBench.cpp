// JSON codec throughput on documents of about 1 MB: the system's own shapes
// (a device list, a status reply, a USB file list) and general JSON (deep
// nesting, long strings with escapes and CJK, many numbers). JetJson and
// TinyJson decode and encode against nlohmann-json and RapidJSON in the same
// run. Prints "ratio: <what> <speed-up>" lines at the end, a speed-up being
// the other library's time divided by ours (above 1: ours is faster).
#include <benchmark/benchmark.h>

#include "bench/support/RatioReporter.h"

#include <nlohmann/json.hpp>
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <malloc.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "net/json/JSONDecoder.h"
#include "net/json/JetJsonDeserializing.h"
#include "net/json/JetJsonSerializing.h"
#include "net/json/TinyJsonParser.h"
#include "net/json/TinyJsonWriter.h"

namespace {

constexpr std::size_t kTargetSize = 1 << 20;

std::string mac(std::mt19937& rng) {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02X:%02X:%02X:%02X:%02X:%02X", rng() & 255, rng() & 255, rng() & 255,
                  rng() & 255, rng() & 255, rng() & 255);
    return buf;
}

const char* const kNames[] = {"iPhone", "小米手机", "MacBook-Pro", "Living Room TV", "华为平板", "Printer \"Office\"",
                              "Galaxy S21", "デスクトップ"};

// The router's device list reply.
std::string deviceList() {
    std::mt19937 rng(1);
    nlohmann::ordered_json devices = nlohmann::ordered_json::array();
    std::string text;
    while (true) {
        for (int i = 0; i < 64; ++i) {
            nlohmann::ordered_json d;
            d["mac"] = mac(rng);
            d["ip"] = "192.168.1." + std::to_string(rng() % 254 + 1);
            d["name"] = std::string(kNames[rng() % 8]) + " " + std::to_string(rng() % 100);
            d["online"] = static_cast<int>(rng() % 2);
            d["type"] = static_cast<int>(rng() % 6);
            d["rx_bytes"] = static_cast<std::uint64_t>(rng()) * 1000;
            d["tx_bytes"] = static_cast<std::uint64_t>(rng()) * 10;
            d["upload_speed"] = static_cast<int>(rng() % 100000);
            d["download_speed"] = static_cast<int>(rng() % 1000000);
            d["online_time"] = static_cast<int>(rng() % 86400);
            d["blocked"] = rng() % 10 == 0;
            d["limit"] = {{"up", static_cast<int>(rng() % 1000)}, {"down", static_cast<int>(rng() % 1000)}};
            devices.push_back(d);
        }
        text = nlohmann::ordered_json{{"code", 0}, {"msg", "ok"}, {"data", {{"devices", devices}}}}.dump();
        if (text.size() >= kTargetSize) return text;
    }
}

// A list of the router's status replies.
std::string statusReplies() {
    std::mt19937 rng(2);
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    std::string text;
    while (true) {
        for (int i = 0; i < 16; ++i) {
            nlohmann::ordered_json s;
            s["code"] = 0;
            s["data"] = {
                {"router", {{"model", "R3600"}, {"rom", "2.0.18"}, {"uptime", rng() % 1000000}, {"cpu", rng() % 100}, {"mem", rng() % 100}}},
                {"wan", {{"type", "pppoe"}, {"ip", "100.64.3." + std::to_string(rng() % 255)}, {"gateway", "100.64.0.1"}, {"dns", {"8.8.8.8", "1.1.1.1"}}, {"up", rng() % 100000}, {"down", rng() % 1000000}, {"connected", true}}},
                {"wifi", {{{"band", "2.4G"}, {"ssid", "Home 家"}, {"channel", rng() % 13 + 1}, {"enabled", true}, {"clients", rng() % 20}},
                          {{"band", "5G"}, {"ssid", "Home 家-5G"}, {"channel", 36 + 4 * (rng() % 8)}, {"enabled", true}, {"clients", rng() % 20}}}},
                {"usb", {{"attached", rng() % 2 == 0}, {"capacity", static_cast<std::uint64_t>(rng()) * 4096}, {"free", static_cast<std::uint64_t>(rng()) * 1024}}},
                {"safety", {{"firewall", true}, {"guest", false}, {"score", 87.5}}}};
            list.push_back(s);
        }
        text = list.dump();
        if (text.size() >= kTargetSize) return text;
    }
}

// The USB storage file list reply.
std::string usbFileList() {
    std::mt19937 rng(3);
    const char* const folders[] = {"Photos", "照片/2023", "Music", "Movies", "Documents/工作", "Backup"};
    const char* const exts[] = {".jpg", ".mp4", ".mp3", ".pdf", ".docx", ".zip"};
    nlohmann::ordered_json files = nlohmann::ordered_json::array();
    std::string text;
    while (true) {
        for (int i = 0; i < 64; ++i) {
            const std::string folder = folders[rng() % 6];
            const std::string name = (rng() % 3 == 0 ? "文件_" : "IMG_") + std::to_string(rng() % 100000) + exts[rng() % 6];
            files.push_back({{"name", name},
                             {"path", "/mnt/usb1/" + folder + "/" + name},
                             {"size", static_cast<std::uint64_t>(rng()) * (rng() % 64 + 1)},
                             {"mtime", 1600000000 + rng() % 100000000},
                             {"type", rng() % 8 == 0 ? "dir" : "file"},
                             {"hidden", false}});
        }
        text = nlohmann::ordered_json{{"code", 0}, {"data", {{"path", "/mnt/usb1"}, {"total", files.size()}, {"files", files}}}}.dump();
        if (text.size() >= kTargetSize) return text;
    }
}

// Many documents nested 300 levels deep (arrays and objects alternating).
std::string deepNesting() {
    std::string one;
    for (int i = 0; i < 150; ++i) one += "{\"n\":[";
    one += "1";
    for (int i = 0; i < 150; ++i) one += "]}";
    std::string text = "[";
    while (text.size() < kTargetSize) text += one + ",";
    text.back() = ']';
    return text;
}

// Long strings with escapes and CJK.
std::string longStrings() {
    std::mt19937 rng(4);
    const char* const pieces[] = {"路由器", "設定", "quote \"here\"", "back\\slash", "line\nbreak", "tab\t",
                                  "plain ASCII text that goes on ", "é à ü", "😀", "/path/to/file"};
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    std::size_t size = 0;
    while (size < kTargetSize) {
        std::string s;
        while (s.size() < 2000 + rng() % 4000) s += pieces[rng() % 10];
        size += s.size() + 16;
        list.push_back(s);
    }
    return list.dump();
}

// Many numbers: integers and doubles in rows.
std::string manyNumbers() {
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> real(-1e6, 1e6);
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    std::string text;
    while (true) {
        for (int r = 0; r < 100; ++r) {
            nlohmann::ordered_json row = nlohmann::ordered_json::array();
            for (int i = 0; i < 8; ++i) row.push_back(static_cast<std::int64_t>(rng() >> (rng() % 64)));
            for (int i = 0; i < 8; ++i) row.push_back(real(rng));
            rows.push_back(row);
        }
        text = rows.dump();
        if (text.size() >= kTargetSize) return text;
    }
}

struct Document {
    const char* name;
    std::string text;
};

// The documents to run: all, or only the one named by --document=<name>, so
// that a document can be measured in a process whose heap no other
// document has shaped.
std::string onlyDocument;

const std::vector<Document>& documents() {
    static const std::vector<Document> docs = [] {
        const std::pair<const char*, std::string (*)()> makers[] = {
            {"devices", deviceList}, {"status", statusReplies}, {"usbfiles", usbFileList},
            {"deep", deepNesting},   {"strings", longStrings},  {"numbers", manyNumbers},
        };
        std::vector<Document> made;
        for (const auto& [name, make] : makers)
            if (onlyDocument.empty() || onlyDocument == name) made.push_back({name, make()});
        return made;
    }();
    return docs;
}

void setBytes(benchmark::State& state, const std::string& text) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void decodeJetJson(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        ns::Value v = objectFromJSONString(text);
        if (v.isNil()) state.SkipWithError("JetJson failed");
        benchmark::DoNotOptimize(v);
    }
    setBytes(state, text);
}

void decodeTinyJson(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        ns::Value v = TinyJsonParser::create()->objectWithString(std::string_view(text));
        if (v.isNil()) state.SkipWithError("TinyJson failed");
        benchmark::DoNotOptimize(v);
    }
    setBytes(state, text);
}

void decodeNlohmann(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        auto j = nlohmann::json::parse(text);
        benchmark::DoNotOptimize(j);
    }
    setBytes(state, text);
}

void decodeRapidJson(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        rapidjson::Document d;
        d.Parse(text.data(), text.size());
        if (d.HasParseError()) state.SkipWithError("RapidJSON failed");
        benchmark::DoNotOptimize(d);
    }
    setBytes(state, text);
}

void encodeJetJson(benchmark::State& state, const std::string& text) {
    const ns::Value v = objectFromJSONString(text);
    for (auto _ : state) {
        ns::Value out = JSONString(v);
        if (out.isNil()) state.SkipWithError("JetJson failed");
        benchmark::DoNotOptimize(out);
    }
    setBytes(state, text);
}

void encodeTinyJson(benchmark::State& state, const std::string& text) {
    const ns::Value v = objectFromJSONString(text);
    for (auto _ : state) {
        ns::Value out = TinyJsonWriter::create()->stringWithObject(v);
        if (out.isNil()) state.SkipWithError("TinyJson failed");
        benchmark::DoNotOptimize(out);
    }
    setBytes(state, text);
}

void encodeNlohmann(benchmark::State& state, const std::string& text) {
    const auto j = nlohmann::json::parse(text);
    for (auto _ : state) {
        std::string out = j.dump();
        benchmark::DoNotOptimize(out);
    }
    setBytes(state, text);
}

void encodeRapidJson(benchmark::State& state, const std::string& text) {
    rapidjson::Document d;
    d.Parse(text.data(), text.size());
    for (auto _ : state) {
        rapidjson::StringBuffer buffer;
        rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
        d.Accept(writer);
        benchmark::DoNotOptimize(buffer.GetString());
    }
    setBytes(state, text);
}

// Heap bytes held while a decoded document is alive: what its tree costs.
template <class Decode>
std::size_t heldBytes(Decode decode) {
    const std::size_t before = mallinfo2().uordblks;
    auto tree = decode();
    const std::size_t after = mallinfo2().uordblks;
    benchmark::DoNotOptimize(tree);
    return after > before ? after - before : 0;
}

void printTreeMemory(const Document& doc) {
    const std::string& t = doc.text;
    const std::size_t jet = heldBytes([&] { return objectFromJSONString(t); });
    const std::size_t tiny = heldBytes([&] { return TinyJsonParser::create()->objectWithString(std::string_view(t)); });
    const std::size_t nl = heldBytes([&] { return nlohmann::json::parse(t); });
    const std::size_t rapid = heldBytes([&] {
        auto d = std::make_unique<rapidjson::Document>();
        d->Parse(t.data(), t.size());
        return d;
    });
    std::printf("memory: %s bytes %zu jetjson %zu tinyjson %zu nlohmann %zu rapidjson %zu\n", doc.name, t.size(), jet,
                tiny, nl, rapid);
}

const std::pair<const char*, void (*)(benchmark::State&, const std::string&)> kCodecs[] = {
    {"decode/JetJson", decodeJetJson}, {"decode/TinyJson", decodeTinyJson},   {"decode/nlohmann", decodeNlohmann},
    {"decode/RapidJSON", decodeRapidJson}, {"encode/JetJson", encodeJetJson}, {"encode/TinyJson", encodeTinyJson},
    {"encode/nlohmann", encodeNlohmann}, {"encode/RapidJSON", encodeRapidJson},
};


}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--document=", 0) == 0) onlyDocument = arg.substr(11);
    }
    for (const auto& doc : documents())
        for (const auto& [codec, fn] : kCodecs)
            benchmark::RegisterBenchmark((std::string(codec) + "/" + doc.name).c_str(),
                                         [fn = fn, &doc](benchmark::State& s) { fn(s, doc.text); })
                ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    keelbox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // Speed-ups: the other library's time over ours.
    auto ratio = [&](const std::string& what, const std::string& ours, const std::string& other) {
        reporter.printRatio(what.c_str(), other, ours);
    };
    for (const auto& doc : documents()) {
        printTreeMemory(doc);
        const std::string n = doc.name;
        ratio("jetjson-decode-vs-nlohmann/" + n, "decode/JetJson/" + n, "decode/nlohmann/" + n);
        ratio("jetjson-decode-vs-rapidjson/" + n, "decode/JetJson/" + n, "decode/RapidJSON/" + n);
        ratio("jetjson-encode-vs-nlohmann/" + n, "encode/JetJson/" + n, "encode/nlohmann/" + n);
        ratio("jetjson-encode-vs-rapidjson/" + n, "encode/JetJson/" + n, "encode/RapidJSON/" + n);
        ratio("tinyjson-decode-vs-nlohmann/" + n, "decode/TinyJson/" + n, "decode/nlohmann/" + n);
        ratio("tinyjson-encode-vs-nlohmann/" + n, "encode/TinyJson/" + n, "encode/nlohmann/" + n);
    }
    benchmark::Shutdown();
    return 0;
}
