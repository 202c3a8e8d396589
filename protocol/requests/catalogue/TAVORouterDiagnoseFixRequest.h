// TAVORouterDiagnoseFixRequest: request 10, router.optimize.
#pragma once

#include "protocol/records/TAVODiagnoseFixParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterDiagnoseFixRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterDiagnoseFixRequest> create() { return std::shared_ptr<TAVORouterDiagnoseFixRequest>(new TAVORouterDiagnoseFixRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "optimize"; }
    TAVODataParserPtr createParser() override {
        auto parser = TAVODiagnoseFixParser::create();
        parser->param = param();
        return parser;
    }
    std::string className() const override { return "TAVORouterDiagnoseFixRequest"; }

protected:
    TAVORouterDiagnoseFixRequest() = default;
};
