#include "net/json/JsonUtf8.h"

#include <cstring>

namespace jsonutf8 {

Sequence readSequence(const unsigned char* p, const unsigned char* end) {
    const unsigned char lead = *p;
    std::size_t need;
    char32_t cp;
    unsigned char lo = 0x80, hi = 0xBF;  // bounds of the first continuation byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        need = 1;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        need = 2;
        cp = lead & 0x0F;
        if (lead == 0xE0) lo = 0xA0;
        if (lead == 0xED) hi = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        need = 3;
        cp = lead & 0x07;
        if (lead == 0xF0) lo = 0x90;
        if (lead == 0xF4) hi = 0x8F;
    } else {
        return {SequenceStatus::IllFormed, 0, 1};
    }
    for (std::size_t i = 1; i <= need; ++i) {
        if (p + i >= end) return {SequenceStatus::Truncated, 0, 0};
        const unsigned char b = p[i];
        const unsigned char min = i == 1 ? lo : 0x80, max = i == 1 ? hi : 0xBF;
        if (b < min || b > max) return {SequenceStatus::IllFormed, 0, i};
        cp = (cp << 6) | (b & 0x3F);
    }
    return {SequenceStatus::Ok, cp, need + 1};
}

bool isValid(std::string_view text) {
    auto p = reinterpret_cast<const unsigned char*>(text.data());
    const auto end = p + text.size();
    while (p < end) {
        // Eight ASCII bytes at a time: the common case for JSON text.
        while (end - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            if (w & 0x8080808080808080ULL) break;
            p += 8;
        }
        if (p >= end) break;
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const Sequence s = readSequence(p, end);
        if (s.status != SequenceStatus::Ok) return false;
        p += s.length;
    }
    return true;
}

}  // namespace jsonutf8
