// TAVOQueryAdminPwdSafetyRequest: request 53, security.getAdminPwdSafety.
#pragma once

#include "protocol/records/TAVORouterAdminPwdSafetyResultParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVOQueryAdminPwdSafetyRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVOQueryAdminPwdSafetyRequest> create() { return std::shared_ptr<TAVOQueryAdminPwdSafetyRequest>(new TAVOQueryAdminPwdSafetyRequest()); }
    std::string moduleNameForAPI() const override { return "security"; }
    std::string concreteNameForAPI() const override { return "getAdminPwdSafety"; }
    TAVODataParserPtr createParser() override { return TAVORouterAdminPwdSafetyResultParser::create(); }
    std::string className() const override { return "TAVOQueryAdminPwdSafetyRequest"; }

protected:
    TAVOQueryAdminPwdSafetyRequest() = default;
};
