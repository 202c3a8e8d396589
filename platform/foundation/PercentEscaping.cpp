#include "platform/foundation/PercentEscaping.h"

#include <cstring>

#include "platform/foundation/Utf16.h"

namespace ns::str {

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool isLegalURLCharacter(char32_t c) {
    if (c >= 0x80) return false;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
    return std::strchr("-_.!~*'();/?:@&=+$,#", static_cast<int>(c)) != nullptr && c != 0;
}

void appendEscaped(std::string& out, std::string_view bytes) {
    for (unsigned char b : bytes) {
        out += '%';
        out += kHex[b >> 4];
        out += kHex[b & 0xF];
    }
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> unescapeBytes(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        int hi = hexValue(text[i + 1]);
        int lo = hexValue(text[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        bytes += static_cast<char>(hi * 16 + lo);
        i += 2;
    }
    return bytes;
}

}  // namespace

std::optional<std::string> addingPercentEscapes(std::string_view text, std::string_view charactersToLeaveUnescaped,
                                                std::string_view legalCharactersToBeEscaped,
                                                StringEncoding encoding) {
    CharacterSet leave = CharacterSet::characterSetWithCharactersInString(charactersToLeaveUnescaped);
    CharacterSet escape = CharacterSet::characterSetWithCharactersInString(legalCharactersToBeEscaped);
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t start = pos;
        char32_t c = utf16::decodeUtf8(text, pos);
        std::string_view character = text.substr(start, pos - start);
        bool escapeIt = !leave.contains(c) && (escape.contains(c) || !isLegalURLCharacter(c));
        if (!escapeIt) {
            out.append(character);
            continue;
        }
        auto bytes = dataUsingEncoding(character, encoding);
        if (!bytes) return std::nullopt;
        appendEscaped(out, std::string_view(reinterpret_cast<const char*>(bytes->bytes()), bytes->length()));
    }
    return out;
}

std::optional<std::string> addingPercentEncoding(std::string_view text, const CharacterSet& allowed) {
    if (!utf16::isValidUtf8(text)) return std::nullopt;
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t start = pos;
        char32_t c = utf16::decodeUtf8(text, pos);
        std::string_view character = text.substr(start, pos - start);
        if (allowed.contains(c)) {
            out.append(character);
        } else {
            appendEscaped(out, character);
        }
    }
    return out;
}

std::optional<std::string> removingPercentEncoding(std::string_view text) {
    auto bytes = unescapeBytes(text);
    if (!bytes || !utf16::isValidUtf8(*bytes)) return std::nullopt;
    return bytes;
}

std::optional<std::string> replacingPercentEscapes(std::string_view text, StringEncoding encoding) {
    auto bytes = unescapeBytes(text);
    if (!bytes) return std::nullopt;
    return fromBytes(*bytes, encoding);
}

}  // namespace ns::str
