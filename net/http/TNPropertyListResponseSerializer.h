// TNPropertyListResponseSerializer: validates, then reads the body as a
// property list.
#pragma once

#include "net/http/TNHTTPResponseSerializer.h"

class TNPropertyListResponseSerializer : public TNHTTPResponseSerializer {
public:
    static std::shared_ptr<TNPropertyListResponseSerializer> serializer() { return serializerWithFormat(100, 0); }
    static std::shared_ptr<TNPropertyListResponseSerializer> serializerWithFormat(unsigned format, unsigned readOptions);
    static std::shared_ptr<TNPropertyListResponseSerializer> create() { return serializer(); }

    unsigned format = 100;
    unsigned readOptions = 0;

    ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                        ns::ErrorPtr* error) override;

    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

protected:
    TNPropertyListResponseSerializer();
    std::shared_ptr<TNHTTPResponseSerializer> makeEmpty() const override;
    void copySettingsInto(TNHTTPResponseSerializer& copy) const override;
};
