#include "platform/net/NetworkInfoSource.h"

#include <cstdlib>

#include "platform/foundation/Singleton.h"
#include "platform/net/InjectableNetworkInfoSource.h"
#include "platform/net/LinuxNetworkInfoSource.h"

namespace sc {

std::uint64_t NetworkInfoSource::addListener(Listener listener) {
    std::lock_guard<std::mutex> lock(listenerMutex_);
    std::uint64_t token = nextToken_++;
    listeners_[token] = std::move(listener);
    return token;
}

void NetworkInfoSource::removeListener(std::uint64_t token) {
    std::lock_guard<std::mutex> lock(listenerMutex_);
    listeners_.erase(token);
}

void NetworkInfoSource::notifyChanged() {
    std::vector<Listener> listeners;
    {
        std::lock_guard<std::mutex> lock(listenerMutex_);
        for (const auto& [token, listener] : listeners_) listeners.push_back(listener);
    }
    for (const auto& listener : listeners) listener();
}

namespace {
struct SourceSlot {
    std::mutex mutex;
    std::shared_ptr<NetworkInfoSource> source;
};
SourceSlot& slot() {
    static SourceSlot s;
    return s;
}

// Each test starts from the default source again.
void resetBetweenTests() {
    static std::once_flag once;
    std::call_once(once, [] {
        ns::onTestReset([] {
            std::lock_guard<std::mutex> lock(slot().mutex);
            slot().source.reset();
        });
    });
}

std::shared_ptr<NetworkInfoSource> makeDefaultSource() {
    if (const char* wifi = std::getenv("KEELBOX_WIFI"); wifi && *wifi) {
        std::string text = wifi;
        auto comma = text.find(',');
        auto source = std::make_shared<InjectableNetworkInfoSource>();
        source->setWiFi(WiFiNetwork{text.substr(0, comma), comma == std::string::npos ? "" : text.substr(comma + 1)});
        return source;
    }
    return std::make_shared<LinuxNetworkInfoSource>();
}
}  // namespace

std::shared_ptr<NetworkInfoSource> NetworkInfo::source() {
    auto& s = slot();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!s.source) s.source = makeDefaultSource();
    resetBetweenTests();
    return s.source;
}

void NetworkInfo::setSource(std::shared_ptr<NetworkInfoSource> source) {
    auto& s = slot();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.source = std::move(source);
    resetBetweenTests();
}

}  // namespace sc
