#include "widgets/TAVOWIFIViewControler.h"

#include "core/app/TAVOAppEventHandler.h"
#include "core/errors/TAVORouterErrorUtility.h"
#include "core/records/TAVOAccountModel.h"
#include "management/facade/TAVOAccountManager.h"
#include "uikit/TKTabBarController.h"

bool TAVOWIFIViewControler::isRefusingRouterState(int state) {
    return state == kRouterNotExist || state == kRouterNotOnline || state == kRouterLostConnect;
}

void TAVOWIFIViewControler::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    view()->setBackgroundColor(backgroundColor());
    std::weak_ptr<TAVOWIFIViewControler> weak = self<TAVOWIFIViewControler>();
    auto center = ns::NotificationCenter::defaultCenter();
    globalEventObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(kTAVOGlobalEventNotification, {}, nullptr,
                                           [weak](const ns::NotificationPtr& notification) {
                                               if (auto screen = weak.lock())
                                                   screen->handleGlobalRouterNotification(notification);
                                           }));
}

void TAVOWIFIViewControler::handleGlobalRouterNotification(const ns::NotificationPtr& notification) {
    if (notification) handleGlobalRouterEvent(notification->object().intValue());
}

bool TAVOWIFIViewControler::isRouterAvailable(bool showToast) {
    const int state = TAVOAccountManager::shareInstance()->routerState();
    if (!isRefusingRouterState(state)) return true;
    if (showToast)
        showToastAttachToWindow(kErrorToastType, TAVORouterErrorUtility::getErrorMsgByErrorCode(state), true);
    return false;
}

bool TAVOWIFIViewControler::isLoginArdoAccount() const {
    auto account = TAVOAccountManager::shareInstance()->currentAccountData();
    return account && !account->qt().empty();
}

std::shared_ptr<TAVORouterStatusLisener> TAVOWIFIViewControler::listener() const {
    return TAVOAccountManager::shareInstance()->statusLisener();
}

cg::Rect TAVOWIFIViewControler::contentViewFrameRemoveTabBar() const {
    cg::Rect frame = contentViewFrame();
    if (auto tabs = tabBarController()) frame.size.height -= tabs->tabBarFrame().size.height;
    return frame;
}
