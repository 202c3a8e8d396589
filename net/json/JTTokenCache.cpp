#include "net/json/JTTokenCache.h"

#include <cstring>

#include "net/json/JTDictionary.h"

void JTTokenCache::stepRegister() {
    register_ = (register_ >> 1) ^ ((register_ & 1) ? 0x80200003u : 0u);
    ages_[register_ & (kSize - 1)] >>= 1;
}

std::size_t JTTokenCache::probe(std::uint32_t hash, std::uint32_t size, Kind kind, std::string_view text,
                                std::uint64_t bits, bool& hit) {
    hit = false;
    std::size_t fill = npos;
    for (std::uint32_t k = 0; k < 4; ++k) {
        const std::size_t bucket = (hash + k * (size + kind + 3u)) & (kSize - 1);
        Item& item = items_[bucket];
        if (item.object.isNil()) {
            if (fill == npos) fill = bucket;
            break;
        }
        if (item.hash == hash && item.size == size && item.kind == kind &&
            (kind == kString ? item.object.asString() == text : item.bits == bits)) {
            ages_[bucket] = static_cast<std::uint8_t>(ages_[bucket] * 2 + 1);
            hit = true;
            return bucket;
        }
        if (fill == npos) {
            if (ages_[bucket] == 0) {
                fill = bucket;
            } else {
                ages_[bucket] >>= 1;
                stepRegister();
                stepRegister();
            }
        }
    }
    return fill;
}

ns::Value JTTokenCache::string(std::string_view bytes, std::uint32_t hash) {
    if (bytes.size() > kLongestCachedString) return ns::Value(std::string(bytes));
    bool hit;
    const std::size_t bucket = probe(hash, static_cast<std::uint32_t>(bytes.size()), kString, bytes, 0, hit);
    if (hit) return items_[bucket].object;
    ns::Value made{std::string(bytes)};
    if (bucket != npos) {
        items_[bucket] = Item{made, hash, static_cast<std::uint32_t>(bytes.size()), kString, 0};
        ages_[bucket] = 0;
    }
    return made;
}

std::uint32_t JTTokenCache::numberHash(Kind kind, std::uint64_t bits) {
    std::uint32_t h = JTDictionary::kHashSeed + kind;
    if (kind != kDouble) h += static_cast<std::uint32_t>(bits);
    for (int i = 0; i < 8; ++i) h = h * 33u + static_cast<std::uint8_t>(bits >> (8 * i));
    return h;
}

ns::Value JTTokenCache::makeNumber(Kind kind, std::uint64_t bits) {
    switch (kind) {
        case kSigned: return ns::Value(static_cast<std::int64_t>(bits));
        case kUnsigned:
            // Unsigned values below 2^63 are ordinary signed numbers.
            return bits <= static_cast<std::uint64_t>(INT64_MAX) ? ns::Value(static_cast<std::int64_t>(bits))
                                                                  : ns::Value(bits);
        default: {
            double d;
            std::memcpy(&d, &bits, sizeof d);
            return ns::Value(d);
        }
    }
}

ns::Value JTTokenCache::number(Kind kind, std::uint64_t bits) {
    const std::uint32_t hash = numberHash(kind, bits);
    bool hit;
    const std::size_t bucket = probe(hash, 8, kind, {}, bits, hit);
    if (hit) return items_[bucket].object;
    ns::Value made = makeNumber(kind, bits);
    if (bucket != npos) {
        items_[bucket] = Item{made, hash, 8, kind, bits};
        ages_[bucket] = 0;
    }
    return made;
}

void JTTokenCache::clear() {
    for (Item& item : items_) item = Item{};
    ages_.fill(0);
}
