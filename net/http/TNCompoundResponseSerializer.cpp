#include "net/http/TNCompoundResponseSerializer.h"

std::shared_ptr<TNCompoundResponseSerializer> TNCompoundResponseSerializer::compoundSerializerWithResponseSerializers(
    std::vector<TNHTTPResponseSerializerPtr> serializers) {
    auto compound = std::shared_ptr<TNCompoundResponseSerializer>(new TNCompoundResponseSerializer());
    compound->responseSerializers = std::move(serializers);
    return compound;
}

std::shared_ptr<TNHTTPResponseSerializer> TNCompoundResponseSerializer::makeEmpty() const {
    return compoundSerializerWithResponseSerializers({});
}

void TNCompoundResponseSerializer::copySettingsInto(TNHTTPResponseSerializer& copy) const {
    static_cast<TNCompoundResponseSerializer&>(copy).responseSerializers = responseSerializers;
}

ns::Value TNCompoundResponseSerializer::responseObjectForResponse(const ns::URLResponsePtr& response,
                                                                  const std::optional<ns::Data>& data,
                                                                  ns::ErrorPtr* error) {
    for (const auto& member : responseSerializers) {
        if (!member) continue;
        ns::ErrorPtr memberError;
        ns::Value object = member->responseObjectForResponse(response, data, &memberError);
        if (!object.isNil()) {
            if (error) *error = TNChainUnderlyingError(memberError, *error);
            return object;
        }
    }
    return TNHTTPResponseSerializer::responseObjectForResponse(response, data, error);
}
