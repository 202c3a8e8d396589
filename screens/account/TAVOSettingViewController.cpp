#include "screens/account/TAVOSettingViewController.h"

#include "core/app/TAVOAppEventHandler.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOViewControllerState.h"
#include "core/crypto/AppInfoUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Label.h"
#include "protocol/TAVOAppInfoProvider.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVORouterRomUpdataInfo.h"
#include "protocol/requests/catalogue/TAVORouterBindRequest.h"
#include "protocol/requests/catalogue/TAVORouterFactoryResetRequest.h"
#include "protocol/requests/catalogue/TAVORouterLedControlRequest.h"
#include "protocol/requests/catalogue/TAVORouterQueryRomUpdateRequest.h"
#include "protocol/requests/catalogue/TAVORouterRestartRequest.h"
#include "screens/account/TAVOAboutViewController.h"
#include "screens/account/TAVOCloudAppUpdateChecker.h"
#include "screens/account/TAVOFeedbackViewController.h"
#include "screens/account/TAVORouterAdminPwdViewController.h"
#include "screens/account/TAVORouterInfoViewController.h"
#include "screens/account/TAVOUpgradeViewController.h"
#include "uikit/MAAlertView.h"
#include "uikit/TKTabBarController.h"
#include "widgets/TAVOModifyOutcome.h"
#include "widgets/TAVORightHeaderCell.h"
#include "widgets/TAVOScreenClassRegistry.h"
#include "widgets/TAVOSettingCell.h"
#include "widgets/TAVOSettingSwitchCell.h"
#include "widgets/UITableViewCellSeperator.h"
#include "widgets/UIViewBusyIndicator.h"

// The two irreversible router actions share one road; these are their values.
struct TAVOSettingViewController::RestartKind {
    const char* message;
    const char* waitingText;
    const char* countDownText;
    std::int32_t (TAVOAccountManager::*call)();
    bool reset;
};

namespace {
constexpr double kPageGrey = 248 / 255.0;
constexpr double kBusyX = 300;
constexpr double kBusyWidth = 7;
constexpr int kLEDSpaceBetween = 9;

const TAVOSettingViewController::RestartKind& restartKind();
const TAVOSettingViewController::RestartKind& resetKind();

struct RowLook {
    const char* identifier;
    const char* icon;
    const char* title;
};

RowLook lookOf(TAVOSettingViewController::Row row) {
    using Row = TAVOSettingViewController::Row;
    switch (row) {
        case Row::Login: return {"Cell_UnLogin", "more_ic01", "NOT LOGIN"};
        case Row::RoutersList: return {"Cell_Login", "more_ic02", "manage the routers list"};
        case Row::SwitchRouter: return {"Cell_UnLogin", "more_ic02_", "switch router"};
        case Row::RouterInfo: return {"Cell_Router_Info", "more_ic03", "router info"};
        case Row::AdminPwd: return {"Cell_Router_Info", "more_ic04", "modify the admin pwd"};
        case Row::WiFiPwd: return {"Cell_Router_Info", "more_ic05", "modify the wifi pwd"};
        case Row::LED: return {"Cell_Router_Switch", "more_ic07", "pane light door"};
        case Row::RomUpgrade: return {"Cell_Router_Info", "more_ic09", "check router upgrade"};
        case Row::AppUpgrade: return {"Cell_Common", "more_ic10", "check app upgrade"};
        case Row::Feedback: return {"Cell_Common", "more_ic11", "user feed back"};
        case Row::About: return {"Cell_Common", "more_ic12", "about"};
        case Row::Restart: return {"Cell_FactoryReset", nullptr, "restart router"};
        case Row::FactoryReset: return {"Cell_FactoryReset", nullptr, "reset router to factory"};
        case Row::Account: return {"Cell_Head", nullptr, ""};
        case Row::None: break;
    }
    return {"", nullptr, ""};
}

std::string routerRomVersion() {
    auto listener = TAVOAccountManager::shareInstance()->statusLisener();
    auto status = listener ? listener->status() : nullptr;
    return status && status->hardwareInfo ? status->hardwareInfo->rom_version : std::string();
}
}  // namespace

namespace {
const TAVOSettingViewController::RestartKind& restartKind() {
    static const TAVOSettingViewController::RestartKind kind{"will restart router", "restart in progress",
                                                            "restart progress", &TAVOAccountManager::restartRouter,
                                                            false};
    return kind;
}
const TAVOSettingViewController::RestartKind& resetKind() {
    static const TAVOSettingViewController::RestartKind kind{"will reset router", "reset in progress", "reset progress",
                                                            &TAVOAccountManager::factoryResetRouter, true};
    return kind;
}
}  // namespace

// ---- state ----

bool TAVOSettingViewController::routerIsConnect() const { return TAVOAccountManager::shareInstance()->routerState() == 0; }

bool TAVOSettingViewController::hasNewRom() const {
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    return router && router->updateInfo && router->updateInfo->update_type > 0;
}

TAVOSettingViewController::Row TAVOSettingViewController::rowAt(const ui::IndexPath& ip) const {
    const bool signedIn = TAVOAccountManager::shareInstance()->currentAccountData() != nullptr;
    switch (ip.section) {
        case 0:
            if (ip.row == 0) return signedIn ? Row::Account : Row::Login;
            if (ip.row == 1) return signedIn ? Row::RoutersList : Row::SwitchRouter;
            break;
        case 1: {
            if (!routerIsConnect()) break;
            const Row rows[] = {Row::RouterInfo, Row::AdminPwd, Row::WiFiPwd, Row::LED, Row::RomUpgrade};
            if (ip.row >= 0 && ip.row < 5) return rows[ip.row];
            break;
        }
        case 2: {
            const Row rows[] = {Row::AppUpgrade, Row::Feedback, Row::About};
            if (ip.row >= 0 && ip.row < 3) return rows[ip.row];
            break;
        }
        case 3:
            if (!routerIsConnect()) break;
            if (ip.row == 0) return Row::Restart;
            if (ip.row == 1) return Row::FactoryReset;
            break;
        default: break;
    }
    return Row::None;
}

// ---- life ----

void TAVOSettingViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    view()->setBackgroundColor(ui::Color::white(kPageGrey));
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("setting"));

    const cg::Rect b = view()->bounds();
    const double top = cg::RectGetMaxY(navBar()->frame());
    tableView_ = ui::TableView::create(cg::RectMake(0, top, b.size.width, b.size.height - top));
    tableView_->setBackgroundColor(ui::Color::white(kPageGrey));
    tableView_->separatorStyle = 0;
    tableView_->showsVerticalScrollIndicator = false;
    tableView_->setContentInset(cg::EdgeInsets{kSectionHeaderHeight, 0, kSectionHeaderHeight, 0});
    auto self = this->self<TAVOSettingViewController>();
    tableView_->setDataSource(self);
    tableView_->setTableDelegate(self);
    view()->addSubview(tableView_);

    auto listener = TAVOAccountManager::shareInstance()->statusLisener();
    auto status = listener ? listener->status() : nullptr;
    if (status && status->lanStatus) currentLEDState_ = ns::Value(status->lanStatus->led_status).intValue();

    std::weak_ptr<TAVOSettingViewController> weak = self;
    TAVORequestAnswers::listen<TAVORouterQueryRomUpdateRequest>(
        self,
        [weak](const ns::Value& record, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->checkRomOK(record);
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->checkRomNG(error);
        });
    TAVORequestAnswers::listen<TAVORouterLedControlRequest>(
        self,
        [weak](const ns::Value&, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->ledChanged(true, nullptr);
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->ledChanged(false, error);
        });
    TAVORequestAnswers::listen<TAVORouterBindRequest>(
        self,
        [weak](const ns::Value&, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->bindLocalRouterOK();
        },
        nullptr);
}

void TAVOSettingViewController::viewWillAppear(bool animated) {
    TAVOWIFIViewControler::viewWillAppear(animated);
    requestRomUpdateInfo(true);
    tableView_->reloadData();
}

void TAVOSettingViewController::leftNavItemPressed() {
    auto nav = navigationController();
    if (nav && nav->presentingViewController())
        nav->dismissViewControllerAnimated(true);
    else
        TAVOWIFIViewControler::leftNavItemPressed();
}

void TAVOSettingViewController::showError(const std::string& message) {
    showToast(CustomizedHUDTypeWarning, message.empty() ? TAVOLocalizedString(kCommonServerErrorKey) : message);
}

// ---- table ----

long TAVOSettingViewController::numberOfRowsInSection(ui::TableView&, long section) {
    switch (section) {
        case 0: return 2;
        case 1: return routerIsConnect() ? 5 : 0;
        case 2: return 3;
        case 3: return routerIsConnect() ? 2 : 0;
        default: return 0;
    }
}

std::optional<double> TAVOSettingViewController::heightForHeaderInSection(ui::TableView&, long section) {
    if (section == 0 || (section == 1 && !routerIsConnect())) return 0;
    return kSectionHeaderHeight;
}

ui::ViewPtr TAVOSettingViewController::viewForHeaderInSection(ui::TableView& table, long section) {
    if (section == 0 || (section == 1 && !routerIsConnect())) return nullptr;
    auto header = ui::Label::create(cg::RectMake(0, 0, table.bounds().size.width, kSectionHeaderHeight));
    header->setBackgroundColor(ui::Color::white(kPageGrey));
    return header;
}

ui::TableViewCellPtr TAVOSettingViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    const Row row = rowAt(ip);
    const RowLook look = lookOf(row);
    if (row == Row::Account) {
        auto cell = std::dynamic_pointer_cast<TAVORightHeaderCell>(table.dequeueReusableCellWithIdentifier(look.identifier));
        if (!cell) cell = TAVORightHeaderCell::create(ui::TableViewCellStyle::Default, look.identifier);
        if (auto account = TAVOAccountManager::shareInstance()->currentAccountData()) {
            cell->setUserName(account->accountName());
            cell->setHeadPicURL(account->head_pic());
        }
        cell->setBackgroundColor(ui::Color::whiteColor());
        showSeparatorLine(cell, true, ip, table);
        return cell;
    }
    if (row == Row::LED) {
        auto cell = std::dynamic_pointer_cast<TAVOSettingSwitchCell>(table.dequeueReusableCellWithIdentifier(look.identifier));
        if (!cell) cell = TAVOSettingSwitchCell::create(ui::TableViewCellStyle::Default, look.identifier);
        cell->setTag(kLEDSwitchTag);
        cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
        cell->setSpace_between(kLEDSpaceBetween);
        cell->iconImage()->setImage(ui::Image::imageNamed(look.icon));
        cell->settingTitle()->setText(TAVOLocalizedString(look.title));
        cell->switchControl()->setOn(currentLEDState_ != 0);
        cell->setDelegate(self<TAVOSettingViewController>());
        cell->setBackgroundColor(ui::Color::whiteColor());
        showSeparatorLine(cell, true, ip, table);
        return cell;
    }
    return settingCell(table, ip, row);
}

ui::TableViewCellPtr TAVOSettingViewController::settingCell(ui::TableView& table, const ui::IndexPath& ip, Row row) {
    const RowLook look = lookOf(row);
    auto cell = std::dynamic_pointer_cast<TAVOSettingCell>(table.dequeueReusableCellWithIdentifier(look.identifier));
    if (!cell) cell = TAVOSettingCell::create(ui::TableViewCellStyle::Default, look.identifier);
    cell->setBackgroundColor(ui::Color::whiteColor());
    cell->hasNewVersionView()->setHidden(true);
    cell->isLatestVersionLabel()->setHidden(true);
    cell->accessorView()->setHidden(false);
    cell->setSubTitle("");
    cell->selectionStyle = ip.section == 1 ? ui::TableViewCellSelectionStyle::Gray : ui::TableViewCellSelectionStyle::Default;

    if (ip.section == 3) {
        // Restart and reset: a centred text of the cell's own, no marks.
        cell->setIconImage(nullptr);
        cell->setTitle("");
        cell->textLabel()->setText(TAVOLocalizedString(look.title));
        cell->textLabel()->setTextAlignment(ui::TextAlignment::Center);
        cell->accessorView()->setHidden(true);
        showBottomSeperatorLine(cell, true);
        return cell;
    }
    cell->textLabel()->setText("");
    cell->setIconImage(look.icon ? ui::Image::imageNamed(look.icon) : nullptr);
    cell->setTitle(TAVOLocalizedString(look.title));
    switch (row) {
        case Row::Login: cell->setSubTitle(TAVOLocalizedString("mange router anytime")); break;
        case Row::RomUpgrade: {
            const std::string rom = routerRomVersion();
            cell->setSubTitle(ns::format("%@%@", TAVOLocalizedString("current router version is"),
                                         rom.empty() ? TAVOLocalizedString("unknown version") : rom));
            if (hasNewRom()) {
                cell->hasNewVersionView()->setHidden(false);
            } else if (!rom.empty()) {
                cell->isLatestVersionLabel()->setHidden(false);
                cell->accessorView()->setHidden(true);
            }
            break;
        }
        case Row::AppUpgrade:
            cell->setSubTitle(
                ns::format("%@%@", TAVOLocalizedString("current version is"), AppInfoUtility::currentBundleVersionString()));
            if (TAVOAppInfoProvider::shareInstance()->hasNewVersion()) {
                cell->hasNewVersionView()->setHidden(false);
            } else {
                cell->isLatestVersionLabel()->setHidden(false);
                cell->accessorView()->setHidden(true);
            }
            break;
        default: break;
    }
    showSeparatorLine(cell, true, ip, table);
    if (ip.section == 2) showBottomSeperatorLine(cell, true);
    return cell;
}

void TAVOSettingViewController::scrollViewDidScroll(ui::ScrollView& scrollView) {
    const double y = scrollView.contentOffset().y;
    if (y < 0) return;
    cg::EdgeInsets inset = scrollView.contentInset();
    inset.top = y <= kSectionHeaderHeight ? kSectionHeaderHeight : -kSectionHeaderHeight;
    inset.bottom = kSectionHeaderHeight;
    if (inset != scrollView.contentInset()) scrollView.setContentInset(inset);
}

void TAVOSettingViewController::didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    table.deselectRowAtIndexPath(ip, false);
    switch (rowAt(ip)) {
        case Row::Account: requestToLogOut(); break;
        case Row::Login: showLogin(); break;
        case Row::RoutersList: pushScreenNamed("TAVORoutersListViewController"); break;
        case Row::SwitchRouter: switchRouter(); break;
        case Row::RouterInfo: pushScreen(TAVORouterInfoViewController::create()); break;
        case Row::AdminPwd: pushScreen(TAVORouterAdminPwdViewController::create()); break;
        case Row::WiFiPwd: showWiFiPwdSetting(); break;
        case Row::RomUpgrade:
            if (hasNewRom())
                showRomUpgrade();
            else
                requestRomUpdateInfo(false);
            break;
        case Row::AppUpgrade: requestAppVersion(); break;
        case Row::Feedback: pushScreen(TAVOFeedbackViewController::create()); break;
        case Row::About: pushScreen(TAVOAboutViewController::create()); break;
        case Row::Restart: requestRestartRouter(); break;
        case Row::FactoryReset: requestFactoryResetRouter(); break;
        case Row::LED:
        case Row::None: break;
    }
}

// ---- opening other screens ----

void TAVOSettingViewController::pushScreen(const ui::ViewControllerPtr& screen) {
    auto nav = navigationController();
    if (screen && nav) nav->pushViewController(screen, true);
}

void TAVOSettingViewController::pushScreenNamed(const std::string& className, const std::string& title) {
    // A screen of another module that is not there does nothing.
    auto screen = TAVOScreenClassRegistry::create(className);
    if (!screen) return;
    if (!title.empty()) screen->setTitle(title);
    pushScreen(screen);
}

void TAVOSettingViewController::showLogin() { pushScreenNamed("TAVOArdoAccountLoginViewController"); }

void TAVOSettingViewController::switchRouter() {
    if (isLoginArdoAccount()) return;
    pushScreenNamed("TAVOBindRouterPswViewController", TAVOLocalizedString("switch router"));
}

void TAVOSettingViewController::showRomUpgrade() { pushScreen(TAVOUpgradeViewController::create()); }

void TAVOSettingViewController::showWiFiPwdSetting() {
    auto screen = TAVOScreenClassRegistry::create("TAVOWiFiPwdViewController");
    auto nav = navigationController();
    if (!screen || !nav) return;
    wifiPwdController_ = screen;
    nav->setDelegate(self<TAVOSettingViewController>());
    nav->pushViewController(screen, true);
}

void TAVOSettingViewController::willShowViewController(ui::NavigationController& nav, const ui::ViewControllerPtr& shown,
                                                       bool) {
    if (!wifiPwdController_ || shown.get() != this) return;
    auto outcome = std::dynamic_pointer_cast<TAVOModifyOutcome>(wifiPwdController_);
    if (outcome && outcome->okToModify()) {
        // After a changed network name or password the phone must join the
        // network again: the help says how.
        std::weak_ptr<TAVOSettingViewController> weak = self<TAVOSettingViewController>();
        dispatch::Queue::main()->async([weak] {
            auto screen = weak.lock();
            auto help = TAVOScreenClassRegistry::create("TAVOGetWIFIHelpViewController");
            if (screen && help) screen->presentViewController(help, true);
        });
    }
    wifiPwdController_.reset();
    nav.setDelegate(nullptr);
}

void TAVOSettingViewController::bindLocalRouterOK() {
    // Switching routers without an account: back to the dashboard.
    if (isLoginArdoAccount()) return;
    if (auto nav = navigationController(); nav && nav->presentingViewController()) nav->dismissViewControllerAnimated(true);
}

// ---- logout ----

void TAVOSettingViewController::requestToLogOut() {
    auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"), TAVOLocalizedString("make sure to quit ArdoID"));
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), 2, nullptr);
    std::weak_ptr<TAVOSettingViewController> weak = self<TAVOSettingViewController>();
    alert->addButtonWithTitle(TAVOLocalizedString("sure"), 0, [weak](const MAAlertViewPtr&) {
        auto screen = weak.lock();
        if (!screen) return;
        TAVOAccountManager::shareInstance()->quitArdoAccount();
        auto tabs = screen->tabBarController();
        auto mainNav = tabs && tabs->navigationController() ? tabs->navigationController()
                                                             : TAVOViewControllerState::appNavigationController();
        auto presented = screen->navigationController();
        auto back = [mainNav] {
            if (mainNav) mainNav->popToRootViewControllerAnimated(true);
        };
        if (presented && presented->presentingViewController())
            presented->dismissViewControllerAnimated(false, back);
        else
            back();
    });
    alert->show();
}

// ---- ROM check ----

void TAVOSettingViewController::requestRomUpdateInfo(bool quiet) {
    isQuiet_ = quiet;
    if (!quiet && !isRouterAvailable()) return;
    const std::int32_t result = TAVOAccountManager::shareInstance()->checkRouterRomUpdate();
    if (!quiet && result < 0) showToast(CustomizedHUDTypeWarning, TAVOLocalizedString(kCommonServerErrorKey));
}

void TAVOSettingViewController::checkRomOK(const ns::Value& result) {
    auto record = result.as<TAVORouterRomUpdataInfo>();
    if (!record) return;
    if (record->update_type > 0) {
        if (auto router = TAVOAccountManager::shareInstance()->currentRouter()) router->updateInfo = record;
    } else if (!isQuiet_) {
        showToast(CustomizedHUDTypeInfo, TAVOLocalizedString("this is the latest version"));
    }
    tableView_->reloadData();
}

void TAVOSettingViewController::checkRomNG(const TAVOErrorPtr& error) {
    if (isQuiet_)
        dismissToast();
    else
        showError(getErrMsgFromObject(error));
}

// ---- application version ----

void TAVOSettingViewController::requestAppVersion() {
    auto cell = tableView_->cellForRowAtIndexPath(ui::IndexPath::indexPathForRow(0, 2));
    if (auto setting = std::dynamic_pointer_cast<TAVOSettingCell>(cell)) {
        setting->hasNewVersionView()->setHidden(true);
        setting->isLatestVersionLabel()->setHidden(true);
        setting->accessorView()->setHidden(true);
        UIViewBusyIndicator::showBusyIndicator(setting->contentView(), cg::RectMake(kBusyX, 0, kBusyWidth, kRowHeight));
    }
    appChecker_ = TAVOCloudAppUpdateChecker::create();
    appChecker_->setDelegate(self<TAVOSettingViewController>());
    if (appChecker_->checkAppUpdateInfo() < 0) {
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString(kCommonServerErrorKey));
        appChecker_.reset();
    }
}

void TAVOSettingViewController::appCheckerResult(TAVOAppUpdateChecker&, const std::optional<TAVOAppVersionInfo>&) {
    auto keep = appChecker_;  // the checker may be inside this call
    if (auto cell = tableView_->cellForRowAtIndexPath(ui::IndexPath::indexPathForRow(0, 2)))
        UIViewBusyIndicator::dismissBusyIndicator(cell->contentView());
    if (TAVOAppInfoProvider::shareInstance()->hasNewVersion()) {
        dismissToast();
        TAVOAppEventHandler::shareInstance()->handleAppEvent(1);
    } else {
        showToast(CustomizedHUDTypeInfo, TAVOLocalizedString("this is the latest version"));
    }
    appChecker_.reset();
    tableView_->reloadData();
}

void TAVOSettingViewController::appCheckerError(TAVOAppUpdateChecker&, const ns::Value& error) {
    auto keep = appChecker_;
    if (auto cell = tableView_->cellForRowAtIndexPath(ui::IndexPath::indexPathForRow(0, 2)))
        UIViewBusyIndicator::dismissBusyIndicator(cell->contentView());
    auto failure = error.as<TAVOError>();
    showError(failure ? failure->errorMsg() : std::string());
    appChecker_.reset();
    tableView_->reloadData();
}

// ---- LED ----

void TAVOSettingViewController::onSwithChanged(ToggleSwitch& switchControl, TAVOSettingSwitchCell& cell) {
    if (cell.tag() != kLEDSwitchTag) return;
    requestChangeLEDState(switchControl.isOn());
}

void TAVOSettingViewController::requestChangeLEDState(bool on) {
    currentLEDState_ = on ? 1 : 0;
    (void)TAVOAccountManager::shareInstance()->requestControlLED(currentLEDState_);
}

void TAVOSettingViewController::ledChanged(bool ok, const TAVOErrorPtr& error) {
    if (ok) {
        dismissToast();
        return;
    }
    currentLEDState_ = currentLEDState_ ? 0 : 1;
    showError(getErrMsgFromObject(error));
    tableView_->reloadRowsAtIndexPaths({ui::IndexPath::indexPathForRow(3, 1)}, ui::TableViewRowAnimation::None);
}

// ---- restart and factory reset ----

void TAVOSettingViewController::requestRestartRouter() { confirmRestart(restartKind()); }

void TAVOSettingViewController::requestFactoryResetRouter() { confirmRestart(resetKind()); }

void TAVOSettingViewController::confirmRestart(const RestartKind& kind) {
    auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"), TAVOLocalizedString(kind.message));
    alert->addButtonWithTitle(TAVOLocalizedString("NO"), 2, nullptr);
    std::weak_ptr<TAVOSettingViewController> weak = self<TAVOSettingViewController>();
    const RestartKind* k = &kind;
    alert->addButtonWithTitle(TAVOLocalizedString("YES"), 0, [weak, k](const MAAlertViewPtr&) {
        auto screen = weak.lock();
        if (!screen) return;
        auto facade = TAVOAccountManager::shareInstance();
        (void)((*facade).*(k->call))();
        auto ok = [weak, k](const ns::Value&, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->restartAnswered(*k, true, nullptr);
        };
        auto ng = [weak, k](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->restartAnswered(*k, false, error);
        };
        if (k->reset)
            TAVORequestAnswers::listen<TAVORouterFactoryResetRequest>(screen, ok, ng);
        else
            TAVORequestAnswers::listen<TAVORouterRestartRequest>(screen, ok, ng);
        screen->showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString(k->waitingText), false);
    });
    alert->show();
}

void TAVOSettingViewController::restartAnswered(const RestartKind& kind, bool ok, const TAVOErrorPtr& error) {
    if (kind.reset)
        TAVORequestAnswers::stopListening<TAVORouterFactoryResetRequest>(this);
    else
        TAVORequestAnswers::stopListening<TAVORouterRestartRequest>(this);
    if (!ok) {
        showError(getErrMsgFromObject(error));
        return;
    }
    dismissToast();
    if (countDownView_) return;
    countDownView_ = TAVORestartCountDownView::create(view()->bounds());
    countDownView_->startCountDown(kRestartSeconds);
    countDownView_->setIntroduceContent(TAVOLocalizedString(kind.countDownText));
    countDownView_->setDelegate(self<TAVOSettingViewController>());
    view()->addSubview(countDownView_);
}

void TAVOSettingViewController::timeout(TAVOCountDownView&) {
    if (!countDownView_) return;
    countDownView_->removeFromSuperview();
    countDownView_.reset();
}
