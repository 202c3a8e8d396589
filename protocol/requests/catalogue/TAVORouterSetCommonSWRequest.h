// TAVORouterSetCommonSWRequest: request 28, router.setCommonSW.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterSetCommonSWRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterSetCommonSWRequest> create() { return std::shared_ptr<TAVORouterSetCommonSWRequest>(new TAVORouterSetCommonSWRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "setCommonSW"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterSetCommonSWRequest"; }

protected:
    TAVORouterSetCommonSWRequest() = default;
};
