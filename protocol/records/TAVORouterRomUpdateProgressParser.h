// The ROM upgrade progress reply.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterRomUpdateProgressParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterRomUpdateProgressParser> create() { return std::shared_ptr<TAVORouterRomUpdateProgressParser>(new TAVORouterRomUpdateProgressParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterRomUpdateProgressParser"; }

protected:
    TAVORouterRomUpdateProgressParser() = default;
};
