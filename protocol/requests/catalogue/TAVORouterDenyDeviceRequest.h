// TAVORouterDenyDeviceRequest: request 19, device.denyDevice.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterDenyDeviceRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterDenyDeviceRequest> create() { return std::shared_ptr<TAVORouterDenyDeviceRequest>(new TAVORouterDenyDeviceRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "denyDevice"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterDenyDeviceRequest"; }

protected:
    TAVORouterDenyDeviceRequest() = default;
};
