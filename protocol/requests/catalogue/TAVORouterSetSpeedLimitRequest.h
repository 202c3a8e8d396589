// TAVORouterSetSpeedLimitRequest: request 61, device.setspeedlimit.
#pragma once

#include "protocol/records/TAVOSetSpeedLimitParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterSetSpeedLimitRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterSetSpeedLimitRequest> create() { return std::shared_ptr<TAVORouterSetSpeedLimitRequest>(new TAVORouterSetSpeedLimitRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "setspeedlimit"; }
    TAVODataParserPtr createParser() override { return TAVOSetSpeedLimitParser::create(); }
    std::string className() const override { return "TAVORouterSetSpeedLimitRequest"; }

protected:
    TAVORouterSetSpeedLimitRequest() = default;
};
