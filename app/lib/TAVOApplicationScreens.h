// The screens the core opens by role: the first screen and the main tab bar
// of the home screens, the account login and router binding of the account
// screens, and the ROM upgrade.
#pragma once

#include "core/services/TAVORecoveryScreens.h"
#include "core/services/TAVORootScreens.h"

class TAVOApplicationScreens : public TAVORootScreens, public TAVORecoveryScreens {
public:
    std::shared_ptr<ui::ViewController> makeRootScreen() override;
    std::shared_ptr<ui::ViewController> makeUpgradeRomScreen() override;
    std::shared_ptr<ui::ViewController> makeRemoteAccountLoginScreen(bool forceLogin) override;
    std::shared_ptr<ui::ViewController> makeLocalBindScreen(bool checkRouterArdoAccount) override;
    std::shared_ptr<ui::ViewController> makeTabScreen() override;
};
