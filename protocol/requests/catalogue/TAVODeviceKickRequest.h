// TAVODeviceKickRequest: request 17, device.kickDevice.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVODeviceKickRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVODeviceKickRequest> create() { return std::shared_ptr<TAVODeviceKickRequest>(new TAVODeviceKickRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "kickDevice"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVODeviceKickRequest"; }

protected:
    TAVODeviceKickRequest() = default;
};
