// ns::Cache: a thread-safe memory cache from text keys to values (objects
// travel inside ns::Value). With a count limit or a total-cost limit
// (0 = none) the entries stored longest ago are evicted first; storing a key
// again makes it the newest.
#pragma once

#include <cstddef>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

namespace ns {

class Cache : public Object {
public:
    static std::shared_ptr<Cache> create() { return std::make_shared<Cache>(); }
    Cache() = default;

    // Nil when absent.
    Value objectForKey(std::string_view key) const;
    // Storing nil removes the key.
    void setObject(Value object, std::string_view key, std::size_t cost = 0);
    void removeObjectForKey(std::string_view key);
    void removeAllObjects();

    std::size_t countLimit() const;
    void setCountLimit(std::size_t limit);
    std::size_t totalCostLimit() const;
    void setTotalCostLimit(std::size_t limit);
    std::string name() const;
    void setName(std::string name);

    // Entries held now (for callers that report on the cache).
    std::size_t count() const;
    std::size_t totalCost() const;

private:
    struct Entry {
        std::string key;
        Value value;
        std::size_t cost;
    };
    // Moves the oldest entries out until the limits hold.
    void evictLocked(std::list<Entry>& dropped);

    mutable std::mutex mutex_;
    std::list<Entry> order_;  // oldest first
    std::unordered_map<std::string, std::list<Entry>::iterator> index_;
    std::size_t countLimit_ = 0;
    std::size_t costLimit_ = 0;
    std::size_t totalCost_ = 0;
    std::string name_;
};

}  // namespace ns
