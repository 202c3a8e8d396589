// TAVORouterSetRadioPowerRequest: request 35, router.updateRadioPower.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterSetRadioPowerRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterSetRadioPowerRequest> create() { return std::shared_ptr<TAVORouterSetRadioPowerRequest>(new TAVORouterSetRadioPowerRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "updateRadioPower"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterSetRadioPowerRequest"; }

protected:
    TAVORouterSetRadioPowerRequest() = default;
};
