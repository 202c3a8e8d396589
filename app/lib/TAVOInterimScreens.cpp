#include "app/lib/TAVOInterimScreens.h"

#include "app/lib/TAVOInterimScreen.h"
#include "app/lib/TAVORouterWatchViewController.h"
#include "screens/account/TAVOUpgradeViewController.h"

std::shared_ptr<ui::ViewController> TAVOInterimScreens::makeRootScreen() { return TAVORouterWatchViewController::create(); }

std::shared_ptr<ui::ViewController> TAVOInterimScreens::makeUpgradeRomScreen() {
    return TAVOUpgradeViewController::create();
}

std::shared_ptr<ui::ViewController> TAVOInterimScreens::makeRemoteAccountLoginScreen(bool forceLogin) {
    return TAVOInterimScreen::create(forceLogin ? "Account login (required)" : "Account login");
}

std::shared_ptr<ui::ViewController> TAVOInterimScreens::makeLocalBindScreen(bool checkRouterArdoAccount) {
    return TAVOInterimBindScreen::create(checkRouterArdoAccount);
}

std::shared_ptr<ui::ViewController> TAVOInterimScreens::makeTabScreen() { return TAVOInterimTabScreen::create(); }
