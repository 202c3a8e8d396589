// TNCompoundResponseSerializer: asks its member serializers in order; the
// first that decodes an object wins.
#pragma once

#include <vector>

#include "net/http/TNHTTPResponseSerializer.h"

class TNCompoundResponseSerializer : public TNHTTPResponseSerializer {
public:
    static std::shared_ptr<TNCompoundResponseSerializer> compoundSerializerWithResponseSerializers(
        std::vector<TNHTTPResponseSerializerPtr> serializers);
    static std::shared_ptr<TNCompoundResponseSerializer> create() { return compoundSerializerWithResponseSerializers({}); }

    std::vector<TNHTTPResponseSerializerPtr> responseSerializers;

    ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                        ns::ErrorPtr* error) override;

    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

protected:
    TNCompoundResponseSerializer() = default;
    std::shared_ptr<TNHTTPResponseSerializer> makeEmpty() const override;
    void copySettingsInto(TNHTTPResponseSerializer& copy) const override;
};
