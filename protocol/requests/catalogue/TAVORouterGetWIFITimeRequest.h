// TAVORouterGetWIFITimeRequest: request 31, router.getwifitimer.
#pragma once

#include "protocol/records/TAVORouterGetWIFITimeParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterGetWIFITimeRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterGetWIFITimeRequest> create() { return std::shared_ptr<TAVORouterGetWIFITimeRequest>(new TAVORouterGetWIFITimeRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "getwifitimer"; }
    TAVODataParserPtr createParser() override { return TAVORouterGetWIFITimeParser::create(); }
    std::string className() const override { return "TAVORouterGetWIFITimeRequest"; }

protected:
    TAVORouterGetWIFITimeRequest() = default;
};
