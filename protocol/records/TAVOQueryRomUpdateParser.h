// The ROM check reply.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVOQueryRomUpdateParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVOQueryRomUpdateParser> create() { return std::shared_ptr<TAVOQueryRomUpdateParser>(new TAVOQueryRomUpdateParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVOQueryRomUpdateParser"; }

protected:
    TAVOQueryRomUpdateParser() = default;
};
