// TAVORouterQueryRomUpdateRequest: request 25, system.checkUpdate.
#pragma once

#include "protocol/records/TAVOQueryRomUpdateParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterQueryRomUpdateRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterQueryRomUpdateRequest> create() { return std::shared_ptr<TAVORouterQueryRomUpdateRequest>(new TAVORouterQueryRomUpdateRequest()); }
    std::string moduleNameForAPI() const override { return "system"; }
    std::string concreteNameForAPI() const override { return "checkUpdate"; }
    TAVODataParserPtr createParser() override { return TAVOQueryRomUpdateParser::create(); }
    std::string className() const override { return "TAVORouterQueryRomUpdateRequest"; }

protected:
    TAVORouterQueryRomUpdateRequest() = default;
};
