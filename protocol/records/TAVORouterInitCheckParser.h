// The router's answer to the initialisation check ("type", taken unchanged).
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterInitCheckParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterInitCheckParser> create() { return std::shared_ptr<TAVORouterInitCheckParser>(new TAVORouterInitCheckParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterInitCheckParser"; }

protected:
    TAVORouterInitCheckParser() = default;
};
