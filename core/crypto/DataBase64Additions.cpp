#include "core/crypto/DataBase64Additions.h"

#include "core/crypto/Base64Codec.h"
#include "platform/foundation/StringEncoding.h"

std::string encodeBase64ForData(const ns::Data& data) { return Base64Codec::encode(data.bytes(), data.length()); }

std::string encodeWrappedBase64ForData(const ns::Data& data) {
    return Base64Codec::encode(data.bytes(), data.length(), true);
}

std::string encodeWebSafeBase64ForData(const ns::Data& data) {
    std::string text = encodeBase64ForData(data);
    for (auto& c : text) {
        if (c == '+') c = '-';
        else if (c == '/') c = '_';
    }
    return text;
}

ns::Data decodeBase64ForString(const std::string& text) {
    if (!ns::str::fromBytes(text, ns::kASCIIStringEncoding)) return ns::Data();
    return Base64Codec::decodeLenient(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

ns::Data decodeWebSafeBase64ForString(const std::string& text) {
    std::string standard = text;
    for (auto& c : standard) {
        if (c == '-') c = '+';
        else if (c == '_') c = '/';
    }
    return decodeBase64ForString(standard);
}
