// The application-version check, as the core uses it: start-up and the
// event hub each make a checker, hold it while it runs and hear the result
// through the delegate. The account screens register the maker of real
// checkers here at start-up.
#pragma once

#include <memory>
#include <optional>

#include "core/services/TAVOAppInfoSource.h"
#include "core/services/TAVOService.h"
#include "platform/foundation/Value.h"

class TAVOAppUpdateChecker;

class TAVOAppUpdateCheckerDelegate {
public:
    virtual ~TAVOAppUpdateCheckerDelegate() = default;
    // The next version when there is a newer one, else nothing.
    virtual void appCheckerResult(TAVOAppUpdateChecker& checker, const std::optional<TAVOAppVersionInfo>& info) = 0;
    virtual void appCheckerError(TAVOAppUpdateChecker& checker, const ns::Value& error) = 0;
};

class TAVOAppUpdateChecker {
public:
    virtual ~TAVOAppUpdateChecker() = default;
    // Held weakly.
    virtual void setDelegate(std::weak_ptr<TAVOAppUpdateCheckerDelegate> delegate) = 0;
    // Starts the check; returns the request's token.
    virtual int checkAppUpdateInfo() = 0;
};

class TAVOAppUpdateCheckerMaker {
public:
    virtual ~TAVOAppUpdateCheckerMaker() = default;
    virtual std::shared_ptr<TAVOAppUpdateChecker> makeChecker() = 0;

    static std::shared_ptr<TAVOAppUpdateCheckerMaker> shared() { return TAVOService<TAVOAppUpdateCheckerMaker>::get(); }
    static void setShared(std::shared_ptr<TAVOAppUpdateCheckerMaker> m) {
        TAVOService<TAVOAppUpdateCheckerMaker>::set(std::move(m));
    }
    // A new checker from the registered maker, or nullptr when none is registered.
    static std::shared_ptr<TAVOAppUpdateChecker> make() {
        auto maker = shared();
        return maker ? maker->makeChecker() : nullptr;
    }
};
