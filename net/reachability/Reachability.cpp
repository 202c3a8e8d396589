#include "net/reachability/Reachability.h"

#include <arpa/inet.h>

#include <cstdio>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"

namespace {
const std::string kInternetKey = "InternetConnection";
const std::string kLocalWiFiKey = "LocalWiFiConnection";
}  // namespace

std::string Reachability::makeAddressKey(std::uint32_t networkOrderAddress) {
    const auto* b = reinterpret_cast<const unsigned char*>(&networkOrderAddress);
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", b[0], b[1], b[2], b[3]);
    return text;
}

std::shared_ptr<Reachability> Reachability::initWithReachabilityRef(sc::NetworkReachabilityPtr reference,
                                                                    std::string key) {
    if (!reference) return nullptr;
    return std::shared_ptr<Reachability>(new Reachability(std::move(reference), std::move(key), false));
}

std::shared_ptr<Reachability> Reachability::reachabilityWithHostName(const std::string& hostName) {
    return initWithReachabilityRef(sc::NetworkReachability::createWithName(hostName), hostName);
}

std::shared_ptr<Reachability> Reachability::reachabilityWithAddress(std::uint32_t networkOrderAddress) {
    return initWithReachabilityRef(sc::NetworkReachability::createWithIPv4(networkOrderAddress),
                                   makeAddressKey(networkOrderAddress));
}

std::shared_ptr<Reachability> Reachability::reachabilityForInternetConnection() {
    return initWithReachabilityRef(sc::NetworkReachability::createWithIPv4(htonl(INADDR_ANY)), kInternetKey);
}

std::shared_ptr<Reachability> Reachability::reachabilityForLocalWiFi() {
    auto reference = sc::NetworkReachability::createWithIPv4(htonl(0xA9FE0000u));  // 169.254.0.0
    if (!reference) return nullptr;
    return std::shared_ptr<Reachability>(new Reachability(std::move(reference), kLocalWiFiKey, true));
}

Reachability::~Reachability() {
    if (auto loop = scheduledLoop_.lock()) reference_->unscheduleFromRunLoop(loop, ns::kDefaultRunLoopMode);
    reference_->setCallback(nullptr);
}

bool Reachability::startNotifier() {
    // The callback holds this object weakly: a notifier never keeps it alive.
    std::weak_ptr<Reachability> weak = self<Reachability>();
    bool installed = reference_->setCallback([weak](std::uint32_t) {
        if (auto strong = weak.lock())
            ns::NotificationCenter::defaultCenter()->postNotificationName(kReachabilityChangedNotification,
                                                                          ns::Value(strong));
    });
    if (!installed) return false;
    auto loop = ns::RunLoop::current();
    if (!reference_->scheduleWithRunLoop(loop, ns::kDefaultRunLoopMode)) return false;
    scheduledLoop_ = loop;
    return true;
}

void Reachability::stopNotifier() {
    reference_->unscheduleFromRunLoop(ns::RunLoop::current(), ns::kDefaultRunLoopMode);
    scheduledLoop_.reset();
}

bool Reachability::readFlags(std::uint32_t& flags) const { return reference_->getFlags(flags); }

std::uint32_t Reachability::reachabilityFlags() const {
    std::uint32_t flags = 0;
    return readFlags(flags) ? flags : 0;
}

NetworkStatus Reachability::networkStatusForFlags(std::uint32_t flags) const {
    if (!(flags & kReachabilityFlagsReachable)) return NotReachable;
    if (isLocalWiFi_) return (flags & kReachabilityFlagsIsDirect) ? ReachableViaWiFi : NotReachable;
    if (flags & kReachabilityFlagsIsWWAN) return ReachableViaWWAN;
    std::uint32_t rest =
        flags & ~(kReachabilityFlagsReachable | kReachabilityFlagsIsLocalAddress | kReachabilityFlagsIsDirect);
    if (rest == (kReachabilityFlagsTransientConnection | kReachabilityFlagsConnectionRequired)) return NotReachable;
    if (rest & kReachabilityFlagsTransientConnection) return ReachableViaWiFi;
    if (rest == 0) return ReachableViaWiFi;
    if (rest & kReachabilityFlagsConnectionRequired) return ReachableViaWiFi;
    return NotReachable;
}

NetworkStatus Reachability::currentReachabilityStatus() const {
    std::uint32_t flags = 0;
    return readFlags(flags) ? networkStatusForFlags(flags) : NotReachable;
}

bool Reachability::isReachable() const {
    std::uint32_t flags = 0;
    return readFlags(flags) && networkStatusForFlags(flags) != NotReachable;
}

bool Reachability::isConnectionRequired() const { return reachabilityFlags() & kReachabilityFlagsConnectionRequired; }

bool Reachability::isConnectionOnDemand() const {
    auto flags = reachabilityFlags();
    return (flags & kReachabilityFlagsConnectionRequired) &&
           (flags & (kReachabilityFlagsConnectionOnTraffic | kReachabilityFlagsConnectionOnDemand));
}

bool Reachability::isInterventionRequired() const {
    auto flags = reachabilityFlags();
    return (flags & kReachabilityFlagsConnectionRequired) && (flags & kReachabilityFlagsInterventionRequired);
}

bool Reachability::isEqual(const ns::Object& other) const {
    auto* o = dynamic_cast<const Reachability*>(&other);
    return o && o->key_ == key_;
}
