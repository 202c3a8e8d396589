#include "screens/home/TAVOHomeScreens.h"

#include "screens/home/TAVOAppCenterViewController.h"
#include "screens/home/TAVOMyWiFiViewController.h"
#include "screens/home/TAVOOperatorBreakdownView.h"
#include "screens/home/TAVORouterLoginViewController.h"
#include "screens/home/TAVORoutersListViewController.h"
#include "widgets/TAVOScreenClassRegistry.h"

void TAVOHomeScreens::registerAll() {
    TAVOOperatorBreakdownView::registerInterface();
    TAVOScreenClassRegistry::registerClass<TAVORoutersListViewController>("TAVORoutersListViewController");
    TAVOScreenClassRegistry::registerClass<TAVOAppCenterViewController>("TAVOAppCenterViewController");
    TAVOScreenClassRegistry::registerClass<TAVORouterLoginViewController>("TAVORouterLoginViewController");
    // The first tab of the main tab bar, made by the first screen.
    TAVOScreenClassRegistry::registerClass<TAVOMyWiFiViewController>("TAVOMyWiFiViewController");
}
