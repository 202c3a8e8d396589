// TAVORouterUnbindRequest: request 1, system.unbind, always in the cloud.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterUnbindRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterUnbindRequest> create() { return std::shared_ptr<TAVORouterUnbindRequest>(new TAVORouterUnbindRequest()); }
    std::string moduleNameForAPI() const override { return "system"; }
    std::string concreteNameForAPI() const override { return "unbind"; }
    bool isLocal() const override { return false; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterUnbindRequest"; }

protected:
    TAVORouterUnbindRequest() = default;
};
