// TAVORouterQueryBlackListRequest: request 13, device.getBlackList.
#pragma once

#include "protocol/records/TAVORouterQueryBlackListParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterQueryBlackListRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterQueryBlackListRequest> create() { return std::shared_ptr<TAVORouterQueryBlackListRequest>(new TAVORouterQueryBlackListRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "getBlackList"; }
    TAVODataParserPtr createParser() override { return TAVORouterQueryBlackListParser::create(); }
    std::string className() const override { return "TAVORouterQueryBlackListRequest"; }

protected:
    TAVORouterQueryBlackListRequest() = default;
};
