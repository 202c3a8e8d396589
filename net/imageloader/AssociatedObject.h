// Values attached to an object from outside its class, as the platform's
// associated objects: one value per owner, alive as long as the owner.
// Entries of owners that are gone are dropped lazily; a new owner at a dead
// owner's address never sees the old value.
#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "platform/foundation/Object.h"

template <class Value>
class AssociatedObject {
public:
    std::shared_ptr<Value> get(const ns::Object& owner) const {
        std::lock_guard<std::mutex> lock(mutex_);
        auto it = entries_.find(&owner);
        if (it == entries_.end() || it->second.owner.lock().get() != &owner) return nullptr;
        return it->second.value;
    }

    // A value none: the owner's value is removed.
    void set(const std::shared_ptr<ns::Object>& owner, std::shared_ptr<Value> value) {
        if (!owner) return;
        std::shared_ptr<Value> old;  // released outside the lock
        std::lock_guard<std::mutex> lock(mutex_);
        pruneLocked();
        auto& entry = entries_[owner.get()];
        old = std::move(entry.value);
        entry.owner = owner;
        entry.value = std::move(value);
        if (!entry.value) entries_.erase(owner.get());
    }

    template <class Make>
    std::shared_ptr<Value> getOrMake(const std::shared_ptr<ns::Object>& owner, Make&& make) {
        if (auto existing = get(*owner)) return existing;
        auto value = make();
        set(owner, value);
        return value;
    }

private:
    struct Entry {
        std::weak_ptr<ns::Object> owner;
        std::shared_ptr<Value> value;
    };
    void pruneLocked() {
        for (auto it = entries_.begin(); it != entries_.end();)
            it = it->second.owner.expired() ? entries_.erase(it) : std::next(it);
    }
    mutable std::mutex mutex_;
    std::map<const void*, Entry> entries_;
};
