// The root of reply parsers: reads nothing, so a request whose parser is a
// plain TAVODataParser succeeds with no object for any reply. A parser that
// ends with an errorInfo makes its request fail, whatever dataInfo holds.
#pragma once

#include <memory>
#include <string>

#include "core/errors/TAVOError.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVODataParser : public ns::Object {
public:
    static std::shared_ptr<TAVODataParser> create() { return std::shared_ptr<TAVODataParser>(new TAVODataParser()); }

    // Reads a reply body. May throw (a payload of the wrong shape); the
    // request turns that into the parse error 300003.
    virtual void parseNewData(const ns::Data&) {}
    virtual ns::Dictionary parserDictionary() { return {}; }

    ns::Value dataInfo;  // the result on success (nil: success with no object)
    TAVOErrorPtr errorInfo;

    std::string className() const override { return "TAVODataParser"; }

protected:
    TAVODataParser() = default;
};

using TAVODataParserPtr = std::shared_ptr<TAVODataParser>;
