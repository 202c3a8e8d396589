#include "app/lib/TAVOApplicationScreens.h"

#include "screens/account/TAVOArdoAccountLoginViewController.h"
#include "screens/account/TAVOBindRouterPswViewController.h"
#include "screens/account/TAVOUpgradeViewController.h"
#include "screens/home/TAVORootViewController.h"
#include "uikit/TKTabBarController.h"

std::shared_ptr<ui::ViewController> TAVOApplicationScreens::makeRootScreen() { return TAVORootViewController::create(); }

std::shared_ptr<ui::ViewController> TAVOApplicationScreens::makeUpgradeRomScreen() {
    return TAVOUpgradeViewController::create();
}

// The error system pushes the login on the screen shown.
std::shared_ptr<ui::ViewController> TAVOApplicationScreens::makeRemoteAccountLoginScreen(bool forceLogin) {
    auto login = TAVOArdoAccountLoginViewController::create();
    login->setForceLogin(forceLogin);
    login->setShowWay(TAVOArdoAccountLoginViewController::ShowWayPushed);
    return login;
}

std::shared_ptr<ui::ViewController> TAVOApplicationScreens::makeLocalBindScreen(bool checkRouterArdoAccount) {
    auto bind = TAVOBindRouterPswViewController::create();
    bind->setIsCheckRouterArdoAccount(checkRouterArdoAccount);
    return bind;
}

std::shared_ptr<ui::ViewController> TAVOApplicationScreens::makeTabScreen() {
    return TAVORootViewController::createTabViewControllers();
}
