#include "net/http/TNPropertyListRequestSerializer.h"

#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/PropertyListSerialization.h"

std::shared_ptr<TNPropertyListRequestSerializer> TNPropertyListRequestSerializer::serializerWithFormat(
    unsigned format, unsigned writeOptions) {
    auto serializer = std::shared_ptr<TNPropertyListRequestSerializer>(new TNPropertyListRequestSerializer());
    serializer->format = format;
    serializer->writeOptions = writeOptions;
    return serializer;
}

std::shared_ptr<TNHTTPRequestSerializer> TNPropertyListRequestSerializer::makeEmpty() const { return serializer(); }

std::shared_ptr<TNHTTPRequestSerializer> TNPropertyListRequestSerializer::copy() const {
    auto copy = std::static_pointer_cast<TNPropertyListRequestSerializer>(TNHTTPRequestSerializer::copy());
    copy->format = format;
    copy->writeOptions = writeOptions;
    return copy;
}

ns::MutableURLRequest TNPropertyListRequestSerializer::requestBySerializingRequest(const ns::URLRequest& request,
                                                                                   const ns::Value& parameters,
                                                                                   ns::ErrorPtr* error) {
    if (encodesParametersInURI(request.HTTPMethod()))
        return TNHTTPRequestSerializer::requestBySerializingRequest(request, parameters, error);
    ns::MutableURLRequest copy = withDefaultHeaders(request);
    if (parameters.isNil()) return copy;
    if (!copy.valueForHTTPHeaderField("Content-Type"))
        copy.setValue("application/x-plist; charset=utf-8", "Content-Type");
    if (auto body = ns::PropertyListSerialization::dataWithPropertyList(
            parameters, static_cast<ns::PropertyListFormat>(format), error))
        copy.setHTTPBody(*body);
    return copy;
}

void TNPropertyListRequestSerializer::encodeWithCoder(ns::KeyedArchiver& coder) {
    TNHTTPRequestSerializer::encodeWithCoder(coder);
    coder.encodeInt(format, "format");
    coder.encodeObject(ns::Value(static_cast<std::uint64_t>(writeOptions)), "writeOptions");
}

bool TNPropertyListRequestSerializer::initWithCoder(ns::KeyedUnarchiver& coder) {
    if (!TNHTTPRequestSerializer::initWithCoder(coder)) return false;
    if (coder.containsValueForKey("format")) format = static_cast<unsigned>(coder.decodeIntForKey("format"));
    writeOptions = coder.decodeObjectForKey("writeOptions").unsignedIntValue();
    return true;
}
