// Provider 0: the account's router list (request 0) and unbinding a router
// (request 1), both in the cloud. After each, the push token is registered
// for every router of the list.
#pragma once

#include <memory>
#include <vector>

#include "core/records/TAVORouterModel.h"
#include "protocol/TAVODataProvider.h"
#include "protocol/requests/CommonInfoProvider.h"

class TAVOAccountSRInfosDataProvider : public TAVODataProvider, public CommonInfoProvider {
public:
    static std::shared_ptr<TAVOAccountSRInfosDataProvider> create() {
        return std::shared_ptr<TAVOAccountSRInfosDataProvider>(new TAVOAccountSRInfosDataProvider());
    }
    std::int32_t execReq(int no, const ns::Value& param) override;
    void requestSucceedWithData(const TAVODataRequestPtr& request, const ns::Value& result) override;

    const std::vector<TAVORouterModelPtr>& routersList() const { return routersList_; }
    void setRoutersList(std::vector<TAVORouterModelPtr> routers) { routersList_ = std::move(routers); }

    std::string className() const override { return "TAVOAccountSRInfosDataProvider"; }

protected:
    TAVOAccountSRInfosDataProvider() = default;

private:
    void refreshDeviceTokens();
    std::vector<TAVORouterModelPtr> routersList_;
};
