// An account facade that only keeps the routers it is given, for tests and
// benchmarks that run the core or the protocol without the real facade.
// Header-only: the targets that use it link the core; the harness does not.
#pragma once

#include <memory>
#include <utility>

#include "core/records/TAVOAccountModel.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"

namespace keelbox::test {

class FakeAccountFacade : public TAVOAccountFacade {
public:
    std::shared_ptr<TAVORouterModel> current, local, dropped;
    std::shared_ptr<TAVORouterModel> currentRouter() override { return current; }
    void setCurrentRouter(std::shared_ptr<TAVORouterModel> r) override { current = std::move(r); }
    std::shared_ptr<TAVOAccountModel> currentAccountData() override { return nullptr; }
    std::shared_ptr<TAVORouterModel> localRouter() override { return local; }
    void setLocalRouter(std::shared_ptr<TAVORouterModel> r) override { local = std::move(r); }
    std::shared_ptr<TAVORouterModel> dropedLocalRouter() override { return dropped; }
    void setDropedLocalRouter(std::shared_ptr<TAVORouterModel> r) override { dropped = std::move(r); }
};

}  // namespace keelbox::test
