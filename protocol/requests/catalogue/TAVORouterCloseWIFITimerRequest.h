// TAVORouterCloseWIFITimerRequest: request 33, router.closeWifiTimer.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterCloseWIFITimerRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterCloseWIFITimerRequest> create() { return std::shared_ptr<TAVORouterCloseWIFITimerRequest>(new TAVORouterCloseWIFITimerRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "closeWifiTimer"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterCloseWIFITimerRequest"; }

protected:
    TAVORouterCloseWIFITimerRequest() = default;
};
