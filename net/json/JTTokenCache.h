// JTTokenCache: the JetJson decoder's object cache. Repeated strings and
// numbers (keys above all) come out of 1024 buckets instead of being made
// again. Each text probes at most four buckets; a bucket's age byte grows on
// hits and decays as other texts pass by, and a pseudo-random walk (a
// 32-bit linear-feedback shift register) ages further buckets, so that
// frequent texts stay and rare ones are replaced.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/foundation/Value.h"

class JTTokenCache {
public:
    // Value kinds; they enter the hash of numbers.
    enum Kind : std::uint8_t { kString = 5, kSigned = 7, kUnsigned = 11, kDouble = 13 };
    static constexpr std::size_t kSize = 1024;

    // The cached value for a string's decoded bytes and hash, or a new one
    // (entered into a free or aged bucket when there is one).
    ns::Value string(std::string_view bytes, std::uint32_t hash);
    // The same for a number: its kind and the 8 bytes of its value.
    ns::Value number(Kind kind, std::uint64_t bits);
    // The value a number's kind and bytes stand for.
    static ns::Value makeNumber(Kind kind, std::uint64_t bits);
    // Texts longer than this are not cached: a std::string copy of them costs
    // as much as making them anew, so a cached copy could save nothing.
    static constexpr std::size_t kLongestCachedString = 15;
    static std::uint32_t numberHash(Kind kind, std::uint64_t bits);

    void clear();

private:
    struct Item {
        ns::Value object;  // nil: empty bucket
        std::uint32_t hash = 0;
        std::uint32_t size = 0;
        Kind kind = kString;
        std::uint64_t bits = 0;  // the value bytes of a number (a string's are its text)
    };
    // Finds a hit (returns its index, sets hit) or the bucket to fill (npos: none).
    std::size_t probe(std::uint32_t hash, std::uint32_t size, Kind kind, std::string_view text, std::uint64_t bits,
                      bool& hit);
    void stepRegister();

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    std::array<Item, kSize> items_{};
    std::array<std::uint8_t, kSize> ages_{};
    std::uint32_t register_ = 1;
};
