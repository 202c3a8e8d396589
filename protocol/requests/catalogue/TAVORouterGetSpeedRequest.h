// TAVORouterGetSpeedRequest: request 38, router.getSpeed.
#pragma once

#include "protocol/records/TAVORouterSpeedParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterGetSpeedRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterGetSpeedRequest> create() { return std::shared_ptr<TAVORouterGetSpeedRequest>(new TAVORouterGetSpeedRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "getSpeed"; }
    TAVODataParserPtr createParser() override { return TAVORouterSpeedParser::create(); }
    std::string className() const override { return "TAVORouterGetSpeedRequest"; }

protected:
    TAVORouterGetSpeedRequest() = default;
};
