// TAVORouterSetWIFITimeRequest: request 32, router.setwifitimer.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterSetWIFITimeRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterSetWIFITimeRequest> create() { return std::shared_ptr<TAVORouterSetWIFITimeRequest>(new TAVORouterSetWIFITimeRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "setwifitimer"; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterSetWIFITimeRequest"; }

protected:
    TAVORouterSetWIFITimeRequest() = default;
};
