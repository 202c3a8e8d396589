#include "net/http/TNJSONRequestSerializer.h"

#include "platform/foundation/JSONSerialization.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"

std::shared_ptr<TNJSONRequestSerializer> TNJSONRequestSerializer::serializerWithWritingOptions(unsigned options) {
    auto serializer = std::shared_ptr<TNJSONRequestSerializer>(new TNJSONRequestSerializer());
    serializer->writingOptions = options;
    return serializer;
}

std::shared_ptr<TNHTTPRequestSerializer> TNJSONRequestSerializer::makeEmpty() const { return serializer(); }

std::shared_ptr<TNHTTPRequestSerializer> TNJSONRequestSerializer::copy() const {
    auto copy = std::static_pointer_cast<TNJSONRequestSerializer>(TNHTTPRequestSerializer::copy());
    copy->writingOptions = writingOptions;
    return copy;
}

ns::MutableURLRequest TNJSONRequestSerializer::requestBySerializingRequest(const ns::URLRequest& request,
                                                                           const ns::Value& parameters,
                                                                           ns::ErrorPtr* error) {
    if (encodesParametersInURI(request.HTTPMethod()))
        return TNHTTPRequestSerializer::requestBySerializingRequest(request, parameters, error);
    ns::MutableURLRequest copy = withDefaultHeaders(request);
    if (parameters.isNil()) return copy;
    if (!copy.valueForHTTPHeaderField("Content-Type")) copy.setValue("application/json; charset=utf-8", "Content-Type");
    if (auto body = ns::JSONSerialization::dataWithJSONObject(parameters, writingOptions, error)) copy.setHTTPBody(*body);
    return copy;
}

void TNJSONRequestSerializer::encodeWithCoder(ns::KeyedArchiver& coder) {
    TNHTTPRequestSerializer::encodeWithCoder(coder);
    coder.encodeInt(writingOptions, "writingOptions");
}

bool TNJSONRequestSerializer::initWithCoder(ns::KeyedUnarchiver& coder) {
    if (!TNHTTPRequestSerializer::initWithCoder(coder)) return false;
    writingOptions = static_cast<unsigned>(coder.decodeIntForKey("writingOptions"));
    return true;
}
