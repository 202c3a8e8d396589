// TAVORouterTrustDeviceRequest: request 18, device.trustDevice.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterTrustDeviceRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterTrustDeviceRequest> create() { return std::shared_ptr<TAVORouterTrustDeviceRequest>(new TAVORouterTrustDeviceRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "trustDevice"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterTrustDeviceRequest"; }

protected:
    TAVORouterTrustDeviceRequest() = default;
};
