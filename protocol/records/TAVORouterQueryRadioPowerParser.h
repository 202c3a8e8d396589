// The transmit power per band: a list (present even when empty) of
// TAVORouterRadioPower, one per element of the payload list.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"

class TAVORouterQueryRadioPowerParser : public TAVOHttpDataParser {
public:
    static std::shared_ptr<TAVORouterQueryRadioPowerParser> create() { return std::shared_ptr<TAVORouterQueryRadioPowerParser>(new TAVORouterQueryRadioPowerParser()); }
    bool parserVData(const ns::Value& vdata) override;
    std::string className() const override { return "TAVORouterQueryRadioPowerParser"; }

protected:
    TAVORouterQueryRadioPowerParser() = default;
};
