// TAVORouterInitCheckRequest: request 4, init.check, always on the home network.
#pragma once

#include "protocol/records/TAVORouterInitCheckParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterInitCheckRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterInitCheckRequest> create() { return std::shared_ptr<TAVORouterInitCheckRequest>(new TAVORouterInitCheckRequest()); }
    std::string moduleNameForAPI() const override { return "init"; }
    std::string concreteNameForAPI() const override { return "check"; }
    bool isLocal() const override { return true; }
    double timeout() const override { return 10.0; }
    TAVODataParserPtr createParser() override { return TAVORouterInitCheckParser::create(); }
    std::string className() const override { return "TAVORouterInitCheckRequest"; }

protected:
    TAVORouterInitCheckRequest() = default;
};
