// Speed replies: the live samples (a list under "bands", else "band"), or
// one speed test result (a number) typed by the request's "type" parameter.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterSpeedParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterSpeedParser> create() { return std::shared_ptr<TAVORouterSpeedParser>(new TAVORouterSpeedParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterSpeedParser"; }

protected:
    TAVORouterSpeedParser() = default;
};
