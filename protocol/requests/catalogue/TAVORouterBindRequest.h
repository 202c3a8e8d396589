// TAVORouterBindRequest: request 6, login.login, always on the home network.
#pragma once

#include "protocol/requests/TAVORouterBindParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterBindRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterBindRequest> create() { return std::shared_ptr<TAVORouterBindRequest>(new TAVORouterBindRequest()); }
    std::string moduleNameForAPI() const override { return "login"; }
    std::string concreteNameForAPI() const override { return "login"; }
    bool isLocal() const override { return true; }
    TAVODataParserPtr createParser() override { return TAVORouterBindParser::create(); }
    std::string className() const override { return "TAVORouterBindRequest"; }

protected:
    TAVORouterBindRequest() = default;
};
