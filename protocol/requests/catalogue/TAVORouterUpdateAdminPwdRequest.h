// TAVORouterUpdateAdminPwdRequest: request 52, login / security.loginChange (local) / updateAdminPwdWithOld (cloud).
#pragma once

#include "protocol/records/TAVORouterUpdateAdminPwdResultParser.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

class TAVORouterUpdateAdminPwdRequest : public TAVORemoteHttpDataRequest {
public:
    static std::shared_ptr<TAVORouterUpdateAdminPwdRequest> create() { return std::shared_ptr<TAVORouterUpdateAdminPwdRequest>(new TAVORouterUpdateAdminPwdRequest()); }
    std::string moduleNameForAPI() const override { return isLocal() ? "login" : "security"; }
    std::string concreteNameForAPI() const override { return isLocal() ? "loginChange" : "updateAdminPwdWithOld"; }
    TAVODataParserPtr createParser() override { return TAVORouterUpdateAdminPwdResultParser::create(); }
    std::string className() const override { return "TAVORouterUpdateAdminPwdRequest"; }

protected:
    TAVORouterUpdateAdminPwdRequest() = default;
};
