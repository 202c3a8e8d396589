// TAVORouterPermitDeviceRequest: request 14, device.permitDevice.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterPermitDeviceRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterPermitDeviceRequest> create() { return std::shared_ptr<TAVORouterPermitDeviceRequest>(new TAVORouterPermitDeviceRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "permitDevice"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterPermitDeviceRequest"; }

protected:
    TAVORouterPermitDeviceRequest() = default;
};
