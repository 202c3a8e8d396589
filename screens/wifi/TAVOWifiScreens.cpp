#include "screens/wifi/TAVOWifiScreens.h"

#include "screens/wifi/TAVODevicesListViewController.h"
#include "screens/wifi/TAVOGuestModeViewController.h"
#include "screens/wifi/TAVORouterBlackListViewController.h"
#include "screens/wifi/TAVOSpeedupModeViewController.h"
#include "widgets/TAVOScreenClassRegistry.h"

void TAVOWifiScreens::registerAll() {
    TAVOScreenClassRegistry::registerClass<TAVODevicesListViewController>("TAVODevicesListViewController");
    TAVOScreenClassRegistry::registerClass<TAVORouterBlackListViewController>("TAVORouterBlackListViewController");
    TAVOScreenClassRegistry::registerClass<TAVOGuestModeViewController>("TAVOGuestModeViewController");
    TAVOScreenClassRegistry::registerClass<TAVOSpeedupModeViewController>("TAVOSpeedupModeViewController");
}
