#include "platform/net/NetworkReachability.h"

#include <arpa/inet.h>

#include "platform/foundation/RunLoop.h"

namespace sc {

std::shared_ptr<NetworkReachability> NetworkReachability::createWithName(const std::string& hostName) {
    if (hostName.empty()) return nullptr;
    ReachabilityTarget target;
    target.kind = ReachabilityTarget::Kind::Host;
    target.host = hostName;
    return std::shared_ptr<NetworkReachability>(new NetworkReachability(std::move(target)));
}

std::shared_ptr<NetworkReachability> NetworkReachability::createWithAddress(const std::string& numericAddress) {
    unsigned char buffer[16];
    if (inet_pton(AF_INET, numericAddress.c_str(), buffer) != 1 &&
        inet_pton(AF_INET6, numericAddress.c_str(), buffer) != 1)
        return nullptr;
    ReachabilityTarget target;
    target.kind = ReachabilityTarget::Kind::Address;
    target.address = numericAddress;
    return std::shared_ptr<NetworkReachability>(new NetworkReachability(std::move(target)));
}

std::shared_ptr<NetworkReachability> NetworkReachability::createWithIPv4(std::uint32_t networkOrderAddress) {
    char text[INET_ADDRSTRLEN] = {0};
    in_addr address{networkOrderAddress};
    inet_ntop(AF_INET, &address, text, sizeof text);
    return createWithAddress(text);
}

NetworkReachability::~NetworkReachability() {
    if (source_) source_->removeListener(listenerToken_);
}

bool NetworkReachability::getFlags(std::uint32_t& flags) const {
    auto source = NetworkInfo::source();
    if (!source) return false;
    flags = source->flagsFor(target_);
    return true;
}

bool NetworkReachability::setCallback(Callback callback) {
    std::lock_guard<std::mutex> lock(mutex_);
    callback_ = std::move(callback);
    return true;
}

bool NetworkReachability::scheduleWithRunLoop(const std::shared_ptr<ns::RunLoop>& runLoop, const std::string& mode) {
    if (!runLoop || mode.empty()) return false;
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& [loop, m] : schedules_)
        if (loop.lock() == runLoop && m == mode) return true;
    schedules_.emplace_back(runLoop, mode);
    if (!source_) {
        source_ = NetworkInfo::source();
        lastFlags_ = source_->flagsFor(target_);
        std::weak_ptr<NetworkReachability> weak = weakSelf<NetworkReachability>();
        listenerToken_ = source_->addListener([weak] {
            if (auto self = weak.lock()) self->sourceChanged();
        });
    }
    return true;
}

bool NetworkReachability::unscheduleFromRunLoop(const std::shared_ptr<ns::RunLoop>& runLoop, const std::string& mode) {
    std::shared_ptr<NetworkInfoSource> released;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::erase_if(schedules_, [&](const auto& s) { return s.first.lock() == runLoop && s.second == mode; });
        if (schedules_.empty() && source_) {
            released = std::move(source_);
            source_.reset();
        }
    }
    if (released) released->removeListener(listenerToken_);
    return true;
}

void NetworkReachability::sourceChanged() {
    std::vector<std::pair<std::shared_ptr<ns::RunLoop>, std::string>> targets;
    std::uint32_t flags;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!source_) return;
        flags = source_->flagsFor(target_);
        if (flags == lastFlags_) return;
        lastFlags_ = flags;
        for (const auto& [loop, mode] : schedules_)
            if (auto l = loop.lock()) targets.emplace_back(l, mode);
    }
    std::weak_ptr<NetworkReachability> weak = weakSelf<NetworkReachability>();
    for (const auto& target : targets) {
        const auto& [loop, mode] = target;
        loop->perform(
            [weak, loop = std::weak_ptr<ns::RunLoop>(target.first), mode = target.second, flags] {
                auto self = weak.lock();
                if (!self) return;
                Callback callback;
                {
                    std::lock_guard<std::mutex> lock(self->mutex_);
                    bool stillScheduled = false;
                    for (const auto& [l, m] : self->schedules_) stillScheduled |= l.lock() == loop.lock() && m == mode;
                    if (!stillScheduled) return;
                    callback = self->callback_;
                }
                if (callback) callback(flags);
            },
            {mode});
    }
}

std::string NetworkReachability::description() const {
    return "<NetworkReachability " +
           (target_.kind == ReachabilityTarget::Kind::Host ? target_.host : target_.address) + ">";
}

}  // namespace sc
