#include "net/json/JTDictionary.h"

#include <array>
#include <cstdio>

#include "net/json/JTDictionaryEnumerator.h"
#include "net/json/JTException.h"

namespace {

constexpr std::array<std::size_t, 40> kTableSizes = {
    0,        3,        7,        13,       23,        41,        71,        127,       191,       251,
    383,      631,      1087,     1723,     2803,      4523,      7351,      11959,     19447,     31231,
    50683,    81919,    132607,   214519,   346607,    561109,    907759,    1468927,   2376191,   3845119,
    6221311,  10066421, 16287743, 26354171, 42641881,  68996069,  111638519, 180634607, 292272623, 472907251};

bool keysEqual(const ns::Value& a, const ns::Value& b) {
    if (a.isString() && b.isString()) return a.asString() == b.asString();
    return a.isEqual(b);
}

}  // namespace

std::uint32_t JTDictionary::keyHash(const ns::Value& key) {
    if (key.isString()) return hashBytes(key.asString().data(), key.asString().size());
    const std::string text = key.description();
    return hashBytes(text.data(), text.size());
}

std::size_t JTDictionary::capacityForCount(std::size_t n) {
    const std::size_t wanted = n * 133 / 100;
    for (std::size_t size : kTableSizes)
        if (size >= wanted) return size;
    throw JTException(kMallocException, "Unable to allocate memory for hash table.");
}

std::size_t JTDictionary::findSlot(const ns::Value& key, std::uint32_t hash) const {
    const std::size_t capacity = entries_.size();
    if (capacity == 0) return npos;
    const std::size_t start = hash % capacity;
    for (std::size_t i = 0; i < capacity; ++i) {
        const std::size_t slot = (start + i) % capacity;
        const Entry& e = entries_[slot];
        if (e.key.isNil()) return npos;
        if (e.keyHash == hash && keysEqual(e.key, key)) return slot;
    }
    return npos;
}

void JTDictionary::insert(std::uint32_t hash, ns::Value key, ns::Value object) {
    const std::size_t capacity = entries_.size();
    if (capacity == 0) return;
    const std::size_t start = hash % capacity;
    for (std::size_t i = 0; i < capacity; ++i) {
        Entry& e = entries_[(start + i) % capacity];
        if (e.key.isNil()) {
            e = Entry{hash, std::move(key), std::move(object)};
            ++count_;
            return;
        }
        if (e.keyHash == hash && keysEqual(e.key, key)) {
            e = Entry{hash, std::move(key), std::move(object)};
            return;
        }
    }
    // No free slot: the pair is dropped (the table is sized so this never happens).
}

void JTDictionary::noteMutation() {
    if (++mutations_ == 0) mutations_ = 1;
}

const ns::Value& JTDictionary::objectForKey(const ns::Value& key) const {
    static const ns::Value nil;
    if (key.isNil()) return nil;
    const std::size_t slot = findSlot(key, keyHash(key));
    return slot == npos ? nil : entries_[slot].object;
}

void JTDictionary::getObjects(std::vector<ns::Value>* objects, std::vector<ns::Value>* keys) const {
    for (const Entry& e : entries_) {
        if (e.key.isNil()) continue;
        if (objects) objects->push_back(e.object);
        if (keys) keys->push_back(e.key);
    }
}

std::shared_ptr<JTDictionaryEnumerator> JTDictionary::keyEnumerator() const {
    return JTDictionaryEnumerator::create(std::const_pointer_cast<JTDictionary>(self<JTDictionary>()));
}

ns::Value JTDictionary::copy() const { return ns::Value(std::const_pointer_cast<JTDictionary>(self<JTDictionary>())); }

ns::Value JTDictionary::mutableCopy() const { return toValue(); }

ns::Value JTDictionary::toValue() const {
    ns::Dictionary d;
    for (const Entry& e : entries_)
        if (!e.key.isNil()) d.set(e.key.isString() ? e.key.asString() : e.key.description(), e.object);
    return ns::Value(std::move(d));
}

void JTDictionary::enumerateKeys(const std::function<void(const ns::Value& key, bool& stop)>& block) const {
    const std::uint32_t marker = mutations_;
    bool stop = false;
    for (std::size_t i = 0; i < entries_.size() && !stop; ++i) {
        if (entries_[i].key.isNil()) continue;
        const ns::Value key = entries_[i].key;
        block(key, stop);
        if (mutations_ != marker) {
            char text[160];
            std::snprintf(text, sizeof text, "*** Collection <%s: %p> was mutated while being enumerated.",
                          className().c_str(), static_cast<const void*>(this));
            throw JTException(kGenericException, text);
        }
    }
}

bool JTDictionary::isEqual(const ns::Object& other) const {
    auto o = dynamic_cast<const JTDictionary*>(&other);
    if (!o || o->count_ != count_) return false;
    for (const Entry& e : entries_)
        if (!e.key.isNil() && !e.object.isEqual(o->objectForKey(e.key))) return false;
    return true;
}
