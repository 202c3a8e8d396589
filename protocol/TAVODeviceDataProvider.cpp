#include "protocol/TAVODeviceDataProvider.h"

#include "core/services/TAVOAccountFacade.h"
#include "core/crypto/AppInfoUtility.h"
#include "protocol/TAVODataProviderCommon.h"
#include "protocol/requests/TAVORequestCatalogue.h"

bool TAVODeviceDataProvider::checkParam(int no, const ns::Value& param) {
    if (TAVORequestNumber{no} == TAVORequestNumber::RouterPermitDevice) return param["mac"].isString() && !param["mac"].asString().empty();
    return true;
}

void TAVODeviceDataProvider::setRouter(const TAVORouterModelPtr& router) {
    const bool same = router_ && router && router_->isEqualToRouter(router);
    router_ = router;
    if (!same) resetDataProvider();
}

void TAVODeviceDataProvider::setLocalParam(ns::Dictionary& param, bool needPsw) {
    if (!router_) return;
    const std::string identifier = AppInfoUtility::uniqueueIdentifier();
    if (needPsw) {
        if (std::string psw = router_->adminPsw(); !psw.empty()) param.set("admpwd", psw);
        if (!router_->ticket.empty()) param.set("ticket", router_->ticket);
        if (!identifier.empty()) param.set("user_mac", identifier);
        return;
    }
    if (!router_->isLocalRouter) return;
    if (!identifier.empty()) param.set("user_mac", identifier);
    if (!router_->ticket.empty()) param.set("ticket", router_->ticket);
}

std::int32_t TAVODeviceDataProvider::execReq(int no, const ns::Value& param) {
    ns::Dictionary d = param.isDictionary() ? param.asDictionary() : ns::Dictionary{};
    if (auto given = param["router"].as<TAVORouterModel>()) {
        setRouter(given);
        d.remove("router");
    } else {
        auto facade = TAVOAccountFacade::shared();
        setRouter(facade ? facade->currentRouter() : nullptr);
    }
    bool local = router_ && router_->isLocalRouter;
    const std::string className = TAVODataProviderCommon::shareInstance()->classNameForRequest(no);
    auto request = className.empty() ? nullptr : TAVORequestCatalogue::createRequest(className);
    if (!request) return 0;

    ns::Dictionary sent;
    if (const TAVORequestNumber number{no};
        number == TAVORequestNumber::RouterBind || number == TAVORequestNumber::RouterBindToAccount) {
        if (const ns::Value& qt = d["qt"]; qt.isString() && !qt.asString().empty()) sent.set("qt", qt);
        setLocalParam(sent, true);
        local = true;
    } else {
        sent = std::move(d);
        setLocalParam(sent, false);
    }
    if (router_) request->setIsLocal(local);
    addReqQueue(request);
    request->startRequest(ns::Value(std::move(sent)));
    return request->token();
}
