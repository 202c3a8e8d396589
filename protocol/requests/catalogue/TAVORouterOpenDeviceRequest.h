// TAVORouterOpenDeviceRequest: request 15, device.openDevice.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterOpenDeviceRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterOpenDeviceRequest> create() { return std::shared_ptr<TAVORouterOpenDeviceRequest>(new TAVORouterOpenDeviceRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "openDevice"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterOpenDeviceRequest"; }

protected:
    TAVORouterOpenDeviceRequest() = default;
};
