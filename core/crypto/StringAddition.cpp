#include "core/crypto/StringAddition.h"

#include "core/crypto/Base64Codec.h"
#include "core/crypto/DataMd5.h"
#include "core/crypto/TextBytes.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/StringEncoding.h"

std::string KXMd5String(const std::string& text) {
    return md5(ns::Data::fromString(textbytes::upToFirstZero(text)));
}

std::string URLEncode(const std::string& text) {
    // The platform's escaping leaves letters, digits and "-_.!~*'()" plus the
    // URL delimiters alone; these are escaped as well, so that only letters,
    // digits, "-", "." and "_" remain as they are.
    static constexpr std::string_view kAlsoEscaped = ":/?#[]@!$ &'()*+,;=\"<>%{}|\\^~`";
    return ns::str::addingPercentEscapes(text, {}, kAlsoEscaped).value_or("");
}

std::optional<std::string> URLDecode(const std::string& text) { return ns::str::removingPercentEncoding(text); }

std::optional<std::string> KXBase64Encoding(const std::string& text) {
    if (text.empty()) return std::nullopt;
    return Base64Codec::encode(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::optional<std::string> KXBase64Decoding(const std::string& text) {
    auto decoded = KXBase64DecodeToData(text);
    if (!decoded) return std::nullopt;
    return ns::str::fromData(*decoded, ns::kASCIIStringEncoding);
}

std::optional<ns::Data> KXBase64DecodeToData(std::string_view text) {
    // Decoding already refuses every non-ASCII byte before the first zero
    // byte, where it stops; the text must be ASCII past that point as well.
    if (const auto zero = text.find('\0'); zero != std::string_view::npos)
        for (const unsigned char c : text.substr(zero))
            if (c >= 0x80) return std::nullopt;
    return Base64Codec::decodeStrict(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}
