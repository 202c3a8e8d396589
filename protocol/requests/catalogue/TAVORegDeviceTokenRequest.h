// TAVORegDeviceTokenRequest: request 58, device.registerApnsToken, always in the cloud.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORegDeviceTokenRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORegDeviceTokenRequest> create() { return std::shared_ptr<TAVORegDeviceTokenRequest>(new TAVORegDeviceTokenRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "registerApnsToken"; }
    bool isLocal() const override { return false; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORegDeviceTokenRequest"; }

protected:
    TAVORegDeviceTokenRequest() = default;
};
