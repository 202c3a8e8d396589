// TAVORouterSetNeedPermitRequest: request 36, router.setneedpermit.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterSetNeedPermitRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterSetNeedPermitRequest> create() { return std::shared_ptr<TAVORouterSetNeedPermitRequest>(new TAVORouterSetNeedPermitRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "setneedpermit"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterSetNeedPermitRequest"; }

protected:
    TAVORouterSetNeedPermitRequest() = default;
};
