// TAVORouterGetProtectElapseRequest: request 54, security.getProtectElapse.
#pragma once

#include "protocol/records/TAVOGetProtectionElapseParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterGetProtectElapseRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterGetProtectElapseRequest> create() { return std::shared_ptr<TAVORouterGetProtectElapseRequest>(new TAVORouterGetProtectElapseRequest()); }
    std::string moduleNameForAPI() const override { return "security"; }
    std::string concreteNameForAPI() const override { return "getProtectElapse"; }
    TAVODataParserPtr createParser() override { return TAVOGetProtectionElapseParser::create(); }
    std::string className() const override { return "TAVORouterGetProtectElapseRequest"; }

protected:
    TAVORouterGetProtectElapseRequest() = default;
};
