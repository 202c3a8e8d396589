// Reads the envelope of a command reply ({"errcode", "errdesc", "vdata"})
// that the command service has already decoded. No reply object at all
// (a download whose body went to a file) succeeds with no result. A reply of
// the wrong shape, the per-command reading included, fails with the parse
// error 300003.
#pragma once

#include <memory>
#include <string>

#include "core/errors/TAVOError.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOParser : public ns::Object {
public:
    static std::shared_ptr<TAVOParser> create() { return std::shared_ptr<TAVOParser>(new TAVOParser()); }

    // True with `result` set on success; false with `error` set on failure.
    bool parseResponse(const ns::Value& reply);
    // The per-command reading of vdata; may throw TAVOReplyShapeError.
    virtual ns::Value parseResult(const ns::Value& vdata);

    ns::Value result;
    TAVOErrorPtr error;

    std::string className() const override { return "TAVOParser"; }

protected:
    TAVOParser() = default;
};

using TAVOParserPtr = std::shared_ptr<TAVOParser>;
