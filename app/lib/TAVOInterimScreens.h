// The screens the core opens: the first screen is the router watch, which
// drives the engine; the account login and the router binding are the
// account screens; the ROM upgrade and the tab screen are named stand-ins
// until their screens land.
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
