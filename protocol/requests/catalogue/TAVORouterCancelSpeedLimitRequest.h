// TAVORouterCancelSpeedLimitRequest: request 62, device.cancelspeedlimit.
#pragma once

#include "protocol/records/TAVOCancelSpeedLimitParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterCancelSpeedLimitRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterCancelSpeedLimitRequest> create() { return std::shared_ptr<TAVORouterCancelSpeedLimitRequest>(new TAVORouterCancelSpeedLimitRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "cancelspeedlimit"; }
    TAVODataParserPtr createParser() override { return TAVOCancelSpeedLimitParser::create(); }
    std::string className() const override { return "TAVORouterCancelSpeedLimitRequest"; }

protected:
    TAVORouterCancelSpeedLimitRequest() = default;
};
