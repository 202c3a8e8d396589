// TAVORouterBindToAccountRequest: request 7, device.bind, always on the home network.
#pragma once

#include "protocol/requests/TAVORouterBindParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterBindToAccountRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterBindToAccountRequest> create() { return std::shared_ptr<TAVORouterBindToAccountRequest>(new TAVORouterBindToAccountRequest()); }
    std::string moduleNameForAPI() const override { return "device"; }
    std::string concreteNameForAPI() const override { return "bind"; }
    bool isLocal() const override { return true; }
    TAVODataParserPtr createParser() override { return TAVORouterBindParser::create(); }
    std::string className() const override { return "TAVORouterBindToAccountRequest"; }

protected:
    TAVORouterBindToAccountRequest() = default;
};
