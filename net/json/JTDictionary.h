// JTDictionary: the immutable dictionary the JetJson decoder can build: an
// open-addressing hash table (linear probing) whose sizes come from a fixed
// prime table, filled with key hashes the decoder has already computed.
//
// A key's hash is the codec's string hash of its UTF-8 bytes (the same hash
// the decoder computes while scanning a string), so decoded keys never need
// hashing twice. Enumeration walks the slots in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class JTParseState;
class JTDictionaryEnumerator;

class JTDictionary : public ns::Object {
public:
    // The hash seed and step of the codec's string hash: h = h * 33 + byte.
    static constexpr std::uint32_t kHashSeed = 1402737925u;
    static std::uint32_t hashBytes(const void* bytes, std::size_t length, std::uint32_t seed = kHashSeed) {
        auto p = static_cast<const unsigned char*>(bytes);
        std::uint32_t h = seed;
        std::size_t i = 0;
        // Four bytes per step (33^4 = 1185921): the same hash, a shorter chain.
        for (; i + 4 <= length; i += 4)
            h = h * 1185921u + p[i] * 35937u + p[i + 1] * 1089u + p[i + 2] * 33u + p[i + 3];
        for (; i < length; ++i) h = h * 33u + p[i];
        return h;
    }
    // The hash a key is stored under: the string hash of a text key, of the
    // description of any other key.
    static std::uint32_t keyHash(const ns::Value& key);
    // The table size for n entries: the smallest size of the prime table
    // that is at least floor(n * 1.33). Raises NSMallocException beyond it.
    static std::size_t capacityForCount(std::size_t n);

    std::size_t count() const { return count_; }
    std::size_t capacity() const { return entries_.size(); }
    std::uint32_t mutations() const { return mutations_; }

    // Nil when absent.
    const ns::Value& objectForKey(const ns::Value& key) const;
    const ns::Value& operator[](std::string_view key) const { return objectForKey(ns::Value(key)); }
    // The objects and keys of the occupied slots, in slot order.
    void getObjects(std::vector<ns::Value>* objects, std::vector<ns::Value>* keys) const;
    std::shared_ptr<JTDictionaryEnumerator> keyEnumerator() const;

    virtual ns::Value copy() const;  // itself
    ns::Value mutableCopy() const;   // a platform mutable dictionary (ns::Dictionary value)
    // The platform dictionary with the same pairs, in slot order. Keys that
    // are not text are written as their description.
    ns::Value toValue() const;

    // Fast enumeration of the keys in slot order; changing the dictionary
    // from inside the block raises NSGenericException.
    void enumerateKeys(const std::function<void(const ns::Value& key, bool& stop)>& block) const;

    std::string className() const override { return "JTDictionary"; }
    std::string description() const override { return toValue().description(); }
    bool isEqual(const ns::Object& other) const override;

    struct Entry {
        std::uint32_t keyHash = 0;
        ns::Value key;  // nil: empty slot
        ns::Value object;
    };
    // Slot access for the enumerator.
    const std::vector<Entry>& entries() const { return entries_; }

protected:
    explicit JTDictionary(std::size_t capacity) : entries_(capacity) {}
    // Index of the slot holding key, or npos.
    std::size_t findSlot(const ns::Value& key, std::uint32_t hash) const;
    // The insert rule: an equal key's slot is emptied and refilled (count
    // unchanged); otherwise the first empty slot takes the entry.
    void insert(std::uint32_t hash, ns::Value key, ns::Value object);
    void noteMutation();

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    std::vector<Entry> entries_;
    std::size_t count_ = 0;
    std::uint32_t mutations_ = 0;

    friend class JTParseState;
};
