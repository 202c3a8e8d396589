// TNJSONResponseSerializer: validates, then reads the body as JSON (with
// the JetJson decoder) in the response's text encoding, optionally without
// null members.
#pragma once

#include "net/http/TNHTTPResponseSerializer.h"

class TNJSONResponseSerializer : public TNHTTPResponseSerializer {
public:
    static std::shared_ptr<TNJSONResponseSerializer> serializer() { return serializerWithReadingOptions(0); }
    static std::shared_ptr<TNJSONResponseSerializer> serializerWithReadingOptions(unsigned options);
    static std::shared_ptr<TNJSONResponseSerializer> create() { return serializer(); }

    unsigned readingOptions = 0;
    bool removesKeysWithNullValues = false;

    ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                        ns::ErrorPtr* error) override;

    // Adds the reading options (not the null removal).
    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

protected:
    TNJSONResponseSerializer();
    std::shared_ptr<TNHTTPResponseSerializer> makeEmpty() const override;
    void copySettingsInto(TNHTTPResponseSerializer& copy) const override;
};
