// TAVORouterUpdateRomRequest: request 26, system.updateRom.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterUpdateRomRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterUpdateRomRequest> create() { return std::shared_ptr<TAVORouterUpdateRomRequest>(new TAVORouterUpdateRomRequest()); }
    std::string moduleNameForAPI() const override { return "system"; }
    std::string concreteNameForAPI() const override { return "updateRom"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterUpdateRomRequest"; }

protected:
    TAVORouterUpdateRomRequest() = default;
};
