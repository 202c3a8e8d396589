// TAVORouterNetDiagnoseRequest: request 11, router.netdiagnose.
#pragma once

#include "protocol/records/TAVORouterDiagnoseParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterNetDiagnoseRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterNetDiagnoseRequest> create() { return std::shared_ptr<TAVORouterNetDiagnoseRequest>(new TAVORouterNetDiagnoseRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "netdiagnose"; }
    TAVODataParserPtr createParser() override {
        auto parser = TAVORouterDiagnoseParser::create();
        parser->param = param();
        return parser;
    }
    std::string className() const override { return "TAVORouterNetDiagnoseRequest"; }

protected:
    TAVORouterNetDiagnoseRequest() = default;
};
