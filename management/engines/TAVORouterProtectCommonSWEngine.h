// Turns one of the router's protection functions on or off through the common
// switch request and tells its delegate the outcome. Answers are matched by
// name, so switches sent through the facade reach the delegate too.
//
// Main thread only.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Object.h"

class TAVORouterProtectCommonSWEngine;

// Both operations are optional: the default does nothing.
class TAVORouterProtectCommonSWEngineDelegate {
public:
    virtual ~TAVORouterProtectCommonSWEngineDelegate() = default;
    virtual void operationResultOK(TAVORouterProtectCommonSWEngine&) {}
    virtual void operationResultNG(TAVORouterProtectCommonSWEngine&, const std::optional<std::string>&) {}
};

class TAVORouterProtectCommonSWEngine : public ns::Object {
public:
    // Listens for the switch answers until freed.
    static std::shared_ptr<TAVORouterProtectCommonSWEngine> create();
    ~TAVORouterProtectCommonSWEngine() override;

    // type: 1 dangerous websites, 2 account stealer, 4 DNS cheats, 7 Wi-Fi
    // intruder, 8 heart-bleed, 9 local network; state: 0 off, 1 on.
    [[nodiscard]] std::int32_t requestCommonSW(int type, int state);

    std::weak_ptr<TAVORouterProtectCommonSWEngineDelegate> delegate;

    std::string className() const override { return "TAVORouterProtectCommonSWEngine"; }

private:
    TAVORouterProtectCommonSWEngine() = default;
};
