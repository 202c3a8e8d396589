// TNURLResponseSerialization: how a request operation turns a finished
// response and its body into an object, plus the error helpers every
// response serializer shares.
#pragma once

#include <memory>
#include <optional>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/URLResponse.h"
#include "platform/foundation/Value.h"

inline constexpr const char* TNURLResponseSerializationErrorDomain = "com.tavonet.error.serialization.response";
// User-info key holding the response a validation error is about.
inline constexpr const char* TNNetworkingOperationFailingURLResponseErrorKey =
    "com.tavonet.serialization.response.error.response";

class TNURLResponseSerialization {
public:
    virtual ~TNURLResponseSerialization() = default;
    // The decoded object (nil for none). `error`, when given, starts empty
    // and receives the serializer's error.
    virtual ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                                ns::ErrorPtr* error) = 0;
};

// `error` with `underlying` as its underlying error, unless it has one;
// `underlying` alone when there is no error.
ns::ErrorPtr TNChainUnderlyingError(const ns::ErrorPtr& error, const ns::ErrorPtr& underlying);
// Whether the error, or one beneath it, is the "unacceptable content type".
bool TNErrorChainIsUndecodable(const ns::ErrorPtr& error);
// Arrays and dictionaries with null members removed, at any depth.
ns::Value TNStripNullValues(const ns::Value& object);
