// TNHTTPResponseSerializer: checks a response's status code (200-299 by
// default) and MIME type (any by default) and hands the body back as it
// is. The decoding serializers derive from it.
#pragma once

#include <memory>
#include <optional>
#include <set>
#include <string>

#include "net/http/TNURLResponseSerialization.h"
#include "platform/foundation/Coding.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/StringEncoding.h"

class TNHTTPResponseSerializer : public ns::Object, public TNURLResponseSerialization, public ns::Coding {
public:
    static std::shared_ptr<TNHTTPResponseSerializer> serializer();
    static std::shared_ptr<TNHTTPResponseSerializer> create() { return serializer(); }
    // A fresh serializer of the same class with copies of the status codes
    // and content types, and the class's own settings.
    virtual std::shared_ptr<TNHTTPResponseSerializer> copy() const;

    ns::StringEncoding stringEncoding = ns::kUTF8StringEncoding;
    // None: every code passes.
    std::optional<std::set<int>> acceptableStatusCodes;
    // None: every type passes.
    std::optional<std::set<std::string>> acceptableContentTypes;

    // False when the response is an HTTP response with an unacceptable
    // type (an error only when the body is not empty) or status.
    bool validateResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                          ns::ErrorPtr* error) const;
    ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                        ns::ErrorPtr* error) override;

    // Archives keep the status codes and content types (the encoding is
    // not kept); subclasses add their own settings.
    void encodeWithCoder(ns::KeyedArchiver& coder) override;
    bool initWithCoder(ns::KeyedUnarchiver& coder) override;

protected:
    TNHTTPResponseSerializer();
    virtual std::shared_ptr<TNHTTPResponseSerializer> makeEmpty() const;
    virtual void copySettingsInto(TNHTTPResponseSerializer&) const {}
    // After a failed validation: whether to give up without decoding.
    static bool shouldSkipDecoding(ns::ErrorPtr* error);
    // The encoding the response names, when known, else stringEncoding.
    ns::StringEncoding encodingForResponse(const ns::URLResponsePtr& response) const;
};

using TNHTTPResponseSerializerPtr = std::shared_ptr<TNHTTPResponseSerializer>;
