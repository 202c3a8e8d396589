#include "net/json/JsonUtf8.h"

#include <cstring>

namespace jsonutf8 {

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
