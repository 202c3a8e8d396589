#include "protocol/commands/TNTAVOJSONResponseSerializer.h"

#include "core/crypto/DataCommonCryptor.h"
#include "core/crypto/StringAddition.h"
#include "net/json/JetJsonDeserializing.h"
#include "platform/foundation/HTTPURLResponse.h"
#include "platform/foundation/StringEncoding.h"

TNTAVOJSONResponseSerializer::TNTAVOJSONResponseSerializer() {
    acceptableContentTypes = std::set<std::string>{"application/json", "text/json", "text/javascript", "text/plain"};
    // The router's replies are read whatever their status.
    acceptableStatusCodes.reset();
}

ns::Value TNTAVOJSONResponseSerializer::responseObjectForResponse(const ns::URLResponsePtr& response,
                                                                  const std::optional<ns::Data>& data,
                                                                  ns::ErrorPtr* error) {
    if (requiresSuccessStatus) {
        auto http = std::dynamic_pointer_cast<ns::HTTPURLResponse>(response);
        if (http && (http->statusCode() < 200 || http->statusCode() > 299)) {
            if (error)
                *error = ns::Error::create(ns::kURLErrorDomain, ns::kURLErrorBadServerResponse,
                                           ns::Dictionary{{ns::kLocalizedDescriptionKey,
                                                           "Request failed: status " + std::to_string(http->statusCode())}});
            return ns::Value();
        }
    }
    if (!data || data->length() == 0) return ns::Value();
    const std::string text(reinterpret_cast<const char*>(data->bytes()), data->length());
    const ns::StringEncoding encoding = encodingForResponse(response);
    if (auto cipher = KXBase64DecodeToData(text); cipher && !aes128KeyData.empty()) {
        if (auto plain = KXDecryptedAES256DataUsingKey(*cipher, CipherKey(aes128KeyData))) {
            if (auto decoded = ns::str::fromData(*plain, encoding)) {
                ns::Value object = objectFromJSONString(*decoded);
                if (object.isArray() || object.isDictionary()) return object;
            }
        }
    }
    // Not encrypted: routers answer some failures in plain JSON.
    if (auto decoded = ns::str::fromData(*data, encoding)) {
        ns::Value object = objectFromJSONString(*decoded);
        if (object.isArray() || object.isDictionary()) return object;
    }
    return ns::Value();
}
