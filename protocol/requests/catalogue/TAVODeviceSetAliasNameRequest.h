// TAVODeviceSetAliasNameRequest: request 20, device.setDevAlias.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVODeviceSetAliasNameRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVODeviceSetAliasNameRequest> create() { return std::shared_ptr<TAVODeviceSetAliasNameRequest>(new TAVODeviceSetAliasNameRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "setDevAlias"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVODeviceSetAliasNameRequest"; }

protected:
    TAVODeviceSetAliasNameRequest() = default;
};
