#include "app/lib/TAVOStartupServices.h"

#include <memory>

#include "app/lib/TAVOApplicationScreens.h"
#include "app/lib/TAVOPushInfoHolderInbox.h"
#include "app/lib/TAVOQueuedAlertPresenter.h"
#include "app/lib/TAVOHUDToastPresenter.h"
#include "files/TAVOFileScreens.h"
#include "management/facade/TAVOAccountManager.h"
#include "protocol/TAVOAppInfoProviderSource.h"
#include "screens/account/TAVOAccountScreens.h"
#include "screens/account/TAVOCloudAppUpdateChecker.h"
#include "screens/home/TAVOHomeScreens.h"
#include "screens/safety/TAVOSafetyScreens.h"
#include "screens/wifi/TAVOWifiScreens.h"
#include "widgets/TAVOWidgetsAppearance.h"

void TAVOStartupServices::registerAll() {
    // The facade registers itself (and its device-token engine) when made.
    TAVOAccountManager::shareInstance();
    TAVOPushInbox::setShared(std::make_shared<TAVOPushInfoHolderInbox>());
    TAVOAppInfoProviderSource::registerShared();
    // Start-up's second step and the event hub check for a newer
    // application version with these checkers.
    TAVOAppUpdateCheckerMaker::setShared(std::make_shared<TAVOCloudAppUpdateCheckerMaker>());
    TAVOAlertPresenter::setShared(TAVOQueuedAlertPresenter::create());
    TAVOToastPresenter::setShared(std::make_shared<TAVOHUDToastPresenter>());
    TAVOWidgetsAppearance::registerLaunchDefaults();
    TAVOHomeScreens::registerAll();
    TAVOWifiScreens::registerAll();
    TAVOSafetyScreens::registerAll();
    TAVOAccountScreens::registerAll();
    TAVOFileScreens::registerAll();
    auto screens = std::make_shared<TAVOApplicationScreens>();
    TAVORootScreens::setShared(screens);
    TAVORecoveryScreens::setShared(screens);
}
