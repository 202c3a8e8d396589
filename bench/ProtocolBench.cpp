// A local-channel device-list request (request 21) whose decrypted reply is
// just under the 102400-byte limit, through the whole stack (provider,
// session key, AES + RSA, URL connection, decryption, envelope, device
// records, notification on the main loop), against the bare HTTP round trip
// of the same bytes (plain libcurl posting the same body and receiving a
// reply of the same length) in the same run. Prints "ratio:" lines.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/FakeAccountFacade.h"
#include "core/crypto/CipherKey.h"
#include "core/crypto/DataCommonCryptor.h"
#include "core/crypto/StringAddition.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "emulator/EmulatedRouterAPI.h"
#include "emulator/EmulatedRouterModel.h"
#include "emulator/EnvelopeWriter.h"
#include "emulator/RouterChannelCrypto.h"
#include "emulator/HttpServer.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/Utf16.h"
#include "net/json/TinyJson.h"
#include "platform/net/URLConnection.h"
#include "protocol/TAVODataProviderFactory.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"

namespace {

constexpr const char* kTicket = "TK-bench";

struct Bench {
    emulator::EmulatorStatePtr state = emulator::EmulatorState::create();
    std::unique_ptr<emulator::HttpServer> server;
    std::atomic<int> calls{0};
    std::string envelope;     // the decrypted reply
    std::string bareReply;    // same length as the real encrypted reply
    std::string bareRequest;  // a real request body
    std::size_t envelopeBytes = 0;
    int devices = 0;
    std::string bareURL;
};

Bench& bench() {
    static Bench b;
    static const bool ready = [](Bench& b) {
        // The largest device list whose envelope stays under the limit.
        int n = 100;
        for (;; ++n) {
            b.state->addRouter(emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01", n + 1));
            auto next = emulator::EnvelopeWriter::envelope(emulator::EmulatedRouterAPI::call(*b.state, "R1", "device.getDeviceList", {}), nullptr);
            if (next.size() > 102400) break;
        }
        auto router = emulator::EmulatedRouterModel::makeRouter("R1", "AA:BB:CC:00:00:01", n);
        b.state->addRouter(router);
        b.devices = n;
        const std::string envelope =
            emulator::EnvelopeWriter::envelope(emulator::EmulatedRouterAPI::call(*b.state, "R1", "device.getDeviceList", {}), nullptr);
        b.envelopeBytes = envelope.size();
        b.envelope = envelope;
        b.bareReply = emulator::RouterChannelCrypto::base64Encode(*emulator::RouterChannelCrypto::aesEncrypt(envelope, "0123456789abcdef"));
        // The router answers from a prepared envelope, so that its own JSON
        // writing does not count against the application: per request it
        // only unwraps the session key and encrypts the prepared bytes.
        b.server = std::make_unique<emulator::HttpServer>();
        b.server->route("POST", "/home1/", [envelope, &calls = b.calls](const emulator::LoggedRequest& request, emulator::Reply& r) {
            std::string key;
            for (const auto& [name, value] : emulator::RouterChannelCrypto::decodeForm(request.body))
                if (name == "key") key = value;
            auto wrapped = emulator::RouterChannelCrypto::base64Decode(key);
            auto session = wrapped ? emulator::RouterChannelCrypto::unwrapSessionKey(*wrapped) : std::nullopt;
            auto sealed = session ? emulator::RouterChannelCrypto::aesEncrypt(envelope, *session) : std::nullopt;
            r.body = sealed ? emulator::RouterChannelCrypto::base64Encode(*sealed) : std::string();
            ++calls;
        });
        b.server->route("POST", "/bare", [&reply = b.bareReply](const emulator::LoggedRequest&, emulator::Reply& r) {
            r.body = reply;
        });
        b.server->start();
        b.bareURL = b.server->url("/bare");
        ::setenv("KEELBOX_ROUTER_LOCAL_HOST", ("127.0.0.1:" + std::to_string(b.server->port())).c_str(), 1);
        auto facade = std::make_shared<keelbox::test::FakeAccountFacade>();
        facade->current = facade->local = TAVORouterModel::create();
        facade->current->router_id = "R1";
        facade->current->isLocalRouter = true;
        facade->current->ticket = kTicket;
        TAVOAccountFacade::setShared(facade);
        return true;
    }(b);
    (void)ready;
    return b;
}

// One full request: returns the number of devices delivered.
std::size_t fullRequest() {
    static auto provider = TAVODataProviderFactory::shareInstance()->getDataProviderById(1);
    std::size_t delivered = 0;
    bool done = false;
    auto center = ns::NotificationCenter::defaultCenter();
    auto onResult = [&](const ns::NotificationPtr& n) {
        if (auto list = n->object().as<TAVORouterJoiningDevicesList>()) delivered = list->devicesList.count();
        done = true;
    };
    ns::ScopedObserver ok(center, center->addObserverForName("router query devicelist notification_OK", {}, nullptr, onResult));
    ns::ScopedObserver ng(center, center->addObserverForName("router query devicelist notification_NG", {}, nullptr, onResult));
    (void)provider->reqData(21, ns::Value::dictionary({}));
    auto loop = ns::RunLoop::main();
    while (!done) loop->runMode(ns::kDefaultRunLoopMode, ns::Date::withTimeIntervalSince1970(ns::Clock::now() + 0.05));
    return delivered;
}

std::size_t sink(char* data, std::size_t size, std::size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

std::size_t bareRoundTrip() {
    auto& b = bench();
    std::string received;
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, b.bareURL.c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, b.bareRequest.c_str());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(b.bareRequest.size()));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &sink);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &received);
    curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    return received.size();
}

// The same bytes through the platform's URL connection alone (no request
// layer): what the transport costs before our own work starts.
struct Gather : ns::URLConnectionDelegate {
    std::size_t received = 0;
    bool done = false;
    void connectionDidReceiveData(const ns::URLConnectionPtr&, const ns::Data& data) override { received += data.length(); }
    void connectionDidFinishLoading(const ns::URLConnectionPtr&) override { done = true; }
    void connectionDidFailWithError(const ns::URLConnectionPtr&, const ns::ErrorPtr&) override { done = true; }
};

std::size_t connectionRoundTrip() {
    auto& b = bench();
    ns::MutableURLRequest request(ns::URL::URLWithString(b.bareURL), ns::kURLRequestReloadIgnoringLocalCacheData, 30.0);
    request.setHTTPMethod("POST");
    request.setHTTPBody(ns::Data::fromString(b.bareRequest));
    auto delegate = std::make_shared<Gather>();
    ns::URLConnection::create(request, delegate);
    auto loop = ns::RunLoop::main();
    while (!delegate->done) loop->runMode(ns::kDefaultRunLoopMode, ns::Date::withTimeIntervalSince1970(ns::Clock::now() + 0.05));
    return delegate->received;
}

void BM_DeviceList_FullStack(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(fullRequest());
}
void BM_DeviceList_BareRoundTrip(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(bareRoundTrip());
}
void BM_DeviceList_URLConnectionOnly(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(connectionRoundTrip());
}
// The stages of one reply, each alone, to show where the time goes.
constexpr const char* kStageKey = "0123456789abcdef";

void BM_Stage_Base64Decode(benchmark::State& state) {
    const std::string& text = bench().bareReply;
    for (auto _ : state) benchmark::DoNotOptimize(KXBase64DecodeToData(text));
}
void BM_Stage_AESDecrypt(benchmark::State& state) {
    const ns::Data cipher = *KXBase64DecodeToData(bench().bareReply);
    for (auto _ : state) benchmark::DoNotOptimize(KXDecryptedAES256DataUsingKey(cipher, CipherKey(kStageKey)));
}
void BM_Stage_Utf8Check(benchmark::State& state) {
    const std::string& text = bench().envelope;
    for (auto _ : state) benchmark::DoNotOptimize(ns::utf16::isValidUtf8(text));
}
void BM_Stage_JSONParse(benchmark::State& state) {
    const std::string& text = bench().envelope;
    for (auto _ : state) benchmark::DoNotOptimize(JSONValue(text));
}
void BM_Stage_Records(benchmark::State& state) {
    const ns::Value vdata = JSONValue(bench().envelope)["vdata"];
    for (auto _ : state) benchmark::DoNotOptimize(TAVORouterJoiningDevicesList::initWithDictionary(vdata));
}
// What the emulated router does per request in this benchmark.
std::string stageWrappedKey() {
    for (const auto& [name, value] : emulator::RouterChannelCrypto::decodeForm(bench().bareRequest))
        if (name == "key") return value;
    return {};
}
void BM_Stage_RouterUnwrapKey(benchmark::State& state) {
    const std::string key = stageWrappedKey();
    for (auto _ : state)
        benchmark::DoNotOptimize(emulator::RouterChannelCrypto::unwrapSessionKey(*emulator::RouterChannelCrypto::base64Decode(key)));
}
void BM_Stage_RouterEncrypt(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(emulator::RouterChannelCrypto::aesEncrypt(bench().envelope, kStageKey));
}
void BM_Stage_RouterBase64Encode(benchmark::State& state) {
    const std::string sealed = *emulator::RouterChannelCrypto::aesEncrypt(bench().envelope, kStageKey);
    for (auto _ : state) benchmark::DoNotOptimize(emulator::RouterChannelCrypto::base64Encode(sealed));
}
BENCHMARK(BM_Stage_Base64Decode)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage_AESDecrypt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage_Utf8Check)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage_JSONParse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage_Records)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage_RouterUnwrapKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage_RouterEncrypt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage_RouterBase64Encode)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_DeviceList_URLConnectionOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeviceList_FullStack)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeviceList_BareRoundTrip)->Unit(benchmark::kMicrosecond);

double seconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    auto& b = bench();
    if (fullRequest() != static_cast<std::size_t>(b.devices)) {
        std::cerr << "the full request did not deliver the device list\n";
        return 1;
    }
    b.bareRequest = b.server->log().last()->body;
    b.server->log().clear();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();

    // Interleaved, so both see the same machine load; then a sequential run.
    std::vector<double> full, bare, connection;
    for (int i = 0; i < 300; ++i) {
        full.push_back(seconds([] { fullRequest(); }));
        bare.push_back(seconds([] { bareRoundTrip(); }));
        connection.push_back(seconds([] { connectionRoundTrip(); }));
    }
    const int sequential = 300;
    const double total = seconds([&] {
        for (int i = 0; i < sequential; ++i) fullRequest();
    });
    std::cout << "device_list: devices " << b.devices << " envelope_bytes " << b.envelopeBytes << " reply_bytes "
              << b.bareReply.size() << " request_bytes " << b.bareRequest.size() << "\n";
    std::cout << "median_us: full_stack " << median(full) * 1e6 << " bare_round_trip " << median(bare) * 1e6
              << " own_time " << (median(full) - median(bare)) * 1e6 << "\n";
    std::cout << "median_us: url_connection_only " << median(connection) * 1e6 << "\n";
    std::cout << "ratio: device_list_full_stack_over_url_connection_only " << median(full) / median(connection) << "\n";
    std::cout << "ratio: device_list_full_stack_over_bare_round_trip " << median(full) / median(bare) << "\n";
    std::cout << "sequential_requests_per_s " << sequential / total << "\n";
    b.server->stop();
    return 0;
}
