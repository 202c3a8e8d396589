// TAVORouterClearInterceptRequest: a request no number leads to, router.clearIntercept.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterClearInterceptRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterClearInterceptRequest> create() { return std::shared_ptr<TAVORouterClearInterceptRequest>(new TAVORouterClearInterceptRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "clearIntercept"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterClearInterceptRequest"; }

protected:
    TAVORouterClearInterceptRequest() = default;
};
