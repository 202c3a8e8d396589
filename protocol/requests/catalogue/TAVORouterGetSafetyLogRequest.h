// TAVORouterGetSafetyLogRequest: request 46, router.getSafetyLog.
#pragma once

#include "protocol/records/TAVOSafetyLogResultParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterGetSafetyLogRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterGetSafetyLogRequest> create() { return std::shared_ptr<TAVORouterGetSafetyLogRequest>(new TAVORouterGetSafetyLogRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "getSafetyLog"; }
    TAVODataParserPtr createParser() override { return TAVOSafetyLogResultParser::create(); }
    std::string className() const override { return "TAVORouterGetSafetyLogRequest"; }

protected:
    TAVORouterGetSafetyLogRequest() = default;
};
