// TNPropertyListRequestSerializer: parameters as a property-list body
// (query methods as the base class does it).
#pragma once

#include "net/http/TNHTTPRequestSerializer.h"

class TNPropertyListRequestSerializer : public TNHTTPRequestSerializer {
public:
    static std::shared_ptr<TNPropertyListRequestSerializer> serializer() { return serializerWithFormat(100, 0); }
    static std::shared_ptr<TNPropertyListRequestSerializer> serializerWithFormat(unsigned format, unsigned writeOptions);
    static std::shared_ptr<TNPropertyListRequestSerializer> create() { return serializer(); }
    std::shared_ptr<TNHTTPRequestSerializer> copy() const override;
    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

    unsigned format = 100;  // XML
    unsigned writeOptions = 0;

    ns::MutableURLRequest requestBySerializingRequest(const ns::URLRequest& request, const ns::Value& parameters,
                                                      ns::ErrorPtr* error) override;

protected:
    TNPropertyListRequestSerializer() = default;
    std::shared_ptr<TNHTTPRequestSerializer> makeEmpty() const override;
};
