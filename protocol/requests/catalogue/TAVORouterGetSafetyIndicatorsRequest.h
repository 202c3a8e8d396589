// TAVORouterGetSafetyIndicatorsRequest: request 55, security.getSafetyIndicators.
#pragma once

#include "protocol/records/TAVOGetSafetyIndicatorsParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterGetSafetyIndicatorsRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterGetSafetyIndicatorsRequest> create() { return std::shared_ptr<TAVORouterGetSafetyIndicatorsRequest>(new TAVORouterGetSafetyIndicatorsRequest()); }
    std::string moduleNameForAPI() const override { return "security"; }
    std::string concreteNameForAPI() const override { return "getSafetyIndicators"; }
    TAVODataParserPtr createParser() override { return TAVOGetSafetyIndicatorsParser::create(); }
    std::string className() const override { return "TAVORouterGetSafetyIndicatorsRequest"; }

protected:
    TAVORouterGetSafetyIndicatorsRequest() = default;
};
