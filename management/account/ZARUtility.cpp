#include "management/account/ZARUtility.h"

#include "core/crypto/DataBase64.h"
#include "core/crypto/DataLowLevelCommonCryptor.h"
#include "core/crypto/StringAddition.h"
#include "core/crypto/StringMD5.h"
#include "platform/foundation/StringUtils.h"

namespace {

std::vector<std::string> split(const std::string& s, char separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = s.find(separator, start);
        pieces.push_back(s.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + 1;
    }
    return pieces;
}

}  // namespace

std::string ZARUtility::URLEncode(const std::string& text) { return ::URLEncode(text); }

std::string ZARUtility::URLDecode(const std::string& text) { return ::URLDecode(text).value_or(std::string()); }

std::string ZARUtility::md5String(const std::string& text) { return ::md5String(text); }

std::string ZARUtility::encryptString(const std::string& text, const std::string& key) {
    auto cipher = KXDataEncryptedUsingAlgorithmKeyInitializationVectorOptionsError(
        ns::Data::fromString(text), cc::kCCAlgorithmDES, CipherKey(key), CipherKey(key), cc::kCCOptionPKCS7Padding);
    if (!cipher) return {};
    return ::URLEncode(base64Encoding(*cipher));
}

std::optional<std::string> ZARUtility::getCookieValueByName(const std::string& name, const ns::Dictionary& headers) {
    if (name.empty()) return std::nullopt;
    const ns::Value& field = headers["Set-Cookie"];
    if (!field.isString() || field.asString().empty()) return std::nullopt;
    const std::string prefix = name + "=";
    for (const std::string& piece : split(field.asString(), ';')) {
        // Joined Set-Cookie lines put ", " between cookies.
        for (const std::string& part : split(piece, ',')) {
            std::string cookie = ns::str::trimmingWhitespaceAndNewlines(part);
            if (cookie.compare(0, prefix.size(), prefix) != 0 || cookie.size() == prefix.size()) continue;
            std::string value = ns::str::trimmingWhitespaceAndNewlines(cookie.substr(prefix.size()));
            if (!value.empty()) return value;
        }
    }
    return std::nullopt;
}
