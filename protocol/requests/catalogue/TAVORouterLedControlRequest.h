// TAVORouterLedControlRequest: request 29, router.ledControl.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterLedControlRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterLedControlRequest> create() { return std::shared_ptr<TAVORouterLedControlRequest>(new TAVORouterLedControlRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "ledControl"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterLedControlRequest"; }

protected:
    TAVORouterLedControlRequest() = default;
};
