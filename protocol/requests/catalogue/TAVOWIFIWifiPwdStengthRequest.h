// TAVOWIFIWifiPwdStengthRequest: request 49, wifi.wifiPwdStrength.
#pragma once

#include "protocol/records/TAVOWifiPwdStrengthParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOWIFIWifiPwdStengthRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOWIFIWifiPwdStengthRequest> create() { return std::shared_ptr<TAVOWIFIWifiPwdStengthRequest>(new TAVOWIFIWifiPwdStengthRequest()); }
    std::string moduleNameForAPI() const override { return "wifi"; }
    std::string concreteNameForAPI() const override { return "wifiPwdStrength"; }
    TAVODataParserPtr createParser() override { return TAVOWifiPwdStrengthParser::create(); }
    std::string className() const override { return "TAVOWIFIWifiPwdStengthRequest"; }

protected:
    TAVOWIFIWifiPwdStengthRequest() = default;
};
