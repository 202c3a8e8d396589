#include "net/http/TNPropertyListRequestSerializer.h"

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
