#include "platform/foundation/Cache.h"

namespace ns {

Value Cache::objectForKey(std::string_view key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = index_.find(std::string(key));
    return it == index_.end() ? Value() : it->second->value;
}

void Cache::setObject(Value object, std::string_view key, std::size_t cost) {
    if (object.isNil()) {
        removeObjectForKey(key);
        return;
    }
    // Values evicted here are destroyed after the lock is released, so an
    // object's destructor may use the cache again.
    std::list<Entry> dropped;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        std::string k(key);
        auto it = index_.find(k);
        if (it != index_.end()) {
            totalCost_ -= it->second->cost;
            dropped.splice(dropped.end(), order_, it->second);
            index_.erase(it);
        }
        order_.push_back(Entry{k, std::move(object), cost});
        index_.emplace(std::move(k), std::prev(order_.end()));
        totalCost_ += cost;
        evictLocked(dropped);
    }
}

void Cache::removeObjectForKey(std::string_view key) {
    std::list<Entry> dropped;
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = index_.find(std::string(key));
    if (it == index_.end()) return;
    totalCost_ -= it->second->cost;
    dropped.splice(dropped.end(), order_, it->second);
    index_.erase(it);
}

void Cache::removeAllObjects() {
    std::list<Entry> dropped;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        dropped.swap(order_);
        index_.clear();
        totalCost_ = 0;
    }
}

void Cache::evictLocked(std::list<Entry>& dropped) {
    while (!order_.empty() &&
           ((countLimit_ && order_.size() > countLimit_) || (costLimit_ && totalCost_ > costLimit_))) {
        totalCost_ -= order_.front().cost;
        index_.erase(order_.front().key);
        dropped.splice(dropped.end(), order_, order_.begin());
    }
}

std::size_t Cache::countLimit() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return countLimit_;
}

void Cache::setCountLimit(std::size_t limit) {
    std::list<Entry> dropped;
    std::lock_guard<std::mutex> lock(mutex_);
    countLimit_ = limit;
    evictLocked(dropped);
}

std::size_t Cache::totalCostLimit() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return costLimit_;
}

void Cache::setTotalCostLimit(std::size_t limit) {
    std::list<Entry> dropped;
    std::lock_guard<std::mutex> lock(mutex_);
    costLimit_ = limit;
    evictLocked(dropped);
}

std::string Cache::name() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return name_;
}

void Cache::setName(std::string name) {
    std::lock_guard<std::mutex> lock(mutex_);
    name_ = std::move(name);
}

std::size_t Cache::count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return order_.size();
}

std::size_t Cache::totalCost() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return totalCost_;
}

}  // namespace ns
