#include "emulator/EmulatorState.h"

#include "emulator/AccountDirectory.h"

#include <algorithm>

namespace emulator {

void EmulatorState::signIn(const std::string& userId, const std::string& qt) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto& account : accounts_) {
        if (account.userId == userId) {
            account.qt = qt;
            return;
        }
    }
    accounts_.push_back(EmulatedAccount{userId, qt, {}});
}

void EmulatorState::signOut(const std::string& qt) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto& account : accounts_)
        if (!qt.empty() && account.qt == qt) account.qt.clear();
}

std::optional<std::string> EmulatorState::accountForTicket(const std::string& qt) const {
    std::shared_ptr<AccountDirectory> directory;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (qt.empty()) return std::nullopt;
        for (const auto& account : accounts_)
            if (account.qt == qt) return account.userId;
        directory = directory_;
    }
    if (directory) {
        if (auto account = directory->accountForQT(qt)) return account->qid;
    }
    return std::nullopt;
}

void EmulatorState::attachAccountDirectory(std::shared_ptr<AccountDirectory> directory) {
    std::lock_guard<std::mutex> lock(mutex_);
    directory_ = std::move(directory);
}

std::optional<EmulatedAccount> EmulatorState::account(const std::string& userId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& account : accounts_)
        if (account.userId == userId) return account;
    return std::nullopt;
}

void EmulatorState::bindRouter(const std::string& userId, const std::string& routerId) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = std::find_if(accounts_.begin(), accounts_.end(), [&](const auto& a) { return a.userId == userId; });
    if (it == accounts_.end()) it = accounts_.insert(accounts_.end(), EmulatedAccount{userId, "", {}});
    if (std::find(it->routerIds.begin(), it->routerIds.end(), routerId) == it->routerIds.end())
        it->routerIds.push_back(routerId);
}

bool EmulatorState::unbindRouter(const std::string& userId, const std::string& routerId) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto& account : accounts_) {
        if (account.userId != userId) continue;
        auto found = std::find(account.routerIds.begin(), account.routerIds.end(), routerId);
        if (found == account.routerIds.end()) return false;
        account.routerIds.erase(found);
        return true;
    }
    return false;
}

std::vector<std::string> EmulatorState::routerIdsOfAccount(const std::string& userId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& account : accounts_)
        if (account.userId == userId) return account.routerIds;
    return {};
}

void EmulatorState::addRouter(EmulatedRouter router) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (localRouterId_.empty()) localRouterId_ = router.routerId;
    for (auto& existing : routers_) {
        if (existing.routerId == router.routerId) {
            existing = std::move(router);
            return;
        }
    }
    routers_.push_back(std::move(router));
}

bool EmulatorState::hasRouter(const std::string& routerId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::any_of(routers_.begin(), routers_.end(), [&](const auto& r) { return r.routerId == routerId; });
}

std::optional<EmulatedRouter> EmulatorState::router(const std::string& routerId) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const auto& r : routers_)
        if (r.routerId == routerId) return r;
    return std::nullopt;
}

bool EmulatorState::withRouter(const std::string& routerId, const std::function<void(EmulatedRouter&)>& change) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto& r : routers_) {
        if (r.routerId == routerId) {
            change(r);
            return true;
        }
    }
    return false;
}

std::vector<std::string> EmulatorState::routerIds() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> ids;
    for (const auto& r : routers_) ids.push_back(r.routerId);
    return ids;
}

std::string EmulatorState::localRouterId() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return localRouterId_;
}

void EmulatorState::setLocalRouterId(const std::string& routerId) {
    std::lock_guard<std::mutex> lock(mutex_);
    localRouterId_ = routerId;
}

}  // namespace emulator
