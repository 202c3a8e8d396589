// TAVORouterRestartRequest: request 8, router.reboot.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterRestartRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterRestartRequest> create() { return std::shared_ptr<TAVORouterRestartRequest>(new TAVORouterRestartRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "reboot"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterRestartRequest"; }

protected:
    TAVORouterRestartRequest() = default;
};
