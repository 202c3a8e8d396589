// TAVOWIFIGetChannelDeviceNumRequest: request 47, wifi.getChannelDeviceNum.
#pragma once

#include "protocol/records/TAVOGetChannelDeviceNumParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOWIFIGetChannelDeviceNumRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOWIFIGetChannelDeviceNumRequest> create() { return std::shared_ptr<TAVOWIFIGetChannelDeviceNumRequest>(new TAVOWIFIGetChannelDeviceNumRequest()); }
    std::string moduleNameForAPI() const override { return "wifi"; }
    std::string concreteNameForAPI() const override { return "getChannelDeviceNum"; }
    TAVODataParserPtr createParser() override { return TAVOGetChannelDeviceNumParser::create(); }
    std::string className() const override { return "TAVOWIFIGetChannelDeviceNumRequest"; }

protected:
    TAVOWIFIGetChannelDeviceNumRequest() = default;
};
