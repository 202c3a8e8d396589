#include "management/engines/TAVORouterProtectCommonSWEngine.h"

#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterSetCommonSWRequest.h"

std::shared_ptr<TAVORouterProtectCommonSWEngine> TAVORouterProtectCommonSWEngine::create() {
    auto engine = std::shared_ptr<TAVORouterProtectCommonSWEngine>(new TAVORouterProtectCommonSWEngine());
    auto* raw = engine.get();
    TAVORequestAnswers::listen<TAVORouterSetCommonSWRequest>(
        engine,
        [raw](const ns::Value&, const ns::Dictionary&) {
            if (auto d = raw->delegate.lock()) d->operationResultOK(*raw);
        },
        [raw](const TAVOErrorPtr& error, const ns::Dictionary&) {
            std::optional<std::string> text;
            if (error) text = error->errorMsg();
            if (auto d = raw->delegate.lock()) d->operationResultNG(*raw, text);
        });
    return engine;
}

TAVORouterProtectCommonSWEngine::~TAVORouterProtectCommonSWEngine() {
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
}

std::int32_t TAVORouterProtectCommonSWEngine::requestCommonSW(int type, int state) {
    auto facade = TAVOAccountManager::shareInstance();
    ns::Dictionary param = facade->createQtAndRouterIdDic().asDictionary();
    param.set("type", type);
    param.set("sw", state);
    auto provider = facade->dataProvider(TAVODataProviderId::Device);
    return provider ? provider->reqData(TAVORequestNumber::RouterSetCommonSW, ns::Value(param)) : 0;
}
