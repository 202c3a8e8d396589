#include "net/http/TNPropertyListResponseSerializer.h"

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/PropertyListSerialization.h"

std::shared_ptr<TNPropertyListResponseSerializer> TNPropertyListResponseSerializer::serializerWithFormat(
    unsigned format, unsigned readOptions) {
    auto serializer = std::shared_ptr<TNPropertyListResponseSerializer>(new TNPropertyListResponseSerializer());
    serializer->format = format;
    serializer->readOptions = readOptions;
    return serializer;
}

TNPropertyListResponseSerializer::TNPropertyListResponseSerializer() {
    acceptableContentTypes = std::set<std::string>{"application/x-plist"};
}

std::shared_ptr<TNHTTPResponseSerializer> TNPropertyListResponseSerializer::makeEmpty() const { return serializer(); }

void TNPropertyListResponseSerializer::copySettingsInto(TNHTTPResponseSerializer& copy) const {
    auto& target = static_cast<TNPropertyListResponseSerializer&>(copy);
    target.format = format;
    target.readOptions = readOptions;
}

ns::Value TNPropertyListResponseSerializer::responseObjectForResponse(const ns::URLResponsePtr& response,
                                                                      const std::optional<ns::Data>& data,
                                                                      ns::ErrorPtr* error) {
    if (!validateResponse(response, data, error) && shouldSkipDecoding(error)) return ns::Value();
    if (!data || data->empty()) return ns::Value();
    ns::ErrorPtr readError;
    ns::Value object = ns::PropertyListSerialization::propertyListWithData(*data, &readError);
    if (error) *error = TNChainUnderlyingError(readError, *error);
    return object;
}

void TNPropertyListResponseSerializer::encodeWithCoder(ns::KeyedArchiver& coder) {
    TNHTTPResponseSerializer::encodeWithCoder(coder);
    coder.encodeInt(format, "format");
    coder.encodeInt(readOptions, "readOptions");
}

bool TNPropertyListResponseSerializer::initWithCoder(ns::KeyedUnarchiver& coder) {
    if (!TNHTTPResponseSerializer::initWithCoder(coder)) return false;
    if (coder.containsValueForKey("format")) format = static_cast<unsigned>(coder.decodeIntForKey("format"));
    readOptions = static_cast<unsigned>(coder.decodeIntForKey("readOptions"));
    return true;
}
