// TAVORouterRomUpdateProgressRequest: request 27, system.upgradeStatus.
#pragma once

#include "protocol/records/TAVORouterRomUpdateProgressParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterRomUpdateProgressRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterRomUpdateProgressRequest> create() { return std::shared_ptr<TAVORouterRomUpdateProgressRequest>(new TAVORouterRomUpdateProgressRequest()); }
    std::string moduleNameForAPI() const override { return "system"; }
    std::string concreteNameForAPI() const override { return "upgradeStatus"; }
    TAVODataParserPtr createParser() override { return TAVORouterRomUpdateProgressParser::create(); }
    std::string className() const override { return "TAVORouterRomUpdateProgressRequest"; }

protected:
    TAVORouterRomUpdateProgressRequest() = default;
};
