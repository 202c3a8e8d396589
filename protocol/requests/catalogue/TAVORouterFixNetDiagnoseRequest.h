// TAVORouterFixNetDiagnoseRequest: request 12, router.netDiagnoseFix.
#pragma once

#include "protocol/records/TAVORouterDiagnoseParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterFixNetDiagnoseRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterFixNetDiagnoseRequest> create() { return std::shared_ptr<TAVORouterFixNetDiagnoseRequest>(new TAVORouterFixNetDiagnoseRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "netDiagnoseFix"; }
    TAVODataParserPtr createParser() override {
        auto parser = TAVORouterDiagnoseParser::create();
        parser->param = param();
        return parser;
    }
    std::string className() const override { return "TAVORouterFixNetDiagnoseRequest"; }

protected:
    TAVORouterFixNetDiagnoseRequest() = default;
};
