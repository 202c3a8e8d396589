#include "net/http/TNXMLParserResponseSerializer.h"

#include "platform/foundation/XMLParser.h"

std::shared_ptr<TNXMLParserResponseSerializer> TNXMLParserResponseSerializer::serializer() {
    return std::shared_ptr<TNXMLParserResponseSerializer>(new TNXMLParserResponseSerializer());
}

TNXMLParserResponseSerializer::TNXMLParserResponseSerializer() {
    acceptableContentTypes = std::set<std::string>{"application/xml", "text/xml"};
}

std::shared_ptr<TNHTTPResponseSerializer> TNXMLParserResponseSerializer::makeEmpty() const { return serializer(); }

ns::Value TNXMLParserResponseSerializer::responseObjectForResponse(const ns::URLResponsePtr& response,
                                                                   const std::optional<ns::Data>& data,
                                                                   ns::ErrorPtr* error) {
    if (!validateResponse(response, data, error) && shouldSkipDecoding(error)) return ns::Value();
    return ns::Value(ns::XMLParser::create(data ? *data : ns::Data()));
}
