// TAVORouterTestSpeedRequest: request 39, router.testSpeed.
#pragma once

#include "protocol/records/TAVORouterSpeedParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterTestSpeedRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterTestSpeedRequest> create() { return std::shared_ptr<TAVORouterTestSpeedRequest>(new TAVORouterTestSpeedRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "testSpeed"; }
    TAVODataParserPtr createParser() override {
        auto parser = TAVORouterSpeedParser::create();
        parser->param = param();
        return parser;
    }
    std::string className() const override { return "TAVORouterTestSpeedRequest"; }

protected:
    TAVORouterTestSpeedRequest() = default;
};
