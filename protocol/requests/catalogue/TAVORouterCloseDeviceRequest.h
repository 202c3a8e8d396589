// TAVORouterCloseDeviceRequest: request 16, device.closeDevice.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterCloseDeviceRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterCloseDeviceRequest> create() { return std::shared_ptr<TAVORouterCloseDeviceRequest>(new TAVORouterCloseDeviceRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "closeDevice"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterCloseDeviceRequest"; }

protected:
    TAVORouterCloseDeviceRequest() = default;
};
