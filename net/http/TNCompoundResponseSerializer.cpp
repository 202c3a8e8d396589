#include "net/http/TNCompoundResponseSerializer.h"

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

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

void TNCompoundResponseSerializer::encodeWithCoder(ns::KeyedArchiver& coder) {
    TNHTTPResponseSerializer::encodeWithCoder(coder);
    ns::Array members;
    for (const auto& member : responseSerializers)
        if (member) members.push_back(ns::Value(member));
    coder.encodeObject(ns::Value(std::move(members)), "responseSerializers");
}

bool TNCompoundResponseSerializer::initWithCoder(ns::KeyedUnarchiver& coder) {
    if (!TNHTTPResponseSerializer::initWithCoder(coder)) return false;
    ns::Value members = coder.decodeObjectForKey("responseSerializers");
    if (!members.isNil() && !members.isArray()) return false;
    responseSerializers.clear();
    if (members.isArray()) {
        for (const auto& member : members.asArray()) {
            auto serializer = std::dynamic_pointer_cast<TNHTTPResponseSerializer>(member.asObject());
            if (!serializer) return false;
            responseSerializers.push_back(serializer);
        }
    }
    return true;
}
