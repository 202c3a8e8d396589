#include "protocol/TAVOAccountSRInfosDataProvider.h"

#include "core/services/TAVODeviceTokenUploading.h"
#include "platform/foundation/DispatchQueue.h"
#include "protocol/requests/catalogue/TAVORouterUnbindRequest.h"
#include "protocol/requests/catalogue/TAVORoutersListRequest.h"

std::int32_t TAVOAccountSRInfosDataProvider::execReq(int no, const ns::Value& param) {
    TAVORemoteHttpDataRequestPtr request;
    if (TAVORequestNumber{no} == TAVORequestNumber::RoutersList)
        request = TAVORoutersListRequest::create();
    else if (TAVORequestNumber{no} == TAVORequestNumber::RouterUnbind)
        request = TAVORouterUnbindRequest::create();
    else
        return 0;
    addReqQueue(request);
    request->startRequest(param);
    return request->token();
}

void TAVOAccountSRInfosDataProvider::requestSucceedWithData(const TAVODataRequestPtr& request, const ns::Value& result) {
    if (std::dynamic_pointer_cast<TAVORoutersListRequest>(request)) {
        std::vector<TAVORouterModelPtr> routers;
        if (result.isArray())
            for (const auto& element : result.asArray())
                if (auto router = element.as<TAVORouterModel>()) routers.push_back(router);
        routersList_ = std::move(routers);
        refreshDeviceTokens();
    } else if (std::dynamic_pointer_cast<TAVORouterUnbindRequest>(request)) {
        const std::string routerId = request->param()["router_id"].stringValue();
        auto copy = routersList_;
        for (auto it = copy.begin(); it != copy.end(); ++it) {
            if ((*it)->isEqualToRouterId(routerId)) {
                copy.erase(it);
                break;
            }
        }
        routersList_ = std::move(copy);
        refreshDeviceTokens();
    }
    TAVODataProvider::requestSucceedWithData(request, result);
}

void TAVOAccountSRInfosDataProvider::refreshDeviceTokens() {
    auto self = this->self<TAVOAccountSRInfosDataProvider>();
    dispatch::Queue::main()->async([self] {
        std::vector<std::string> ids;
        for (const auto& router : self->routersList_)
            if (!router->router_id.empty()) ids.push_back(router->router_id);
        if (auto engine = TAVODeviceTokenUploading::shared()) engine->uploadDeviceTokenWithRouter(ids);
    });
}
