#include "screens/home/TAVOMyWiFiViewController.h"

#include "core/app/TAVOAppEventHandler.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOViewControllerState.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/push/TAVOPushInfoHolder.h"
#include "management/push/TAVORomUpdateResultPushInfo.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/StringUtils.h"
#include "platform/ui/Font.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVORouterRadioPower.h"
#include "protocol/records/TAVORouterStatus.h"
#include "protocol/requests/catalogue/TAVORouterGetVirusLibraryInfo.h"
#include "protocol/requests/catalogue/TAVORouterQueryRadioPower.h"
#include "uikit/MAAlertView.h"
#include "uikit/TKTab.h"
#include "uikit/TKTabBar.h"
#include "uikit/TKTabBarController.h"

namespace {

constexpr double kTallBottomMargin = 30;
constexpr double kTallMiddleMargin = 25;
constexpr double kShortMargin = 20;
constexpr double kButtonImageTopInset = -20;
constexpr double kBadgeLeftCap = 8;
constexpr double kBadgeFontSize = 13;
constexpr double kBadgeMinSide = 16;
constexpr const char* kBadgeImage = "home_nub_point";
constexpr const char* kTabBadgeImage = "bg_indicator";
// Broadcast when a poll finds the router unreachable; no screen acts on it.
constexpr int kPollBreakdownEvent = 0;

// The poll errors that mean the router cannot be reached now.
bool isPollBreakdown(int code) {
    return code == TAVOWIFIViewControler::kRouterNotExist || code == TAVOWIFIViewControler::kRouterNotOnline ||
           code == TAVOMyWiFiViewController::kRouterLostConnectError;
}

struct PanelEntry {
    const char* image;
    const char* text;
    void (TAVOMyWiFiViewController::*action)();
    const char* actionName;
};

const PanelEntry kPanelEntries[] = {
    {"home_btn_ic_list", "connect devices", &TAVOMyWiFiViewController::showDeviceList, "showDeviceList"},
    {"home_btn_ic_eat", "speed up single device", &TAVOMyWiFiViewController::showSingleSpeedup, "showSingleSpeedup"},
    {"home_btn_ic_visitor", "visitor mode with password", &TAVOMyWiFiViewController::showVisitorMode, "showVisitorMode"},
    {"home_btn_ic_wifi", "signal adjustment", &TAVOMyWiFiViewController::showSignalAdjustment, "showSignalAdjustment"},
    {"home_btn_ic_health", "health mode", &TAVOMyWiFiViewController::showHealthMode, "showHealthMode"},
};

}  // namespace

TAVOMyWiFiViewController::~TAVOMyWiFiViewController() {
    // No poll of this screen outlives it.
    if (speedListener_) speedListener_->endLisener();
    if (channelOptLisener_) channelOptLisener_->endLisener();
}

// ---- the tab ----

ui::ImagePtr TAVOMyWiFiViewController::tabImage() const { return ui::Image::imageNamed("home_bbar_ic01"); }
ui::ImagePtr TAVOMyWiFiViewController::tabSelectedImage() const { return ui::Image::imageNamed("home_bbar_ic01_pre"); }
std::string TAVOMyWiFiViewController::tabTitle() const { return TAVOLocalizedString("my wifi"); }

// ---- building ----

double TAVOMyWiFiViewController::contentBottomAboveTabBar() const {
    const cg::Rect content = contentViewFrame();
    double bottom = content.origin.y + content.size.height;
    if (auto tabs = tabBarController()) {
        const cg::Rect strip = tabs->tabBarFrame();
        bottom -= strip.size.height > 0 ? strip.size.height : tabs->tabBarHeight();
    }
    return bottom;
}

void TAVOMyWiFiViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    navBar()->setBgImage(nullptr);
    navBar()->setRightBarItemText("", AppNavigationBar::RightStyleMenu);

    const double bottom = contentBottomAboveTabBar();
    const bool tall = TAVOCommonUtility::is4InchScreen();
    const double bottomMargin = tall ? kTallBottomMargin : kShortMargin;
    const double middleMargin = tall ? kTallMiddleMargin : kShortMargin;
    const double width = view()->frame().size.width;

    panelView_ = TAVORouterControlPanel::create(cg::RectMake(0, bottom - kPanelHeight - bottomMargin, width, kPanelHeight));
    panelView_->setControls(makePanelButtons());
    view()->addSubview(panelView_);

    statusView_ = TAVORouterStatusView::create(
        cg::RectMake(0, 0, contentViewFrame().size.width, bottom - kPanelHeight - bottomMargin - middleMargin));
    statusView_->setDelegate(self<TAVOMyWiFiViewController>());
    view()->addSubview(statusView_);
    view()->bringSubviewToFront(navBar());

    // A speed measurement for the router's own records; nobody waits for it.
    (void)TAVOAccountManager::shareInstance()->testRouterSpeed(0);
    handlePush();

    TAVORequestAnswers::listen<TAVORouterQueryRadioPower>(
        self<TAVOMyWiFiViewController>(), [this](const ns::Value& powers, const ns::Dictionary&) { radioAnswered(powers); },
        nullptr);
}

std::vector<ui::ViewPtr> TAVOMyWiFiViewController::makePanelButtons() {
    std::vector<ui::ViewPtr> buttons;
    auto self = this->self<TAVOMyWiFiViewController>();
    for (const auto& entry : kPanelEntries) {
        auto button = TAVOButton::create(cg::RectZero);
        button->setButtonImage(ui::Image::imageNamed(entry.image));
        button->setImageEdgeInsets(cg::EdgeInsets{kButtonImageTopInset, 0, 0, 0});
        button->setContent(TAVOLocalizedString(entry.text));
        button->addTarget(self, entry.action, entry.actionName, ui::ControlEventTouchUpInside);
        buttons.push_back(button);
    }
    // Only the device list counts something.
    auto first = std::static_pointer_cast<TAVOButton>(buttons.front());
    first->setIndicatorSpaceSize(cg::Size{0, 0});
    const auto& badge = first->indicator();
    auto image = ui::Image::imageNamed(kBadgeImage);
    badge->setBgImage(image ? image->stretchableImageWithLeftCapWidth(kBadgeLeftCap, 0) : nullptr);
    badge->setIndicatorFont(ui::Font::systemFontOfSize(kBadgeFontSize));
    badge->setMinSize(cg::Size{kBadgeMinSide, kBadgeMinSide});
    badge->setHidden(true);
    return buttons;
}

TAVOButtonPtr TAVOMyWiFiViewController::deviceListButton() const {
    if (!panelView_ || panelView_->controls().empty()) return nullptr;
    return std::dynamic_pointer_cast<TAVOButton>(panelView_->controls().front());
}

// ---- appearing and leaving ----

void TAVOMyWiFiViewController::viewWillAppear(bool animated) {
    TAVOWIFIViewControler::viewWillAppear(animated);
    onScreen_ = true;
    auto facade = TAVOAccountManager::shareInstance();
    auto router = facade->currentRouter();
    if (isRouterAvailable(false) && router) {
        startSpeedGetLisener();
        getVirusLibraryInfo();
        if (!currentRouter_ || !currentRouter_->isEqualToRouter(router)) {
            currentRouter_ = router;
            resetAllValues();
        }
        ns::NotificationCenter::defaultCenter()->postNotificationName(kAccountLoginStateNotification,
                                                                      ns::Value(router->isManagedByArdoAccount));
        (void)facade->getRadio();
    } else {
        handleGlobalRouterEvent(TAVOGlobalEventValue(TAVOGlobalEvent::CurrentRouterChanged));
    }
    markManagement();
    ns::NotificationCenter::defaultCenter()->postNotificationName(kTabAppearNotification);
    // One pending load at a time: a new appearance replaces the earlier one.
    helpViewsTimer_.start(kHelpViewsDelay, false, [this] { loadHelpViews(); });
}

void TAVOMyWiFiViewController::viewWillDisappear(bool animated) {
    TAVOWIFIViewControler::viewWillDisappear(animated);
    onScreen_ = false;
    // The status poll stays attached for the screens opened over this one.
    if (speedListener_) speedListener_->endLisener(true);
}

void TAVOMyWiFiViewController::loadHelpViews() {
    auto self = this->self<TAVOMyWiFiViewController>();
    if (!helpsViewFor24G_) {
        helpsViewFor24G_ = TAVOHelpsView::helpViewWithTag(kHelpTag24G);
        if (helpsViewFor24G_) helpsViewFor24G_->setDelegate(self);
    }
    if (!helpsViewFor50G_) {
        helpsViewFor50G_ = TAVOHelpsView::helpViewWithTag(kHelpTag5G);
        if (helpsViewFor50G_) helpsViewFor50G_->setDelegate(self);
    }
}

bool TAVOMyWiFiViewController::isRouterAvailable(bool showToast) {
    const bool available = TAVOWIFIViewControler::isRouterAvailable(showToast);
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    if (navBar())
        navBar()->setTitle(available && router ? router->ssid : TAVOLocalizedString("not wifi available"),
                           ui::Color::whiteColor());
    return available;
}

void TAVOMyWiFiViewController::markManagement() {
    if (!statusView_) return;
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    statusView_->setIsLocalManagement(router && router->isLocalRouter);
}

// ---- global events ----

void TAVOMyWiFiViewController::handleGlobalRouterEvent(int event) {
    switch (static_cast<TAVOGlobalEvent>(event)) {
        case TAVOGlobalEvent::CurrentRouterGone:
            showSwitchRouterReminder();
            break;
        case TAVOGlobalEvent::CurrentRouterChanged:
        case TAVOGlobalEvent::LocalRouterChanged: {
            const bool needsRouter = event == TAVOGlobalEventValue(TAVOGlobalEvent::CurrentRouterChanged);
            const bool available = isRouterAvailable(false);
            if (available && (!needsRouter || TAVOAccountManager::shareInstance()->currentRouter())) {
                // A hidden dashboard starts its poll when it appears.
                if (onScreen_) startSpeedGetLisener();
            } else {
                dropValues();
            }
            markManagement();
            break;
        }
        case TAVOGlobalEvent::PushInfoWaiting:
            handlePush();
            break;
        default:
            break;
    }
}

void TAVOMyWiFiViewController::dropValues() {
    resetAllValues();
    if (statusView_) statusView_->setBreakdownError(kRouterLostConnect);
    if (speedListener_) speedListener_->endLisener();
    TAVOAccountManager::shareInstance()->setStatusLisener(nullptr);
    if (channelOptLisener_) {
        channelOptLisener_->endLisener();
        channelOptLisener_ = nullptr;
    }
}

// ---- polls ----

void TAVOMyWiFiViewController::startSpeedGetLisener() {
    auto self = this->self<TAVOMyWiFiViewController>();
    if (!speedListener_) speedListener_ = TAVORouterGetSpeedListener::create();
    auto facade = TAVOAccountManager::shareInstance();
    speedListener_->startLisener(facade->currentRouter(), facade->currentAccountData(), self);
}

void TAVOMyWiFiViewController::startChannelOptLisener() {
    if (!channelOptLisener_) {
        channelOptLisener_ = TAVOOptChannelListener::create();
        channelOptLisener_->delegate = self<TAVOMyWiFiViewController>();
    }
    auto facade = TAVOAccountManager::shareInstance();
    channelOptLisener_->startLisener(facade->currentRouter(), facade->currentAccountData());
}

std::int64_t TAVOMyWiFiViewController::averageSpeed(const ns::Array& speeds) {
    std::int64_t sum = 0;
    std::int64_t count = 0;
    for (const auto& sample : speeds) {
        const std::int64_t value = sample.longLongValue();
        if (value < 0) continue;
        sum += value;
        ++count;
    }
    return count == 0 ? 0 : sum / count;
}

void TAVOMyWiFiViewController::lisenerSpeed(TAVORouterGetSpeedListener&, const ns::Array& speed) {
    if (statusView_) statusView_->speedIndicator()->setAvgSpeed(static_cast<double>(averageSpeed(speed)));
}

void TAVOMyWiFiViewController::lisenerDownSpeedUpSpeed(TAVORouterGetSpeedListener&, int, int) {
    auto facade = TAVOAccountManager::shareInstance();
    auto router = facade->currentRouter();
    TAVORouterStatusPtr status = router ? router->status : nullptr;
    updateView(status ? status->staticInfo : nullptr);
    const double topSpeed = status && status->internetStatus ? ns::Value(status->internetStatus->topSpeed).floatValue() : 0;
    if (statusView_) statusView_->speedIndicator()->setTopSpeed(topSpeed);
    if (router && status && status->hardwareInfo && status->twoGConfig &&
        ns::str::caseInsensitiveCompare(router->mac, status->hardwareInfo->mac) == ns::ComparisonResult::Same) {
        const std::string ssid = status->twoGConfig->wifi_ssid.stringValue();
        if (!ssid.empty()) router->ssid = ssid;
    }
    if (statusView_) statusView_->setBreakdownError(status && status->dynamicInfo ? status->dynamicInfo->stat_breakdown : 0);
    ChannelLevelInfo level;
    if (status && status->twoGConfig) {
        level.channel_24 = status->twoGConfig->wifi_channel.intValue();
        level.levelFor24 = status->twoGConfig->wifi_channel_healthy.intValue();
    }
    if (status && status->fiveGConfig) {
        level.channel_50 = status->fiveGConfig->wifi_channel.intValue();
        level.levelFor50 = status->fiveGConfig->wifi_channel_healthy.intValue();
    }
    facade->setCurrentRouterCriticalErrorCode(0);
    if (statusView_) statusView_->setChannelSignalLevel(level);
}

void TAVOMyWiFiViewController::lisenerError(TAVORouterGetSpeedListener&, const TAVOErrorPtr& error) {
    if (!error || !isPollBreakdown(error->errorCode())) return;
    const int code = error->errorCode();
    updateView(nullptr);
    if (statusView_) {
        statusView_->speedIndicator()->setAvgSpeed(0);
        statusView_->speedIndicator()->setTopSpeed(0);
    }
    TAVOAccountManager::shareInstance()->setCurrentRouterCriticalErrorCode(code);
    TAVOAppEventHandler::shareInstance()->handleGlobalRouterEvent(kPollBreakdownEvent);
    if (statusView_) statusView_->setBreakdownError(code);
}

void TAVOMyWiFiViewController::lisenerData(TAVOOptChannelListener& lisener, const ns::Value& data) {
    lisener.endLisener();
    if (statusView_) statusView_->setOptPromotion(data.isDictionary() ? std::optional(data.asDictionary()) : std::nullopt);
}

void TAVOMyWiFiViewController::lisenerErrorCode(TAVOOptChannelListener& lisener, const TAVOErrorPtr&) {
    lisener.endLisener();
    if (statusView_) statusView_->setOptPromotion(std::nullopt);
}

void TAVOMyWiFiViewController::updateView(const std::shared_ptr<TAVORouterStaticInfo>& staticInfo) {
    auto button = deviceListButton();
    if (!staticInfo) {
        currentConnectDevices_ = 0;
        if (button) {
            button->setIndicatorText("0");
            button->indicator()->setHidden(true);
        }
        return;
    }
    const int count = ns::Value(staticInfo->stat_client).intValue();
    if (count == currentConnectDevices_) return;
    currentConnectDevices_ = count;
    if (!button) return;
    button->setIndicatorText(ns::format("%d", count));
    button->indicator()->setHidden(count == 0);
}

void TAVOMyWiFiViewController::resetAllValues() {
    updateView(nullptr);
    if (!statusView_) return;
    statusView_->speedIndicator()->setTopSpeed(0);
    statusView_->speedIndicator()->setAvgSpeed(0);
    statusView_->resetAllValues();
}

// ---- radio strength and virus library ----

std::string TAVOMyWiFiViewController::strengthTextFor24G(int percent) {
    switch (TAVOCommonUtility::getPostionNum(percent)) {
        case 4: return TAVOLocalizedString("through-wall");
        case 3: return TAVOLocalizedString("standard lelve");
        default: return TAVOLocalizedString("energy conservation");
    }
}

std::string TAVOMyWiFiViewController::strengthTextFor5G(int percent) {
    const int position = TAVOCommonUtility::getPostionNum(percent);
    return TAVOLocalizedString(position >= 3 ? "hight-speed" : "energy conservation");
}

void TAVOMyWiFiViewController::radioAnswered(const ns::Value& powers) {
    float percent24 = 0, percent5 = 0;
    if (powers.isArray())
        for (const auto& element : powers.asArray()) {
            auto power = element.as<TAVORouterRadioPower>();
            if (!power) continue;
            if (power->frequency == "2.4G") percent24 = power->powerPercent;
            else if (power->frequency == "5G") percent5 = power->powerPercent;
        }
    if (!statusView_) return;
    statusView_->setSingalStrengthFor24G(strengthTextFor24G(static_cast<int>(percent24)));
    statusView_->setSingalStrengthFor5G(strengthTextFor5G(static_cast<int>(percent5)));
}

void TAVOMyWiFiViewController::getVirusLibraryInfo() {
    auto self = this->self<TAVOMyWiFiViewController>();
    TAVORequestAnswers::stopListening<TAVORouterGetVirusLibraryInfo>(this);
    TAVORequestAnswers::listen<TAVORouterGetVirusLibraryInfo>(
        self,
        [this](const ns::Value& info, const ns::Dictionary&) {
            TAVORequestAnswers::stopListening<TAVORouterGetVirusLibraryInfo>(this);
            if (auto router = TAVOAccountManager::shareInstance()->currentRouter()) router->anvirusLibInfo = info;
        },
        [this](const TAVOErrorPtr&, const ns::Dictionary&) {
            TAVORequestAnswers::stopListening<TAVORouterGetVirusLibraryInfo>(this);
        });
    if (TAVOAccountManager::shareInstance()->getVirusLibraryInfo() < 0)
        TAVORequestAnswers::stopListening<TAVORouterGetVirusLibraryInfo>(this);
}

// ---- push messages ----

void TAVOMyWiFiViewController::handlePush() {
    auto holder = TAVOPushInfoHolder::shareInstance();
    auto info = holder->firstPushInfo();
    if (!info) return;
    auto routerInfo = std::dynamic_pointer_cast<TAVORouterPushInfo>(info);
    const std::string routerId = routerInfo ? routerInfo->router_id : std::string();
    auto facade = TAVOAccountManager::shareInstance();
    TAVORouterModelPtr router = facade->currentRouter();
    bool current = router && router->isEqualToRouterId(routerId);
    if (!current) {
        router = nullptr;
        for (const auto& candidate : facade->currentRoutersList())
            if (candidate && candidate->isEqualToRouterId(routerId)) {
                router = candidate;
                break;
            }
    }
    if (router) {
        switch (info->type) {
            case TAVOPushTypeNewDevice: newDeviceDialog(router, current); break;
            case TAVOPushTypeRomUpdate: newRomDialog(router, current); break;
            case TAVOPushTypeRomUpdateResult: {
                auto result = std::dynamic_pointer_cast<TAVORomUpdateResultPushInfo>(info);
                // The record carries the outcome as its text; anything but
                // the success text is a failure.
                const bool failed = !result || result->result != TAVOLocalizedString("ok to update rom");
                romResultDialog(router, failed);
                break;
            }
            default: break;
        }
    }
    holder->removeFirstPushInfo();
}

void TAVOMyWiFiViewController::newDeviceDialog(const TAVORouterModelPtr& router, bool current) {
    auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"),
                                     ns::format("%@ %@, %@", TAVOLocalizedString("have new device join").c_str(),
                                                router->ssid.c_str(), TAVOLocalizedString("to check them?").c_str()));
    std::weak_ptr<TAVOMyWiFiViewController> weak = self<TAVOMyWiFiViewController>();
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel, [weak, current](const MAAlertViewPtr&) {
        if (auto screen = weak.lock(); screen && current) screen->setFirstTabBadge(true);
    });
    alert->addButtonWithTitle(TAVOLocalizedString("view"), MAAlertViewButtonTypeDefault,
                              [weak, router, current](const MAAlertViewPtr&) {
                                  auto screen = weak.lock();
                                  if (!screen) return;
                                  if (!current) TAVOAccountManager::shareInstance()->setCurrentRouter(router);
                                  screen->showNetPermit();
                              });
    alert->show();
}

void TAVOMyWiFiViewController::newRomDialog(const TAVORouterModelPtr& router, bool current) {
    auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"),
                                     ns::format("%@ %@", router->ssid.c_str(), TAVOLocalizedString("have new rom").c_str()));
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel, nullptr);
    std::weak_ptr<TAVOMyWiFiViewController> weak = self<TAVOMyWiFiViewController>();
    alert->addButtonWithTitle(TAVOLocalizedString("view"), MAAlertViewButtonTypeDefault,
                              [weak, router, current](const MAAlertViewPtr&) {
                                  if (!weak.lock()) return;
                                  if (!current) TAVOAccountManager::shareInstance()->setCurrentRouter(router);
                                  TAVOViewControllerState::backToTabViewController([weak] {
                                      if (auto screen = weak.lock()) screen->showSetting();
                                  });
                              });
    alert->show();
}

void TAVOMyWiFiViewController::romResultDialog(const TAVORouterModelPtr& router, bool failed) {
    auto alert = MAAlertView::create(
        TAVOLocalizedString("dialog reminder"),
        ns::format("%@ %@", router->ssid.c_str(),
                   TAVOLocalizedString(failed ? "rom fail to update" : "rom has completed to update").c_str()));
    alert->addButtonWithTitle(TAVOLocalizedString("have known"), MAAlertViewButtonTypeDefault, nullptr);
    alert->show();
}

void TAVOMyWiFiViewController::setFirstTabBadge(bool shown) {
    auto tabs = tabBarController();
    if (!tabs || !tabs->tabBar() || tabs->tabBar()->tabs().empty()) return;
    tabs->tabBar()->tabs().front()->setIndicatorImage(shown ? ui::Image::imageNamed(kTabBadgeImage) : nullptr);
}

// ---- switching routers ----

void TAVOMyWiFiViewController::showSwitchRouterReminder() {
    auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"),
                                     TAVOLocalizedString("router is not exist, whether to switch to others"));
    alert->addButtonWithTitle(TAVOLocalizedString("NO"), MAAlertViewButtonTypeCancel, nullptr);
    std::weak_ptr<TAVOMyWiFiViewController> weak = self<TAVOMyWiFiViewController>();
    alert->addButtonWithTitle(TAVOLocalizedString("YES"), MAAlertViewButtonTypeDefault, [weak](const MAAlertViewPtr&) {
        if (auto screen = weak.lock()) screen->switchRouterDueToNotExist();
    });
    alert->show();
}

void TAVOMyWiFiViewController::switchRouterDueToNotExist() {
    if (isLoginArdoAccount()) {
        showRoutersList();
        return;
    }
    TAVOAccountManager::shareInstance()->setCurrentRouter(nullptr);
    if (auto nav = tabNavigationController()) nav->popToRootViewControllerAnimated(true);
}
