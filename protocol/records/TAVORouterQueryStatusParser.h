// The router status reply: one TAVORouterStatus aggregate.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterQueryStatusParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterQueryStatusParser> create() { return std::shared_ptr<TAVORouterQueryStatusParser>(new TAVORouterQueryStatusParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterQueryStatusParser"; }

protected:
    TAVORouterQueryStatusParser() = default;
};
