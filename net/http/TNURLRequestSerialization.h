// TNURLRequestSerialization: how a request manager turns a request and its
// parameters into the request that goes out.
#pragma once

#include <memory>

#include "platform/foundation/Error.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/Value.h"

class TNURLRequestSerialization {
public:
    virtual ~TNURLRequestSerialization() = default;
    // A serialized copy of the request. Failures go to `error` (when given);
    // the request is returned all the same.
    virtual ns::MutableURLRequest requestBySerializingRequest(const ns::URLRequest& request,
                                                              const ns::Value& parameters, ns::ErrorPtr* error) = 0;
};
