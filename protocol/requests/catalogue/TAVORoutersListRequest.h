// TAVORoutersListRequest: request 0, router.getRouterList, always in the cloud.
#pragma once

#include "protocol/records/TAVORoutersListParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORoutersListRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORoutersListRequest> create() { return std::shared_ptr<TAVORoutersListRequest>(new TAVORoutersListRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "getRouterList"; }
    bool isLocal() const override { return false; }
    TAVODataParserPtr createParser() override { return TAVORoutersListParser::create(); }
    std::string className() const override { return "TAVORoutersListRequest"; }

protected:
    TAVORoutersListRequest() = default;
};
