// TNXMLParserResponseSerializer: validates, then hands back an XML parser
// set up over the body, not yet run (the caller gives it a delegate).
#pragma once

#include "net/http/TNHTTPResponseSerializer.h"

class TNXMLParserResponseSerializer : public TNHTTPResponseSerializer {
public:
    static std::shared_ptr<TNXMLParserResponseSerializer> serializer();
    static std::shared_ptr<TNXMLParserResponseSerializer> create() { return serializer(); }

    // An ns::XMLParser object, or nil when validation gives up.
    ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                        ns::ErrorPtr* error) override;

protected:
    TNXMLParserResponseSerializer();
    std::shared_ptr<TNHTTPResponseSerializer> makeEmpty() const override;
};
