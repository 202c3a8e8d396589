#include "screens/account/TAVOAccountScreens.h"

#include "screens/account/TAVOArdoAccountLoginViewController.h"
#include "screens/account/TAVOBindRouterPswViewController.h"
#include "screens/account/TAVOGetWIFIHelpViewController.h"
#include "screens/account/TAVORouterAdminPwdViewController.h"
#include "screens/account/TAVOSettingViewController.h"
#include "screens/account/TAVOSpeedTestViewController.h"
#include "screens/account/TAVOUpgradeViewController.h"
#include "widgets/TAVOScreenClassRegistry.h"

void TAVOAccountScreens::registerAll() {
    TAVOScreenClassRegistry::registerClass<TAVOArdoAccountLoginViewController>("TAVOArdoAccountLoginViewController");
    TAVOScreenClassRegistry::registerClass<TAVOBindRouterPswViewController>("TAVOBindRouterPswViewController");
    TAVOScreenClassRegistry::registerClass<TAVOGetWIFIHelpViewController>("TAVOGetWIFIHelpViewController");
    TAVOScreenClassRegistry::registerClass<TAVORouterAdminPwdViewController>("TAVORouterAdminPwdViewController");
    TAVOScreenClassRegistry::registerClass<TAVOSettingViewController>("TAVOSettingViewController");
    TAVOScreenClassRegistry::registerClass<TAVOSpeedTestViewController>("TAVOSpeedTestViewController");
    TAVOScreenClassRegistry::registerClass<TAVOUpgradeViewController>("TAVOUpgradeViewController");
}
