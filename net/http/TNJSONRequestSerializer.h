// TNJSONRequestSerializer: parameters as a JSON body (query methods as the
// base class does it).
#pragma once

#include "net/http/TNHTTPRequestSerializer.h"

class TNJSONRequestSerializer : public TNHTTPRequestSerializer {
public:
    static std::shared_ptr<TNJSONRequestSerializer> serializer() { return serializerWithWritingOptions(0); }
    static std::shared_ptr<TNJSONRequestSerializer> serializerWithWritingOptions(unsigned options);
    static std::shared_ptr<TNJSONRequestSerializer> create() { return serializer(); }
    std::shared_ptr<TNHTTPRequestSerializer> copy() const override;
    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

    unsigned writingOptions = 0;

    ns::MutableURLRequest requestBySerializingRequest(const ns::URLRequest& request, const ns::Value& parameters,
                                                      ns::ErrorPtr* error) override;

protected:
    TNJSONRequestSerializer() = default;
    std::shared_ptr<TNHTTPRequestSerializer> makeEmpty() const override;
};
