// UTF-8 reading and writing shared by the two JSON codecs.
//
// Two strictness levels: the standard well-formedness rule (what any valid
// text may hold) and the stricter rule of the JetJson codec, which also
// refuses the code point 0 and the Unicode non-characters (FDD0..FDEF and
// every code point ending in FFFE or FFFF).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace jsonutf8 {

enum class SequenceStatus { Ok, IllFormed, Truncated };

struct Sequence {
    SequenceStatus status;
    char32_t codePoint;   // valid when status is Ok
    // Ok: bytes of the sequence. IllFormed: bytes of its longest well-formed
    // beginning (at least 1), the part to replace as one bad character.
    std::size_t length;
};

// Reads the multi-byte sequence whose lead byte is *p (p < end, *p >= 0x80)
// by the standard rule: lead C2..F4, continuation bytes 80..BF, no overlong
// forms, no surrogates, nothing above U+10FFFF. Truncated means the bytes
// present were a valid beginning but the buffer ended.
inline Sequence readSequence(const unsigned char* p, const unsigned char* end) {
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

// Code points the JetJson codec refuses even when well-formed.
inline bool isJetJsonIllegal(char32_t cp) {
    return cp == 0 || (cp >= 0xD800 && cp <= 0xDFFF) || (cp >= 0xFDD0 && cp <= 0xFDEF) ||
           (cp & 0xFFFE) == 0xFFFE || cp > 0x10FFFF;
}

// Appends the UTF-8 form of a code point (1 to 4 bytes); returns the count.
inline std::size_t encode(char32_t cp, unsigned char* out) {
    if (cp < 0x80) {
        out[0] = static_cast<unsigned char>(cp);
        return 1;
    }
    if (cp < 0x800) {
        out[0] = static_cast<unsigned char>(0xC0 | (cp >> 6));
        out[1] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        return 2;
    }
    if (cp < 0x10000) {
        out[0] = static_cast<unsigned char>(0xE0 | (cp >> 12));
        out[1] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
        out[2] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        return 3;
    }
    out[0] = static_cast<unsigned char>(0xF0 | (cp >> 18));
    out[1] = static_cast<unsigned char>(0x80 | ((cp >> 12) & 0x3F));
    out[2] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
    out[3] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
    return 4;
}

inline void append(std::string& out, char32_t cp) {
    unsigned char buf[4];
    out.append(reinterpret_cast<const char*>(buf), encode(cp, buf));
}

// True when the whole text is well-formed UTF-8 (standard rule).
bool isValid(std::string_view text);

}  // namespace jsonutf8
