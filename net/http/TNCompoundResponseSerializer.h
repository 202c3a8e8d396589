// TNCompoundResponseSerializer: asks its member serializers in order; the
// first that decodes an object wins.
#pragma once

#include <vector>

#include "net/http/TNHTTPResponseSerializer.h"

class TNCompoundResponseSerializer : public TNHTTPResponseSerializer {
public:
    static std::shared_ptr<TNCompoundResponseSerializer> compoundSerializerWithResponseSerializers(
        std::vector<TNHTTPResponseSerializerPtr> serializers);

    std::vector<TNHTTPResponseSerializerPtr> responseSerializers;

    ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                        ns::ErrorPtr* error) override;

protected:
    TNCompoundResponseSerializer() = default;
    std::shared_ptr<TNHTTPResponseSerializer> makeEmpty() const override;
    void copySettingsInto(TNHTTPResponseSerializer& copy) const override;
};
