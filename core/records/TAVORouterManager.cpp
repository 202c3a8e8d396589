#include "core/records/TAVORouterManager.h"

#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "platform/foundation/Singleton.h"

std::shared_ptr<TAVORouterManager> TAVORouterManager::create() {
    return std::shared_ptr<TAVORouterManager>(new TAVORouterManager());
}

std::shared_ptr<TAVORouterManager> TAVORouterManager::shareInstance() {
    return ns::Singleton<TAVORouterManager>::get();
}

bool TAVORouterManager::isLocalRouter() const {
    auto facade = TAVOAccountFacade::shared();
    if (!facade) return false;
    auto router = facade->currentRouter();
    return router && router->isLocalRouter;
}
