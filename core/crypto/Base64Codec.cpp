#include "core/crypto/Base64Codec.h"

#include <array>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Strict table: the value of an alphabet character, kInvalid for the rest.
// Built at compile time, so no thread ever fills it.
constexpr std::uint8_t kInvalid = 0xFF;
constexpr std::array<std::uint8_t, 256> kStrictTable = [] {
    std::array<std::uint8_t, 256> t{};
    for (auto& v : t) v = kInvalid;
    for (std::uint8_t i = 0; i < 64; ++i) t[static_cast<unsigned char>(kAlphabet[i])] = i;
    return t;
}();

bool isBase64Whitespace(std::uint8_t c) { return c == ' ' || (c >= 9 && c <= 13); }

// Lenient table: values 0..63, and markers for the rest.
constexpr int kEnd = -1, kWhitespace = -2, kNoise = -3, kZeroByte = -5;
constexpr std::array<std::int8_t, 128> kLenientTable = [] {
    std::array<std::int8_t, 128> t{};
    for (auto& v : t) v = kNoise;
    for (int c = 9; c <= 13; ++c) t[c] = kWhitespace;
    t[' '] = kWhitespace;
    t['='] = kEnd;
    t[0] = kZeroByte;
    for (std::int8_t i = 0; i < 64; ++i) t[static_cast<unsigned char>(kAlphabet[i])] = i;
    return t;
}();

}  // namespace

std::string Base64Codec::encode(const std::uint8_t* bytes, std::size_t length, bool wrapLines) {
    constexpr std::size_t kGroupsPerLine = 18;  // 72 characters
    const std::size_t groups = (length + 2) / 3;
    std::string out;
    out.resize(groups * 4 + (wrapLines ? groups / kGroupsPerLine * 2 : 0));
    char* o = out.data();
    std::size_t i = 0, group = 0;
    auto endGroup = [&] {
        ++group;
        if (wrapLines && group % kGroupsPerLine == 0) {
            *o++ = '\r';
            *o++ = '\n';
        }
    };
    for (; i + 3 <= length; i += 3) {
        const std::uint32_t v = std::uint32_t(bytes[i]) << 16 | std::uint32_t(bytes[i + 1]) << 8 | bytes[i + 2];
        o[0] = kAlphabet[v >> 18];
        o[1] = kAlphabet[(v >> 12) & 63];
        o[2] = kAlphabet[(v >> 6) & 63];
        o[3] = kAlphabet[v & 63];
        o += 4;
        endGroup();
    }
    const std::size_t rest = length - i;
    if (rest > 0) {
        const std::uint32_t v = std::uint32_t(bytes[i]) << 16 | (rest == 2 ? std::uint32_t(bytes[i + 1]) << 8 : 0);
        o[0] = kAlphabet[v >> 18];
        o[1] = kAlphabet[(v >> 12) & 63];
        o[2] = rest == 2 ? kAlphabet[(v >> 6) & 63] : '=';
        o[3] = '=';
        o += 4;
        endGroup();
    }
    return out;
}

std::optional<ns::Data> Base64Codec::decodeStrict(const std::uint8_t* text, std::size_t length) {
    // Every four values give three bytes, so the output never needs more
    // than this; it is written through a pointer and cut to size at the end.
    std::vector<std::uint8_t> out(length / 4 * 3 + 3);
    std::uint8_t* o = out.data();
    std::uint8_t group[4];
    std::size_t filled = 0;
    std::size_t i = 0;
    while (i < length) {
        if (filled == 0) {
            // The common case: whole groups of four alphabet characters. Any
            // other byte (whitespace, "=", a zero byte, noise) has a table
            // value with a bit above the six value bits set, and leaves this
            // loop for the character-by-character rules below.
            while (i + 4 <= length) {
                const std::uint8_t a = kStrictTable[text[i]], b = kStrictTable[text[i + 1]];
                const std::uint8_t c = kStrictTable[text[i + 2]], d = kStrictTable[text[i + 3]];
                if ((a | b | c | d) & 0xC0) break;
                o[0] = static_cast<std::uint8_t>(a << 2 | b >> 4);
                o[1] = static_cast<std::uint8_t>(b << 4 | c >> 2);
                o[2] = static_cast<std::uint8_t>(c << 6 | d);
                o += 3;
                i += 4;
            }
            if (i >= length) break;
        }
        const std::uint8_t ch = text[i++];
        if (ch == 0) break;
        if (ch == '=' || isBase64Whitespace(ch)) continue;
        const std::uint8_t v = kStrictTable[ch];
        if (v == kInvalid) return std::nullopt;
        group[filled++] = v;
        if (filled == 4) {
            o[0] = static_cast<std::uint8_t>(group[0] << 2 | group[1] >> 4);
            o[1] = static_cast<std::uint8_t>(group[1] << 4 | group[2] >> 2);
            o[2] = static_cast<std::uint8_t>(group[2] << 6 | group[3]);
            o += 3;
            filled = 0;
        }
    }
    if (filled == 1) return std::nullopt;
    if (filled >= 2) *o++ = static_cast<std::uint8_t>(group[0] << 2 | group[1] >> 4);
    if (filled == 3) *o++ = static_cast<std::uint8_t>(group[1] << 4 | group[2] >> 2);
    out.resize(static_cast<std::size_t>(o - out.data()));
    return ns::Data(std::move(out));
}

ns::Data Base64Codec::decodeLenient(const std::uint8_t* text, std::size_t length) {
    // Six steps turn four characters into three bytes; steps 2 and 4 reuse
    // the character the step before them read.
    std::vector<std::uint8_t> out;
    out.reserve((length + 3) / 4 * 3);
    std::uint8_t o = 0;
    int step = 0;
    std::size_t i = 0;
    auto valueAt = [&](std::size_t at) { return text[at] < 128 ? int(kLenientTable[text[at]]) : kNoise; };
    while (i < length) {
        int v = valueAt(i);
        if (v == kEnd) break;
        bool atEnd = false;
        for (int skip : {kWhitespace, kNoise}) {
            while (!atEnd && v == skip) {
                if (++i >= length) atEnd = true;
                else v = valueAt(i);
            }
        }
        if (atEnd) break;
        if (v < 0) v = 0;
        switch (step) {
        case 0: o = static_cast<std::uint8_t>(v << 2); break;
        case 1: out.push_back(static_cast<std::uint8_t>(o | ((v >> 4) & 3))); break;
        case 2: o = static_cast<std::uint8_t>((v & 15) << 4); break;
        case 3: out.push_back(static_cast<std::uint8_t>(o | ((v >> 2) & 15))); break;
        case 4: o = static_cast<std::uint8_t>((v & 3) << 6); break;
        case 5: out.push_back(static_cast<std::uint8_t>(o | v)); break;
        }
        step = (step + 1) % 6;
        if (step != 2 && step != 4) ++i;
    }
    return ns::Data(std::move(out));
}
