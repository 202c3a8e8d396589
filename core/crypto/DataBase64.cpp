#include "core/crypto/DataBase64.h"

#include "core/crypto/StringAddition.h"
#include "core/crypto/Base64Codec.h"

std::optional<ns::Data> dataWithBase64EncodedString(const std::optional<std::string>& text) {
    // No text at all is treated like empty text: an absent field in a reply
    // must not bring the process down.
    if (!text) return ns::Data();
    return KXBase64DecodeToData(*text);
}

std::string base64Encoding(const ns::Data& data) { return Base64Codec::encode(data.bytes(), data.length()); }
