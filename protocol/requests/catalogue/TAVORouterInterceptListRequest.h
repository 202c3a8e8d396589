// TAVORouterInterceptListRequest: a request no number leads to, router.getInterceptList.
#pragma once

#include "protocol/records/TAVORouterInterceptListParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterInterceptListRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterInterceptListRequest> create() { return std::shared_ptr<TAVORouterInterceptListRequest>(new TAVORouterInterceptListRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "getInterceptList"; }
    TAVODataParserPtr createParser() override { return TAVORouterInterceptListParser::create(); }
    std::string className() const override { return "TAVORouterInterceptListRequest"; }

protected:
    TAVORouterInterceptListRequest() = default;
};
