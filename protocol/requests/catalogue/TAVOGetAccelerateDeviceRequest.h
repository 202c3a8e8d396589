// TAVOGetAccelerateDeviceRequest: request 45, device.getAcceleratingDevice.
#pragma once

#include "protocol/records/TAVOGetAccelerateDeviceParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOGetAccelerateDeviceRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOGetAccelerateDeviceRequest> create() { return std::shared_ptr<TAVOGetAccelerateDeviceRequest>(new TAVOGetAccelerateDeviceRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "getAcceleratingDevice"; }
    TAVODataParserPtr createParser() override { return TAVOGetAccelerateDeviceParser::create(); }
    std::string className() const override { return "TAVOGetAccelerateDeviceRequest"; }

protected:
    TAVOGetAccelerateDeviceRequest() = default;
};
