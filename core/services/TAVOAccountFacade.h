// What the core and the protocol layer need of the account and router
// facade; the management layer registers the facade itself at start-up.
#pragma once

#include <memory>

#include "core/services/TAVOService.h"

class TAVORouterModel;
class TAVOAccountModel;

class TAVOAccountFacade {
public:
    virtual ~TAVOAccountFacade() = default;
    // The router the user works on now, or nullptr.
    virtual std::shared_ptr<TAVORouterModel> currentRouter() = 0;
    // Makes the router current, raises global event 2 and remembers it.
    virtual void setCurrentRouter(std::shared_ptr<TAVORouterModel> router) = 0;
    // The signed-in account, or nullptr.
    virtual std::shared_ptr<TAVOAccountModel> currentAccountData() = 0;
    // The router reached on the home network, or nullptr.
    virtual std::shared_ptr<TAVORouterModel> localRouter() = 0;
    virtual void setLocalRouter(std::shared_ptr<TAVORouterModel> router) = 0;
    // The local router set aside while the phone is off its Wi-Fi.
    virtual std::shared_ptr<TAVORouterModel> dropedLocalRouter() = 0;
    virtual void setDropedLocalRouter(std::shared_ptr<TAVORouterModel> router) = 0;

    static std::shared_ptr<TAVOAccountFacade> shared() { return TAVOService<TAVOAccountFacade>::get(); }
    static void setShared(std::shared_ptr<TAVOAccountFacade> f) { TAVOService<TAVOAccountFacade>::set(std::move(f)); }
};
