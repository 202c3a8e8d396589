// TAVORouterQueryRadioPower: request 34, router.getRadioPower.
#pragma once

#include "protocol/records/TAVORouterQueryRadioPowerParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterQueryRadioPower : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterQueryRadioPower> create() { return std::shared_ptr<TAVORouterQueryRadioPower>(new TAVORouterQueryRadioPower()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "getRadioPower"; }
    TAVODataParserPtr createParser() override { return TAVORouterQueryRadioPowerParser::create(); }
    std::string className() const override { return "TAVORouterQueryRadioPower"; }

protected:
    TAVORouterQueryRadioPower() = default;
};
