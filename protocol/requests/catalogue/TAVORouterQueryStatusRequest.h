// TAVORouterQueryStatusRequest: request 3, router.getRouterInfo.
#pragma once

#include "protocol/records/TAVORouterQueryStatusParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterQueryStatusRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterQueryStatusRequest> create() { return std::shared_ptr<TAVORouterQueryStatusRequest>(new TAVORouterQueryStatusRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "getRouterInfo"; }
    TAVODataParserPtr createParser() override { return TAVORouterQueryStatusParser::create(); }
    std::string className() const override { return "TAVORouterQueryStatusRequest"; }

protected:
    TAVORouterQueryStatusRequest() = default;
};
