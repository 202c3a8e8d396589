#include "management/engines/TAVORouterProtectCommonSWEngine.h"

#include "core/errors/TAVOError.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"

std::shared_ptr<TAVORouterProtectCommonSWEngine> TAVORouterProtectCommonSWEngine::create() {
    auto engine = std::shared_ptr<TAVORouterProtectCommonSWEngine>(new TAVORouterProtectCommonSWEngine());
    auto* raw = engine.get();
    auto center = ns::NotificationCenter::defaultCenter();
    const std::string base = kCommonSwitchNotification;
    center->addObserver(
        engine,
        [raw](const ns::NotificationPtr&) {
            if (auto d = raw->delegate.lock()) d->operationResultOK(*raw);
        },
        base + "_OK");
    center->addObserver(
        engine,
        [raw](const ns::NotificationPtr& n) {
            std::optional<std::string> text;
            if (auto error = n->object().as<TAVOError>()) text = error->errorMsg();
            if (auto d = raw->delegate.lock()) d->operationResultNG(*raw, text);
        },
        base + "_NG");
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
    auto provider = facade->dataProvider(1);
    return provider ? provider->reqData(28, ns::Value(param)) : 0;
}
