// TAVORouterDiagnoseRequest: request 9, router.diagnose.
#pragma once

#include "protocol/records/TAVORouterDiagnoseParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterDiagnoseRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterDiagnoseRequest> create() { return std::shared_ptr<TAVORouterDiagnoseRequest>(new TAVORouterDiagnoseRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "diagnose"; }
    TAVODataParserPtr createParser() override {
        auto parser = TAVORouterDiagnoseParser::create();
        parser->param = param();
        return parser;
    }
    std::string className() const override { return "TAVORouterDiagnoseRequest"; }

protected:
    TAVORouterDiagnoseRequest() = default;
};
