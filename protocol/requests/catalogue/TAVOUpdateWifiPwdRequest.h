// TAVOUpdateWifiPwdRequest: request 48, wifi.set (local) / updateWifiPwd (cloud).
#pragma once

#include "protocol/records/TAVOUpdateWifiPwdResultParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOUpdateWifiPwdRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOUpdateWifiPwdRequest> create() { return std::shared_ptr<TAVOUpdateWifiPwdRequest>(new TAVOUpdateWifiPwdRequest()); }
    std::string moduleNameForAPI() const override { return "wifi"; }
    std::string concreteNameForAPI() const override { return isLocal() ? "set" : "updateWifiPwd"; }
    TAVODataParserPtr createParser() override { return TAVOUpdateWifiPwdResultParser::create(); }
    std::string className() const override { return "TAVOUpdateWifiPwdRequest"; }

protected:
    TAVOUpdateWifiPwdRequest() = default;
};
