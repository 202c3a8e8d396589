// TAVORouterSetPermitAdvanceRequest: request 37, router.setPermitAdvance.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterSetPermitAdvanceRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterSetPermitAdvanceRequest> create() { return std::shared_ptr<TAVORouterSetPermitAdvanceRequest>(new TAVORouterSetPermitAdvanceRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "setPermitAdvance"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterSetPermitAdvanceRequest"; }

protected:
    TAVORouterSetPermitAdvanceRequest() = default;
};
