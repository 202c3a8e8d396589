// The blacklist reply.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterQueryBlackListParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterQueryBlackListParser> create() { return std::shared_ptr<TAVORouterQueryBlackListParser>(new TAVORouterQueryBlackListParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterQueryBlackListParser"; }

protected:
    TAVORouterQueryBlackListParser() = default;
};
