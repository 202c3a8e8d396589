#include "net/reachability/TNNetworkReachabilityManager.h"

#include <arpa/inet.h>

#include "net/reachability/Reachability.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Singleton.h"

std::shared_ptr<TNNetworkReachabilityManager> TNNetworkReachabilityManager::sharedManager() {
    return ns::Singleton<TNNetworkReachabilityManager>::get([] { return managerForAddress(htonl(INADDR_ANY)); });
}

std::shared_ptr<TNNetworkReachabilityManager> TNNetworkReachabilityManager::initWithReachability(
    sc::NetworkReachabilityPtr reachability, Association association) {
    return std::shared_ptr<TNNetworkReachabilityManager>(
        new TNNetworkReachabilityManager(std::move(reachability), association));
}

std::shared_ptr<TNNetworkReachabilityManager> TNNetworkReachabilityManager::managerForDomain(const std::string& domain) {
    return initWithReachability(sc::NetworkReachability::createWithName(domain), ForName);
}

std::shared_ptr<TNNetworkReachabilityManager> TNNetworkReachabilityManager::managerForAddress(
    std::uint32_t networkOrderAddress) {
    return initWithReachability(sc::NetworkReachability::createWithIPv4(networkOrderAddress), ForAddress);
}

TNNetworkReachabilityManager::~TNNetworkReachabilityManager() {
    if (reachability_) {
        reachability_->unscheduleFromRunLoop(ns::RunLoop::main(), ns::kRunLoopCommonModes);
        reachability_->setCallback(nullptr);
    }
}

TNNetworkReachabilityStatus TNNetworkReachabilityManager::statusForFlags(std::uint32_t flags) {
    bool reachable = flags & kReachabilityFlagsReachable;
    bool needsConnection = flags & kReachabilityFlagsConnectionRequired;
    bool automatic = (flags & (kReachabilityFlagsConnectionOnDemand | kReachabilityFlagsConnectionOnTraffic)) != 0;
    bool withoutUser = automatic && !(flags & kReachabilityFlagsInterventionRequired);
    if (!reachable || (needsConnection && !withoutUser)) return TNNetworkReachabilityStatusNotReachable;
    if (flags & kReachabilityFlagsIsWWAN) return TNNetworkReachabilityStatusReachableViaWWAN;
    return TNNetworkReachabilityStatusReachableViaWiFi;
}

void TNNetworkReachabilityManager::setReachabilityStatusChangeBlock(std::function<void(TNNetworkReachabilityStatus)> block) {
    std::lock_guard<std::mutex> lock(mutex_);
    block_ = std::move(block);
}

void TNNetworkReachabilityManager::report(TNNetworkReachabilityStatus status, bool postLater) {
    status_ = status;
    std::function<void(TNNetworkReachabilityStatus)> block;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        block = block_;
    }
    if (block) block(status);
    auto post = [status] {
        ns::Dictionary info;
        info.set(TNNetworkingReachabilityNotificationStatusItem, static_cast<int>(status));
        ns::NotificationCenter::defaultCenter()->postNotificationName(TNNetworkingReachabilityDidChangeNotification,
                                                                      ns::Value(), info);
    };
    if (postLater) dispatch::Queue::main()->async(post);
    else post();
}

void TNNetworkReachabilityManager::startMonitoring() {
    stopMonitoring();
    if (!reachability_) return;
    std::weak_ptr<TNNetworkReachabilityManager> weak = self<TNNetworkReachabilityManager>();
    reachability_->setCallback([weak](std::uint32_t flags) {
        if (auto strong = weak.lock()) strong->report(statusForFlags(flags), true);
    });
    reachability_->scheduleWithRunLoop(ns::RunLoop::main(), ns::kRunLoopCommonModes);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        monitoring_ = true;
    }
    if (association_ != ForName) {
        auto reachability = reachability_;
        dispatch::Queue::global(dispatch::QueuePriority::Background)->async([weak, reachability] {
            std::uint32_t flags = 0;
            if (!reachability->getFlags(flags)) return;
            auto status = statusForFlags(flags);
            dispatch::Queue::main()->async([weak, status] {
                if (auto strong = weak.lock()) strong->report(status, false);
            });
        });
    }
}

void TNNetworkReachabilityManager::stopMonitoring() {
    if (!reachability_) return;
    reachability_->unscheduleFromRunLoop(ns::RunLoop::main(), ns::kRunLoopCommonModes);
    std::lock_guard<std::mutex> lock(mutex_);
    monitoring_ = false;
}

std::string TNNetworkReachabilityManager::localizedNetworkReachabilityStatusString() const {
    const char* key = "Unknown";
    switch (status_.load()) {
    case TNNetworkReachabilityStatusNotReachable: key = "Not Reachable"; break;
    case TNNetworkReachabilityStatusReachableViaWWAN: key = "Reachable via WWAN"; break;
    case TNNetworkReachabilityStatusReachableViaWiFi: key = "Reachable via WiFi"; break;
    default: break;
    }
    return ns::localizedStringFromTable(key, "TAVONetworking");
}
