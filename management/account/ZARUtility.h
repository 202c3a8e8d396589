// Text helpers of the account-service client.
#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Value.h"

class ZARUtility {
public:
    ZARUtility() = delete;

    static std::string URLEncode(const std::string& text);
    static std::string URLDecode(const std::string& text);
    // Upper-case hexadecimal MD5 of the UTF-8 bytes.
    static std::string md5String(const std::string& text);
    // DES-CBC with PKCS#7 padding, the 8-byte key also serving as IV, then
    // Base64, then URL-encoded; "" when encryption fails.
    static std::string encryptString(const std::string& text, const std::string& key);
    // The value of a cookie in the reply's "Set-Cookie" field (several
    // Set-Cookie lines arrive joined by ", "). A name matches only at the
    // start of a cookie, so "Q" never matches inside "XQ=..." or a value.
    // nullopt when absent or empty.
    static std::optional<std::string> getCookieValueByName(const std::string& name, const ns::Dictionary& headers);
};
