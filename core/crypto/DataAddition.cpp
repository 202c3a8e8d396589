#include "core/crypto/DataAddition.h"

#include "core/crypto/Base64Codec.h"
#include "core/crypto/DataMd5.h"
#include "platform/foundation/StringEncoding.h"

std::string KXMd5String(const ns::Data& data) { return md5(data); }

std::optional<ns::Data> KXBase64Encoding(const ns::Data& data) {
    if (data.empty()) return std::nullopt;
    return ns::Data::fromString(Base64Codec::encode(data.bytes(), data.length()));
}

std::optional<std::string> KXBase64EncodingForString(const ns::Data& data) {
    if (data.empty()) return std::nullopt;
    return Base64Codec::encode(data.bytes(), data.length());
}

std::optional<ns::Data> KXBase64Decoding(const ns::Data& data) {
    return Base64Codec::decodeStrict(data.bytes(), data.length());
}

std::optional<std::string> KXBase64DecodingForString(const ns::Data& data) {
    auto decoded = KXBase64Decoding(data);
    if (!decoded) return std::nullopt;
    return ns::str::fromData(*decoded, ns::kASCIIStringEncoding);
}
