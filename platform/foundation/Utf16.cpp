#include "platform/foundation/Utf16.h"

#include <algorithm>

namespace ns::utf16 {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }
}  // namespace

char32_t decodeUtf8(std::string_view text, std::size_t& pos) {
    auto b0 = static_cast<unsigned char>(text[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    std::size_t need;
    char32_t c;
    char32_t min;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 1, c = b0 & 0x1F, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 2, c = b0 & 0x0F, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 3, c = b0 & 0x07, min = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + need >= text.size()) {  // truncated sequence
        ++pos;
        return kReplacement;
    }
    for (std::size_t i = 1; i <= need; ++i) {
        auto b = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(b)) {
            ++pos;
            return kReplacement;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += need + 1;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::u16string fromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = decodeUtf8(text, pos);
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::string toUtf8(std::u16string_view units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        char16_t u = units[i];
        if (isHighSurrogate(u) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
            char32_t c = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            appendUtf8(out, c);
            ++i;
        } else {
            appendUtf8(out, u);  // a lone surrogate becomes U+FFFD
        }
    }
    return out;
}

bool isValidUtf8(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t before = pos;
        char32_t c = decodeUtf8(text, pos);
        if (c == kReplacement && pos == before + 1 && static_cast<unsigned char>(text[before]) >= 0x80) return false;
    }
    return true;
}

std::size_t length(std::string_view text) {
    std::size_t n = 0;
    std::size_t pos = 0;
    while (pos < text.size()) n += decodeUtf8(text, pos) >= 0x10000 ? 2 : 1;
    return n;
}

char16_t characterAt(std::string_view text, std::size_t index) {
    std::size_t n = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = decodeUtf8(text, pos);
        if (c >= 0x10000) {
            if (index == n) return static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            if (index == n + 1) return static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
            n += 2;
        } else {
            if (index == n) return static_cast<char16_t>(c);
            ++n;
        }
    }
    return 0;
}

std::string substring(std::string_view text, Range range) {
    std::u16string units = fromUtf8(text);
    if (range.location >= units.size()) return {};
    std::size_t len = std::min(range.length, units.size() - range.location);
    return toUtf8(std::u16string_view(units).substr(range.location, len));
}

std::string substringFrom(std::string_view text, std::size_t index) {
    return substring(text, Range{index, static_cast<std::size_t>(-1) / 2});
}

std::string substringTo(std::string_view text, std::size_t index) { return substring(text, Range{0, index}); }

std::size_t byteOffset(std::string_view text, std::size_t index) {
    std::size_t n = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (n >= index) return pos;
        std::size_t start = pos;
        n += decodeUtf8(text, pos) >= 0x10000 ? 2 : 1;
        if (n > index) return start;
    }
    return text.size();
}

}  // namespace ns::utf16
