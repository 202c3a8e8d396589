// What the dashboard does when the user acts on it: the status view's
// numbered actions and breakdown repair, the strip's buttons, the bar's
// menu button, and the popups and screens they open.
#include "core/app/TAVOAppEventHandler.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOViewControllerState.h"
#include "core/errors/TAVORouterErrorUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVODGBaseDiagnoseItem.h"
#include "protocol/records/TAVORouterStatus.h"
#include "protocol/requests/catalogue/TAVORouterFixNetDiagnoseRequest.h"
#include "protocol/requests/catalogue/TAVOWIFIOptimizeChannel.h"
#include "screens/home/TAVOBreakdownSeasonViewController.h"
#include "screens/home/TAVOMyWiFiViewController.h"
#include "screens/home/TAVORoutersListViewController.h"
#include "screens/home/TAVOSpeedPlotViewController.h"
#include "uikit/TKTabBarController.h"
#include "uikit/UIViewControllerPUPopupViewController.h"
#include "widgets/TAVOPopupViewController.h"
#include "widgets/TAVOScreenClassRegistry.h"
#include "widgets/TAVOWillDismissTaking.h"

namespace {

// The breakdown codes with a fixed answer on the dashboard.
constexpr int kNoRouterError = 100006;
constexpr int kWarningToast = 1;
constexpr int kPoorLevel = 3;

}  // namespace

// ---- the status view ----

void TAVOMyWiFiViewController::statusView(TAVORouterStatusView& view, int action) {
    switch (action) {
        case TAVORouterStatusView::ActionHelp24G:
        case TAVORouterStatusView::ActionHelp5G:
            // Asked for before the delayed load: made now.
            loadHelpViews();
            showHelpView(action == TAVORouterStatusView::ActionHelp24G ? helpsViewFor24G_ : helpsViewFor50G_);
            break;
        case TAVORouterStatusView::ActionOptimise:
            requestOptChannel(view.currentLevel());
            break;
        case TAVORouterStatusView::ActionWatchPromotion:
            startChannelOptLisener();
            break;
        case TAVORouterStatusView::ActionAverageSpeed:
            if (isRouterAvailable()) showAVGSpeedView();
            break;
        case TAVORouterStatusView::ActionTopSpeed:
            if (isRouterAvailable()) showTestSpeedView();
            break;
        default:
            break;
    }
}

void TAVOMyWiFiViewController::statusViewBreakdownRecovery(TAVORouterStatusView&, int errorCode) {
    switch (errorCode) {
        case kRouterNotExist:
            TAVOAppEventHandler::shareInstance()->handleGlobalRouterEvent(TAVOGlobalEvent::CurrentRouterGone);
            return;
        case kRouterNotOnline:
            return;
        case kRouterLostConnectError:
        case kNoRouterError:
            TAVOAccountManager::shareInstance()->setCurrentRouter(nullptr);
            if (auto nav = tabNavigationController()) nav->popToRootViewControllerAnimated(true);
            return;
        default:
            break;
    }
    if (TAVORouterErrorUtility::isRecoveryBreakdownError(errorCode))
        requestRecoveryBreakdown(errorCode);
    else if (TAVORouterErrorUtility::canCheckDetailInfo(errorCode))
        showBreakdownReasonView(errorCode);
}

// ---- channel optimisation ----

int TAVOMyWiFiViewController::bandTypeForLevels(const ChannelLevelInfo& level) {
    const bool poor24 = level.levelFor24 >= kPoorLevel;
    const bool poor5 = level.levelFor50 >= kPoorLevel;
    if (poor24 && !poor5) return 1;
    if (!poor24 && poor5) return 2;
    return 0;
}

void TAVOMyWiFiViewController::requestOptChannel(const ChannelLevelInfo& level) {
    // One registration per request: a retry never hears an answer twice.
    TAVORequestAnswers::stopListening<TAVOWIFIOptimizeChannel>(this);
    TAVORequestAnswers::listen<TAVOWIFIOptimizeChannel>(
        self<TAVOMyWiFiViewController>(),
        [this](const ns::Value&, const ns::Dictionary&) {
            TAVORequestAnswers::stopListening<TAVOWIFIOptimizeChannel>(this);
            if (statusView_) statusView_->optResult(true);
        },
        [this](const TAVOErrorPtr&, const ns::Dictionary&) {
            TAVORequestAnswers::stopListening<TAVOWIFIOptimizeChannel>(this);
            optFailed();
        });
    // A request refused at once gets no answer: it fails here.
    if (TAVOAccountManager::shareInstance()->optChannel(bandTypeForLevels(level)) < 0) {
        TAVORequestAnswers::stopListening<TAVOWIFIOptimizeChannel>(this);
        optFailed();
    }
}

void TAVOMyWiFiViewController::optFailed() {
    showToast(kWarningToast, TAVOLocalizedString("fail to opt"));
    if (statusView_) statusView_->optResult(false);
}

// ---- breakdown repair ----

void TAVOMyWiFiViewController::requestRecoveryBreakdown(int errorCode) {
    auto failed = [this] {
        TAVORequestAnswers::stopListening<TAVORouterFixNetDiagnoseRequest>(this);
        if (statusView_) statusView_->breakdownRecoveryResult(false);
    };
    TAVORequestAnswers::stopListening<TAVORouterFixNetDiagnoseRequest>(this);
    TAVORequestAnswers::listen<TAVORouterFixNetDiagnoseRequest>(
        self<TAVOMyWiFiViewController>(),
        [this](const ns::Value& items, const ns::Dictionary&) {
            TAVORequestAnswers::stopListening<TAVORouterFixNetDiagnoseRequest>(this);
            if (!items.isArray() || items.asArray().empty()) return;
            auto first = items.asArray().front().as<TAVODGBaseDiagnoseItem>();
            if (!first || first->state != 0 || !statusView_) return;
            statusView_->breakdownRecoveryResult(true);
            recoveryClearTimer_.start(kRecoveryClearDelay, false, [this] {
                if (statusView_) statusView_->setBreakdownError(0);
            });
        },
        [failed](const TAVOErrorPtr&, const ns::Dictionary&) { failed(); });
    if (TAVOAccountManager::shareInstance()->recoveryBreakdown(errorCode) < 0) failed();
}

void TAVOMyWiFiViewController::showBreakdownReasonView(int errorCode) {
    auto reason = TAVOBreakdownSeasonViewController::create();
    reason->setErrorId(errorCode);
    if (auto nav = tabNavigationController()) nav->pushViewController(reason, true);
}

// ---- popups ----

ui::ViewControllerPtr TAVOMyWiFiViewController::presenter() {
    if (auto tabs = tabBarController()) return tabs;
    return self<ui::ViewController>();
}

std::shared_ptr<ui::NavigationController> TAVOMyWiFiViewController::tabNavigationController() {
    if (auto tabs = tabBarController())
        if (auto nav = tabs->navigationController()) return nav;
    return navigationController();
}

void TAVOMyWiFiViewController::presentPopup(const ui::ViewControllerPtr& popupController) {
    auto popup = std::dynamic_pointer_cast<TAVOPopupViewController>(popupController);
    auto over = presenter();
    if (popup) popup->setParentView(over->view());
    UIViewControllerPUPopupViewController::presentPopupViewController(over, popupController, 0);
}

void TAVOMyWiFiViewController::dismissPopup() {
    UIViewControllerPUPopupViewController::dismissPopupViewControllerWithanimationType(presenter(), 0);
}

void TAVOMyWiFiViewController::showHelpView(const TAVOHelpsViewPtr& helpsView) {
    if (!helpsView) return;
    presentPopup(TAVOPopupViewController::popupViewControllerWithChildView(helpsView));
}

void TAVOMyWiFiViewController::dismissHelpsView(TAVOHelpsView&) { dismissPopup(); }

void TAVOMyWiFiViewController::showAVGSpeedView() {
    auto curve = TAVOSpeedPlotViewController::create();
    curve->setDelegate(self<TAVOMyWiFiViewController>());
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    double topSpeed = 0;
    if (router && router->status && router->status->internetStatus)
        topSpeed = ns::Value(router->status->internetStatus->topSpeed).floatValue();
    curve->setSpeedMaxKB(topSpeed / 1024);
    presentPopup(TAVOPopupViewController::popupViewControllerWithChildViewController(curve));
}

void TAVOMyWiFiViewController::speedVPlotiewControllerWillDismiss(TAVOSpeedPlotViewController&) {
    dismissPopup();
    // The curve ran its own poll and took the status poll with it.
    startSpeedGetLisener();
}

void TAVOMyWiFiViewController::showTestSpeedView() {
    auto test = TAVOScreenClassRegistry::create(kSpeedTestScreen);
    if (!test) return;
    if (auto taking = std::dynamic_pointer_cast<TAVOWillDismissTaking>(test)) {
        std::weak_ptr<TAVOMyWiFiViewController> weak = self<TAVOMyWiFiViewController>();
        taking->setWillDismissHandler([weak] {
            if (auto screen = weak.lock()) screen->speedTestViewControllerWillDismiss();
        });
    }
    presentPopup(TAVOPopupViewController::popupViewControllerWithChildViewController(test));
}

void TAVOMyWiFiViewController::speedTestViewControllerWillDismiss() { dismissPopup(); }

// ---- the strip and the bar ----

void TAVOMyWiFiViewController::pushScreenNamed(const std::string& className) {
    auto screen = TAVOScreenClassRegistry::create(className);
    auto nav = tabNavigationController();
    if (screen && nav) nav->pushViewController(screen, true);
}

void TAVOMyWiFiViewController::showDeviceList() {
    setFirstTabBadge(false);
    if (isRouterAvailable()) pushScreenNamed(kDevicesListScreen);
}

void TAVOMyWiFiViewController::showSingleSpeedup() {
    if (isRouterAvailable()) pushScreenNamed(kSpeedupScreen);
}

void TAVOMyWiFiViewController::showVisitorMode() {
    if (isRouterAvailable()) pushScreenNamed(kGuestModeScreen);
}

void TAVOMyWiFiViewController::showSignalAdjustment() {
    if (isRouterAvailable()) pushScreenNamed(kRadioPowerScreen);
}

void TAVOMyWiFiViewController::showHealthMode() {
    if (isRouterAvailable()) pushScreenNamed(kHealthModeScreen);
}

void TAVOMyWiFiViewController::rightNavItemPressed() { showSetting(); }

void TAVOMyWiFiViewController::presentInNavigation(const ui::ViewControllerPtr& screen) {
    auto nav = ui::NavigationController::create(screen);
    nav->setNavigationBarHidden(true);
    presenter()->presentViewController(nav, true);
}

void TAVOMyWiFiViewController::showSetting() {
    auto setting = TAVOScreenClassRegistry::create(kSettingScreen);
    if (!setting) return;
    if (auto routerScreen = std::dynamic_pointer_cast<TAVOWIFIViewControler>(setting))
        routerScreen->setTabBarController(tabBarController());
    presentInNavigation(setting);
}

void TAVOMyWiFiViewController::showNetPermit() {
    std::weak_ptr<TAVOMyWiFiViewController> weak = self<TAVOMyWiFiViewController>();
    TAVOViewControllerState::backToTabViewController([weak] {
        if (auto screen = weak.lock()) screen->showDeviceList();
    });
}

void TAVOMyWiFiViewController::showRoutersList() { presentInNavigation(TAVORoutersListViewController::create()); }
