// TAVOClearDeviceTokenRequest: request 59, device.clearApnsToken, always in the cloud.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOClearDeviceTokenRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOClearDeviceTokenRequest> create() { return std::shared_ptr<TAVOClearDeviceTokenRequest>(new TAVOClearDeviceTokenRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "clearApnsToken"; }
    bool isLocal() const override { return false; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVOClearDeviceTokenRequest"; }

protected:
    TAVOClearDeviceTokenRequest() = default;
};
