// TAVORouterTicketVerificationRequest: request 5, system.checkticket, always on the home network.
#pragma once

#include "protocol/requests/TAVOHttpDataParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterTicketVerificationRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterTicketVerificationRequest> create() { return std::shared_ptr<TAVORouterTicketVerificationRequest>(new TAVORouterTicketVerificationRequest()); }
    std::string moduleNameForAPI() const override { return "system"; }
    std::string concreteNameForAPI() const override { return "checkticket"; }
    bool isLocal() const override { return true; }
    double timeout() const override { return 5.0; }
    TAVODataParserPtr createParser() override { return TAVOHttpDataParser::create(); }
    std::string className() const override { return "TAVORouterTicketVerificationRequest"; }

protected:
    TAVORouterTicketVerificationRequest() = default;
};
