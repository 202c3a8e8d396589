#include "app/lib/TAVOInterimScreens.h"

#include "app/lib/TAVOInterimScreen.h"
#include "app/lib/TAVORouterWatchViewController.h"
#include "screens/account/TAVOArdoAccountLoginViewController.h"
#include "screens/account/TAVOBindRouterPswViewController.h"
#include "screens/account/TAVOUpgradeViewController.h"

std::shared_ptr<ui::ViewController> TAVOInterimScreens::makeRootScreen() { return TAVORouterWatchViewController::create(); }

std::shared_ptr<ui::ViewController> TAVOInterimScreens::makeUpgradeRomScreen() {
    return TAVOUpgradeViewController::create();
}

// The error system pushes the login on the screen shown.
std::shared_ptr<ui::ViewController> TAVOInterimScreens::makeRemoteAccountLoginScreen(bool forceLogin) {
    auto login = TAVOArdoAccountLoginViewController::create();
    login->setForceLogin(forceLogin);
    login->setShowWay(TAVOArdoAccountLoginViewController::ShowWayPushed);
    return login;
}

std::shared_ptr<ui::ViewController> TAVOInterimScreens::makeLocalBindScreen(bool checkRouterArdoAccount) {
    auto bind = TAVOBindRouterPswViewController::create();
    bind->setIsCheckRouterArdoAccount(checkRouterArdoAccount);
    return bind;
}

std::shared_ptr<ui::ViewController> TAVOInterimScreens::makeTabScreen() { return TAVOInterimTabScreen::create(); }
