// A reply of the user-account service.
#pragma once

#include <stdexcept>

#include "management/account/KXResponse.h"

class ZAREResponse : public KXResponse {
public:
    // Thrown by a parser for a reply that is not JSON.
    class InvalidResponse : public std::runtime_error {
    public:
        InvalidResponse() : std::runtime_error("Invalid JSON string in Response") {}
    };

    std::string className() const override { return "ZAREResponse"; }

protected:
    // Reads the body as a JSON object (throws InvalidResponse otherwise) and
    // records a non-zero "errno" as `error` in "ZAR domain user center" with
    // the reply's "errmsg" under "error msg". Returns the object.
    ns::Value readJSONReply(const ns::Data& body);
};
