#include "net/json/JTMutableDictionary.h"

#include "net/json/JTException.h"

void JTMutableDictionary::setObject(const ns::Value& object, const ns::Value& key) {
    if (key.isNil())
        throw JTException(kInvalidArgumentException,
                          "*** -[" + className() + " setObject:forKey:]: attempt to insert nil key");
    if (object.isNil())
        throw JTException(kInvalidArgumentException, "*** -[" + className() +
                                                         " setObject:forKey:]: attempt to insert nil value (key: " +
                                                         key.description() + ")");
    ns::Value keyCopy = key, member = object;  // either may live in a slot that growing moves
    const std::size_t wanted = capacityForCount(count_ + 1);
    if (wanted > entries_.size()) {
        std::vector<Entry> old(wanted);
        old.swap(entries_);
        count_ = 0;
        for (Entry& e : old)
            if (!e.key.isNil()) insert(e.keyHash, std::move(e.key), std::move(e.object));
    }
    const std::uint32_t hash = keyHash(keyCopy);
    insert(hash, std::move(keyCopy), std::move(member));
    noteMutation();
}

void JTMutableDictionary::removeObjectForKey(const ns::Value& key) {
    if (key.isNil())
        throw JTException(kInvalidArgumentException,
                          "*** -[" + className() + " removeObjectForKey:]: attempt to remove nil key");
    const std::size_t slot = findSlot(key, keyHash(key));
    if (slot == npos) return;
    const std::size_t capacity = entries_.size();
    entries_[slot] = Entry{};
    --count_;
    noteMutation();
    // Keys that probed past the emptied slot must stay reachable: take the
    // rest of the run out and insert it again.
    for (std::size_t i = (slot + 1) % capacity; !entries_[i].key.isNil(); i = (i + 1) % capacity) {
        Entry moved = std::move(entries_[i]);
        entries_[i] = Entry{};
        --count_;
        insert(moved.keyHash, std::move(moved.key), std::move(moved.object));
    }
}
