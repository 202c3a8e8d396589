// The screens the core opens, until the screen layers register their own:
// the first screen is the router watch, which drives the engine; the
// recovery screens and the tab screen are named stand-ins.
#pragma once

#include "core/services/TAVORecoveryScreens.h"
#include "core/services/TAVORootScreens.h"

class TAVOInterimScreens : public TAVORootScreens, public TAVORecoveryScreens {
public:
    std::shared_ptr<ui::ViewController> makeRootScreen() override;
    std::shared_ptr<ui::ViewController> makeUpgradeRomScreen() override;
    std::shared_ptr<ui::ViewController> makeRemoteAccountLoginScreen(bool forceLogin) override;
    std::shared_ptr<ui::ViewController> makeLocalBindScreen(bool checkRouterArdoAccount) override;
    std::shared_ptr<ui::ViewController> makeTabScreen() override;
};
