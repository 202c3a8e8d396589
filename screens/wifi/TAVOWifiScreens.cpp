#include "screens/wifi/TAVOWifiScreens.h"

#include "screens/wifi/TAVODevicesListViewController.h"
#include "screens/wifi/TAVOGuestModeViewController.h"
#include "screens/wifi/TAVOHealthModeViewController.h"
#include "screens/wifi/TAVOPaneLEDDoorViewController.h"
#include "screens/wifi/TAVORadioPowerAdjustViewController.h"
#include "screens/wifi/TAVORouterBlackListViewController.h"
#include "screens/wifi/TAVOSpeedupModeViewController.h"
#include "screens/wifi/TAVOWIFIDoorViewController.h"
#include "screens/wifi/TAVOWiFiPwdViewController.h"
#include "widgets/TAVOScreenClassRegistry.h"

void TAVOWifiScreens::registerAll() {
    // Opened by name from the settings, the safety screens, the dashboard and
    // the app center.
    TAVOScreenClassRegistry::registerClass<TAVOWiFiPwdViewController>("TAVOWiFiPwdViewController");
    TAVOScreenClassRegistry::registerClass<TAVORadioPowerAdjustViewController>("TAVORadioPowerAdjustViewController");
    TAVOScreenClassRegistry::registerClass<TAVOWIFIDoorViewController>("TAVOWIFIDoorViewController");
    TAVOScreenClassRegistry::registerClass<TAVOPaneLEDDoorViewController>("TAVOPaneLEDDoorViewController");
    TAVOScreenClassRegistry::registerClass<TAVOHealthModeViewController>("TAVOHealthModeViewController");
    TAVOScreenClassRegistry::registerClass<TAVODevicesListViewController>("TAVODevicesListViewController");
    TAVOScreenClassRegistry::registerClass<TAVORouterBlackListViewController>("TAVORouterBlackListViewController");
    TAVOScreenClassRegistry::registerClass<TAVOGuestModeViewController>("TAVOGuestModeViewController");
    TAVOScreenClassRegistry::registerClass<TAVOSpeedupModeViewController>("TAVOSpeedupModeViewController");
}
