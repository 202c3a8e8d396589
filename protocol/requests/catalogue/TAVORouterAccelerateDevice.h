// TAVORouterAccelerateDevice: request 43, device.accelerateDevice.
#pragma once

#include "protocol/records/TAVODeviceAccelerateResultParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterAccelerateDevice : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterAccelerateDevice> create() { return std::shared_ptr<TAVORouterAccelerateDevice>(new TAVORouterAccelerateDevice()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "accelerateDevice"; }
    TAVODataParserPtr createParser() override { return TAVODeviceAccelerateResultParser::create(); }
    std::string className() const override { return "TAVORouterAccelerateDevice"; }

protected:
    TAVORouterAccelerateDevice() = default;
};
