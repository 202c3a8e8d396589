// TAVORouterFactoryResetRequest: request 63, router.factoryReset.
#pragma once

#include "protocol/requests/TAVOTolerantEnvelopeParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterFactoryResetRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterFactoryResetRequest> create() { return std::shared_ptr<TAVORouterFactoryResetRequest>(new TAVORouterFactoryResetRequest()); }
    std::string moduleNameForAPI() const override { return "router"; }
    std::string concreteNameForAPI() const override { return "factoryReset"; }
    TAVODataParserPtr createParser() override { return TAVOTolerantEnvelopeParser::create(); }
    std::string className() const override { return "TAVORouterFactoryResetRequest"; }

protected:
    TAVORouterFactoryResetRequest() = default;
};
