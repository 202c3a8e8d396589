// What a request's reply becomes. Parsers throw on a reply they cannot read
// (the operation reports that as a parser error) and set `error` when the
// service reports a failure.
#pragma once

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class KXResponse : public ns::Object {
public:
    ns::ErrorPtr error;

    // All header fields of the reply, names as received.
    virtual void parseHeaders(const ns::Dictionary& /*headers*/) {}
    virtual void parseBody(const ns::Data& /*body*/) {}

    std::string className() const override { return "KXResponse"; }
};
