// TAVORouterWIFIWorkControlRequest: request 30, router.wifiControl.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterWIFIWorkControlRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterWIFIWorkControlRequest> create() { return std::shared_ptr<TAVORouterWIFIWorkControlRequest>(new TAVORouterWIFIWorkControlRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "wifiControl"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterWIFIWorkControlRequest"; }

protected:
    TAVORouterWIFIWorkControlRequest() = default;
};
