// The delete reply: vdata "result" as a number (0 = done).
#pragma once

#include <memory>

#include "protocol/commands/TAVOParser.h"

class TAVODeleteFileParser : public TAVOParser {
public:
    static std::shared_ptr<TAVODeleteFileParser> create() { return std::shared_ptr<TAVODeleteFileParser>(new TAVODeleteFileParser()); }
    ns::Value parseResult(const ns::Value& vdata) override;
    std::string className() const override { return "TAVODeleteFileParser"; }

protected:
    TAVODeleteFileParser() = default;
};
