#include "core/crypto/StringAddition.h"

#include "core/crypto/Base64Codec.h"
#include "core/crypto/DataMd5.h"
#include "core/crypto/TextBytes.h"

std::string KXMd5String(const std::string& text) {
    return md5(ns::Data::fromString(textbytes::upToFirstZero(text)));
}

std::string URLEncode(const std::string& text) {
    if (!textbytes::isValidUTF8(text)) return "";
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (unsigned char c : text) {
        const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                          c == '.' || c == '_';
        if (keep) {
            out.push_back(static_cast<char>(c));
        } else {
            out.push_back('%');
            out.push_back(digits[c >> 4]);
            out.push_back(digits[c & 15]);
        }
    }
    return out;
}

std::optional<std::string> URLDecode(const std::string& text) {
    auto hexValue = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;  // escape cut short
        const int hi = hexValue(text[i + 1]), lo = hexValue(text[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out.push_back(static_cast<char>(hi << 4 | lo));
        i += 2;
    }
    if (!textbytes::isValidUTF8(out)) return std::nullopt;
    return out;
}

std::optional<std::string> KXBase64Encoding(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return Base64Codec::encode(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::optional<std::string> KXBase64Decoding(const std::string& text) {
    auto decoded = KXBase64DecodeToData(text);
    if (!decoded) return std::nullopt;
    std::string out = decoded->toString();
    if (!textbytes::isASCII(out)) return std::nullopt;
    return out;
}

std::optional<ns::Data> KXBase64DecodeToData(const std::string& text) {
    if (!textbytes::isASCII(text)) return std::nullopt;
    return Base64Codec::decodeStrict(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}
