#include "app/lib/TAVOStartupServices.h"

#include <memory>

#include "app/lib/TAVOInterimScreens.h"
#include "app/lib/TAVOPushInfoHolderInbox.h"
#include "app/lib/TAVOQueuedAlertPresenter.h"
#include "app/lib/TAVOHUDToastPresenter.h"
#include "files/TAVOFileScreens.h"
#include "management/facade/TAVOAccountManager.h"
#include "protocol/TAVOAppInfoProviderSource.h"
#include "screens/account/TAVOAccountScreens.h"
#include "screens/home/TAVOHomeScreens.h"
#include "screens/safety/TAVOSafetyScreens.h"
#include "screens/wifi/TAVOWifiScreens.h"
#include "widgets/TAVOWidgetsAppearance.h"

void TAVOStartupServices::registerAll() {
    // The facade registers itself (and its device-token engine) when made.
    TAVOAccountManager::shareInstance();
    TAVOPushInbox::setShared(std::make_shared<TAVOPushInfoHolderInbox>());
    TAVOAppInfoProviderSource::registerShared();
    // No application-version checker exists yet (the account screens bring
    // it): the update-checker slot stays empty and start-up skips the check.
    TAVOAlertPresenter::setShared(TAVOQueuedAlertPresenter::create());
    TAVOToastPresenter::setShared(std::make_shared<TAVOHUDToastPresenter>());
    TAVOWidgetsAppearance::registerLaunchDefaults();
    TAVOHomeScreens::registerAll();
    TAVOWifiScreens::registerAll();
    TAVOSafetyScreens::registerAll();
    TAVOAccountScreens::registerAll();
    TAVOFileScreens::registerAll();
    auto screens = std::make_shared<TAVOInterimScreens>();
    TAVORootScreens::setShared(screens);
    TAVORecoveryScreens::setShared(screens);
}
