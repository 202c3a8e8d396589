// Provider 1: every request addressed to one router. The router comes from
// the parameters' "router" entry (taken out before sending) or else is the
// facade's current router; it decides the channel and adds its local
// credentials. A change of router forgets the running requests.
#pragma once

#include <memory>

#include "core/records/TAVORouterModel.h"
#include "protocol/TAVODataProvider.h"
#include "protocol/records/TAVORouterDiagnoseModel.h"
#include "protocol/records/TAVORouterStatus.h"

class TAVODeviceDataProvider : public TAVODataProvider {
public:
    static std::shared_ptr<TAVODeviceDataProvider> create() {
        return std::shared_ptr<TAVODeviceDataProvider>(new TAVODeviceDataProvider());
    }
    bool checkParam(int no, const ns::Value& param) override;
    std::int32_t execReq(int no, const ns::Value& param) override;

    const TAVORouterModelPtr& router() const { return router_; }
    void setRouter(const TAVORouterModelPtr& router);
    // Adds the router's admin password, ticket and the phone's identifier
    // (needPsw: the bind requests), or, for a local router, the phone's
    // identifier and the ticket.
    void setLocalParam(ns::Dictionary& param, bool needPsw);

    TAVORouterStatusPtr status;
    std::shared_ptr<TAVORouterDiagnoseModel> diagnoseModel;

    std::string className() const override { return "TAVODeviceDataProvider"; }

protected:
    TAVODeviceDataProvider() = default;

private:
    TAVORouterModelPtr router_;
};
