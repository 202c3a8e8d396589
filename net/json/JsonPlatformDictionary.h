// Turning a decoder's parsed pairs into a platform dictionary.
//
// Both decoders collect an object's pairs first and build the dictionary
// once, at its final size. Keys are checked for repeats by a short hash of
// the key text, so the common case (no repeats) appends without searching;
// a repeated key keeps its first position and takes the later value, as
// ns::Dictionary::set does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string_view>

#include "platform/foundation/Value.h"

namespace jsonpairs {

// A cheap hash of a key text: length, first, middle and last bytes. Only
// used to rule out repeats; equal hashes fall back to a real search.
inline std::uint32_t keyHash(std::string_view key) {
    const std::size_t n = key.size();
    if (n == 0) return 0;
    const auto* b = reinterpret_cast<const unsigned char*>(key.data());
    std::uint32_t h = static_cast<std::uint32_t>(n) * 0x9E3779B1u;
    h ^= b[0] | (b[n / 2] << 8) | (b[n - 1] << 16);
    if (n >= 8) {
        std::uint32_t head, tail;
        std::memcpy(&head, b, 4);
        std::memcpy(&tail, b + n - 4, 4);
        h = (h * 31u) ^ head ^ (tail * 0x85EBCA6Bu);
    }
    return h;
}

// Past this many pairs the pairwise hash check costs more than the
// dictionary's own indexed search.
inline constexpr std::size_t kPairwiseLimit = 48;

// Moves pairs [first, last) (members keyText, keyHash, value) into a new
// dictionary in document order.
template <class It>
ns::Dictionary build(It first, It last) {
    ns::Dictionary d;
    const auto n = static_cast<std::size_t>(std::distance(first, last));
    d.reserve(n);
    if (n > kPairwiseLimit) {
        for (It p = first; p != last; ++p) d.set(std::move(p->keyText), std::move(p->value));
        return d;
    }
    for (It p = first; p != last; ++p) {
        bool maybeRepeated = false;
        for (It q = first; q != p; ++q) {
            if (q->keyHash == p->keyHash) {
                maybeRepeated = true;
                break;
            }
        }
        if (maybeRepeated)
            d.set(std::move(p->keyText), std::move(p->value));
        else
            d.appendNew(std::move(p->keyText), std::move(p->value));
    }
    return d;
}

}  // namespace jsonpairs
