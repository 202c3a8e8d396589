// The screens that the core opens to recover from an error or to bring the
// user back to the tabs; the screen layers register the real ones.
#pragma once

#include <memory>

#include "core/services/TAVOService.h"

namespace ui {
class ViewController;
}

class TAVORecoveryScreens {
public:
    virtual ~TAVORecoveryScreens() = default;
    // The ROM upgrade screen.
    virtual std::shared_ptr<ui::ViewController> makeUpgradeRomScreen() = 0;
    // The cloud account login screen, in forced-login mode when asked.
    virtual std::shared_ptr<ui::ViewController> makeRemoteAccountLoginScreen(bool forceLogin) = 0;
    // The local bind screen (router admin password).
    virtual std::shared_ptr<ui::ViewController> makeLocalBindScreen(bool checkRouterArdoAccount) = 0;
    // A new main tab screen with its tabs.
    virtual std::shared_ptr<ui::ViewController> makeTabScreen() = 0;

    static std::shared_ptr<TAVORecoveryScreens> shared() { return TAVOService<TAVORecoveryScreens>::get(); }
    static void setShared(std::shared_ptr<TAVORecoveryScreens> p) { TAVOService<TAVORecoveryScreens>::set(std::move(p)); }
};
