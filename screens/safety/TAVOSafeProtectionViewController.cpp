#include "screens/safety/TAVOSafeProtectionViewController.h"

#include <cmath>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/crypto/ControlFactory.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "core/errors/TAVORouterErrorUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/Format.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Transaction.h"
#include "platform/ui/ViewAnimation.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterGetVirusLibraryInfo.h"
#include "screens/safety/TAVOARPProtectViewController.h"
#include "screens/safety/TAVOAntiAccountStealerViewController.h"
#include "screens/safety/TAVOBlockDangerousWebsitesViewController.h"
#include "screens/safety/TAVOBlockHistoryViewController.h"
#include "screens/safety/TAVODNSProtectViewController.h"
#include "screens/safety/TAVOHeartBloodProtectionViewController.h"
#include "screens/safety/TAVONetProtectViewController.h"
#include "screens/safety/TAVOSafeReportViewController.h"
#include "screens/safety/TAVOSafetyStyle.h"
#include "uikit/LXCommodityStyleModifiers.h"
#include "uikit/TKTabBarController.h"
#include "uikit/UIViewControllerPUPopupViewController.h"
#include "widgets/TAVOPopupViewController.h"
#include "widgets/TAVOSettingSelectCell.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {

constexpr double kReconnectWidth = 200;
constexpr double kReconnectHeight = 32;
constexpr double kReconnectGapTall = 47;
constexpr double kReconnectGapShort = 27;
constexpr double kShortScreenShift = 22;
constexpr double kStatusFontSize = 13;
constexpr const char* kDateFormat = "yyyy-MM-dd";
constexpr const char* kDownloadTime = "download_time";

const char* const kRowTitles[] = {"set net control", "protect to theal account", "DNS safe protection",
                                  "block dangerous websites", "heart blood protection", "local domain network protection"};
const char* const kCountTexts[] = {"block intruders: %d times", "protect: %d times", "block threats: %d times",
                                   "block threats: %d times", "block threats: %d times", "block threats: %d times"};

bool isWiFiPasswordSafe(int strength) { return strength == 4; }
bool isAdminPasswordSafe(int safety) { return safety == 0; }

}  // namespace

void TAVOSafeProtectionViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    navBar()->setBgImage(nullptr);
    navBar()->setTitle(TAVOLocalizedString("safe protection"), ui::Color::whiteColor());
    navBar()->setRightBarItemText(TAVOLocalizedString("block history"));
    if (auto right = navBar()->rightBarButtonItem()) {
        right->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
        right->setTitleColor(ui::Color::whiteColor(), ui::ControlStateHighlighted);
    }
    buildViews();

    auto self = this->self<TAVOSafeProtectionViewController>();
    headerView_ = TAVOHeadContentViewInCell::create(headerViewContainer_->bounds());
    headerView_->setDelegate(self);
    headerViewContainer_->addSubview(headerView_);

    checkRouterViewController_ = TAVOCheckRouterViewController::create();
    checkRouterViewController_->setDelegate(self);
    checkRouterViewController_->view()->setFrame(scanningView_->bounds());
    scanningView_->addSubview(checkRouterViewController_->view());

    shouldCheckRouterStatus_ = true;
    previousSecurityLevel_ = -1;
    headerView_->setSecurityLevel(0);
    setRouterStatus(PageLost, false);

    auto reconnect = ControlFactory::createButton(TAVOLocalizedString("re connect to router"), ui::Font::systemFontOfSize(16),
                                                  ui::Color::whiteColor());
    auto stretched = [](const char* name) {
        auto image = ui::Image::imageNamed(name);
        return image ? image->stretchableImageWithLeftCapWidth(5, 5) : nullptr;
    };
    reconnect->setBackgroundImage(stretched("home_btn"), ui::ControlStateNormal);
    reconnect->setBackgroundImage(stretched("home_btn_pre"), ui::ControlStateHighlighted);
    reconnect->setBackgroundColor(ui::Color::clearColor());
    const bool tall = TAVOCommonUtility::is4InchScreen();
    reconnect->setFrame(cg::RectMake((lostConnectionView_->bounds().size.width - kReconnectWidth) / 2,
                                     cg::RectGetMaxY(lostConnectionReason_->frame()) + (tall ? kReconnectGapTall : kReconnectGapShort),
                                     kReconnectWidth, kReconnectHeight));
    reconnect->addTarget(self, &TAVOSafeProtectionViewController::reconnectRouter, "reconnectRouter:", ui::ControlEventTouchUpInside);
    lostConnectionView_->addSubview(reconnect);
    if (!tall)
        for (const auto& sub : lostConnectionView_->subviews()) {
            cg::Rect f = sub->frame();
            f.origin.y -= kShortScreenShift;
            sub->setFrame(f);
        }

    std::weak_ptr<TAVOSafeProtectionViewController> weak = self;
    auto center = ns::NotificationCenter::defaultCenter();
    becameActiveObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ns::UIApplicationDidBecomeActiveNotification, {}, nullptr, [weak](const ns::NotificationPtr&) {
            auto tab = weak.lock();
            if (tab && tab->routerStatus_ == PageNormal) tab->headerView_->startAnimating();
        }));
}

void TAVOSafeProtectionViewController::buildViews() {
    const cg::Rect b = view()->bounds();
    const bool tall = TAVOCommonUtility::is4InchScreen();
    const double top = cg::RectGetMaxY(navBar()->frame());
    const double headerHeight = tall ? TAVOHeadContentViewInCell::kTallHeight : TAVOHeadContentViewInCell::kShortHeight;

    gradientView_ = TAVOGradientView::create(b);
    gradientView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    TAVOSafetyStyle::paint(*gradientView_, TAVOSafetyStyle::safeGradient(), false);
    view()->insertSubviewAtIndex(gradientView_, 0);

    headerViewContainer_ = ui::View::create(cg::RectMake(0, top, b.size.width, headerHeight));
    view()->addSubview(headerViewContainer_);

    tableView_ = ui::TableView::create(cg::RectMake(0, top + headerHeight, b.size.width, b.size.height - top - headerHeight));
    tableView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleHeight);
    auto self = this->self<TAVOSafeProtectionViewController>();
    tableView_->setDataSource(self);
    tableView_->setTableDelegate(self);
    tableView_->bounces = true;
    tableView_->separatorStyle = 0;
    tableView_->setSectionHeaderHeight(0);
    tableView_->setSectionFooterHeight(0);
    tableView_->setBackgroundColor(TAVOSafetyStyle::pageBackground());
    tableView_->showsVerticalScrollIndicator = false;
    view()->addSubview(tableView_);

    // The scan page fills the whole screen: it shrinks onto the header's shield.
    scanningView_ = ui::View::create(b);
    scanningView_->setAlpha(0);
    view()->addSubview(scanningView_);

    lostConnectionView_ = ui::View::create(cg::RectMake(0, top, b.size.width, b.size.height - top));
    lostConnectionView_->setAlpha(0);
    lostConnectionReason_ = ui::Label::create(cg::RectMake(20, tall ? 160 : 140, b.size.width - 40, 44));
    lostConnectionReason_->setFont(ui::Font::systemFontOfSize(16));
    lostConnectionReason_->setTextColor(ui::Color::whiteColor());
    lostConnectionReason_->setBackgroundColor(ui::Color::clearColor());
    lostConnectionReason_->setTextAlignment(ui::TextAlignment::Center);
    lostConnectionReason_->setNumberOfLines(2);
    lostConnectionView_->addSubview(lostConnectionReason_);
    view()->addSubview(lostConnectionView_);
    view()->bringSubviewToFront(navBar());
}

ui::ImagePtr TAVOSafeProtectionViewController::tabImage() const { return ui::Image::imageNamed("home_bbar_ic02"); }
ui::ImagePtr TAVOSafeProtectionViewController::tabSelectedImage() const { return ui::Image::imageNamed("home_bbar_ic02_pre"); }
std::string TAVOSafeProtectionViewController::tabTitle() const { return TAVOLocalizedString("safe protection"); }

std::shared_ptr<TAVORouterStatusLisener> TAVOSafeProtectionViewController::sharedListener() {
    auto facade = TAVOAccountManager::shareInstance();
    // The facade keeps one poller for the current router; the tab makes it
    // when no screen has yet.
    if (!facade->statusLisener() && facade->currentRouter()) facade->setStatusLisener(TAVORouterStatusLisener::create());
    return facade->statusLisener();
}

void TAVOSafeProtectionViewController::viewWillAppear(bool animated) {
    TAVOWIFIViewControler::viewWillAppear(animated);
    if (isRouterAvailableSilently()) {
        auto preferences = TAVORouterPreference::shareInstance();
        auto router = TAVOAccountManager::shareInstance()->currentRouter();
        const bool hasDate = router && router->anvirusLibInfo.isDictionary() && !router->anvirusLibInfo[kDownloadTime].isNil();
        if (preferences->hasInitializedVirusLibrary() && hasDate) {
            getVirusLibraryInfo();
            checkRouter(false);
        } else {
            preferences->setInitializedVirusLibrary(true);
            setIsUpdating(true);
        }
    } else {
        setRouterStatus(PageUnavailable, false);
    }
    updateSecurityLevel(false);
    if (routerStatus_ == PageNormal) headerView_->startAnimating();
}

void TAVOSafeProtectionViewController::viewWillDisappear(bool animated) {
    TAVOWIFIViewControler::viewWillDisappear(animated);
    if (auto lisener = listener()) {
        lisener->wantsPasswordStrength = false;
        lisener->endLisener();
    }
    if (routerStatus_ == PageScanning && !checkRouterViewController_->dataReady()) {
        shouldCheckRouterStatus_ = true;
        setRouterStatus(PageUnavailable, false);
    }
    checkRouterViewController_->setPaused(true);
}

void TAVOSafeProtectionViewController::push(const ui::ViewControllerPtr& screen) {
    auto tabs = tabBarController();
    auto nav = tabs ? tabs->navigationController() : navigationController();
    if (nav) nav->pushViewController(screen, true);
}

void TAVOSafeProtectionViewController::rightNavItemPressed() {
    if (isRouterAvailable(true)) push(TAVOBlockHistoryViewController::create());
}

void TAVOSafeProtectionViewController::showSafeReport() { push(TAVOSafeReportViewController::create()); }

void TAVOSafeProtectionViewController::didSelectRowAtIndexPath(ui::TableView&, const ui::IndexPath& indexPath) {
    if (!isRouterAvailableSilently()) return;
    switch (indexPath.row) {
    case 0: push(TAVONetProtectViewController::create()); break;
    case 1: push(ui::ViewController::make<TAVOAntiAccountStealerViewController>()); break;
    case 2: push(ui::ViewController::make<TAVODNSProtectViewController>()); break;
    case 3: push(ui::ViewController::make<TAVOBlockDangerousWebsitesViewController>()); break;
    case 4: push(ui::ViewController::make<TAVOHeartBloodProtectionViewController>()); break;
    case 5: push(ui::ViewController::make<TAVOARPProtectViewController>()); break;
    default: break;
    }
}

void TAVOSafeProtectionViewController::reconnectRouter() {
    TAVOAccountManager::shareInstance()->setCurrentRouter(nullptr);
    auto tabs = tabBarController();
    auto nav = tabs ? tabs->navigationController() : navigationController();
    if (nav) nav->popToRootViewControllerAnimated(true);
}

// --- Pages -------------------------------------------------------------

void TAVOSafeProtectionViewController::setRouterStatus(int page, bool animated) {
    if (page == routerStatus_) return;
    routerStatus_ = page;
    if (page == PageUnavailable) setIsUpdating(false);
    if (page == PageScanning) {
        scanningView_->layer()->removeAllAnimations();
        tableView_->layer()->removeAllAnimations();
        tableView_->setAlpha(0);
    }
    const bool lost = page == PageLost || page == PageUnavailable;
    auto alphas = [this, page, lost] {
        lostConnectionView_->setAlpha(lost ? 1 : 0);
        scanningView_->setAlpha(page == PageScanning ? 1 : 0);
        headerViewContainer_->setAlpha(page == PageNormal ? 1 : 0);
        if (page != PageScanning) tableView_->setAlpha(page == PageNormal ? 1 : 0);
    };
    std::weak_ptr<TAVOSafeProtectionViewController> weak = self<TAVOSafeProtectionViewController>();
    auto completion = [weak, page, lost, animated](bool) {
        auto tab = weak.lock();
        if (!tab || tab->routerStatus_ != page) return;
        if (page == PageNormal) {
            tab->updateSecurityLevel(animated);
            tab->scanningView_->layer()->removeAllAnimations();
            tab->headerView_->startAnimating();
        } else if (page == PageScanning) {
            TAVOSafetyStyle::paint(*tab->gradientView_, TAVOSafetyStyle::safeGradient(), false);
        } else if (lost) {
            TAVOSafetyStyle::paint(*tab->gradientView_, TAVOSafetyStyle::lostGradient(), animated);
        }
    };
    if (animated) {
        ui::ViewAnimation::animate(kPageFadeSeconds, alphas, completion);
    } else {
        alphas();
        completion(true);
    }
}

// --- Checking -----------------------------------------------------------

void TAVOSafeProtectionViewController::checkRouter(bool animated) {
    if (!isRouterAvailableSilently()) return;
    checkRouterViewController_->setPaused(false);
    if (routerStatus_ == PageScanning) return;
    if (shouldCheckRouterStatus_) {
        checkRouterViewController_->setDataReady(false);
        setRouterStatus(PageScanning, animated);
    } else {
        setRouterStatus(PageNormal, animated);
    }
    getRouterStatus();
}

void TAVOSafeProtectionViewController::getRouterStatus() {
    lastActionDateOnRouterStatus_ = ns::Date::now();
    auto lisener = sharedListener();
    if (!lisener) return;
    lisener->wantsPasswordStrength = true;
    lisener->delegate = self<TAVOSafeProtectionViewController>();
    auto facade = TAVOAccountManager::shareInstance();
    lisener->startLisener(facade->currentRouter(), facade->currentAccountData());
}

void TAVOSafeProtectionViewController::handleRouterStatusResponse() {
    // The poller clears its error right after telling it, so an answer
    // handled later (on the timer) is handled as one without error.
    const bool hasError = statusErrorReported_;
    statusErrorReported_ = false;
    const double elapsed = lastActionDateOnRouterStatus_
                               ? std::fabs(ns::Date::now().timeIntervalSince1970() - lastActionDateOnRouterStatus_->timeIntervalSince1970())
                               : kHandleAtOnceAfter;
    if (elapsed < kHandleAtOnceAfter) {
        deferTimer_.start(kShowNoSoonerThan - elapsed, false, [this] { handleRouterStatusResponse(); });
        return;
    }
    updateSecurityLevel(true);
    if (!shouldCheckRouterStatus_) return;
    if (hasError) {
        finishCheckingRouter();
        return;
    }
    shouldCheckRouterStatus_ = false;
    checkRouterViewController_->setDataReady(true);
}

cg::AffineTransform TAVOSafeProtectionViewController::finishTransform(double screenHeight) {
    if (screenHeight > 480) return cg::AffineTransformTranslate(cg::AffineTransformMakeScale(0.5573, 0.5573), 0, -222.5);
    return cg::AffineTransformTranslate(cg::AffineTransformMakeScale(0.4084, 0.4084), -205.7, -259.5);
}

void TAVOSafeProtectionViewController::finishCheckingRouter() {
    tableView_->setAlpha(1);
    std::weak_ptr<TAVOSafeProtectionViewController> weak = self<TAVOSafeProtectionViewController>();
    ca::Transaction::begin();
    ca::Transaction::setAnimationDuration(kFinishSeconds);
    ca::Transaction::setCompletionBlock([weak] {
        if (auto tab = weak.lock()) tab->setRouterStatus(PageNormal, true);
    });
    auto zoom = ca::BasicAnimation::animationWithKeyPath("transform");
    zoom->fromValue = ca::Transform3DIdentity;
    zoom->toValue = ca::Transform3DMakeAffineTransform(finishTransform(TAVOCommonUtility::is4InchScreen() ? 568 : 480));
    zoom->duration = kFinishSeconds;
    zoom->fillMode = ca::FillMode::Forwards;
    zoom->removedOnCompletion = false;
    scanningView_->layer()->addAnimation(zoom, kZoomAnimationKey);
    auto rise = ca::BasicAnimation::animationWithKeyPath("position");
    const cg::Point place = tableView_->layer()->position();
    rise->fromValue = cg::PointMake(place.x, place.y + tableView_->frame().size.height);
    rise->toValue = place;
    rise->duration = kFinishSeconds;
    rise->fillMode = ca::FillMode::Forwards;
    rise->removedOnCompletion = false;
    tableView_->layer()->addAnimation(rise, kRiseAnimationKey);
    ca::Transaction::commit();
}

// --- Level and rows -----------------------------------------------------

int TAVOSafeProtectionViewController::routerSecurityLevel(const TAVORouterStatusPtr& status, int wifiPasswordStrength,
                                                          int adminPasswordSafety) {
    int weak = status ? status->unopenedSafeItemCount() : 7;
    if (!isWiFiPasswordSafe(wifiPasswordStrength)) ++weak;
    if (!isAdminPasswordSafe(adminPasswordSafety)) ++weak;
    return weak == 0 ? 2 : weak == 1 ? 1 : 0;
}

TAVOSafeProtectionViewController::RowInput TAVOSafeProtectionViewController::rowInput() const {
    auto lisener = listener();
    if (!lisener) return {};
    return {lisener->status(), lisener->wifiPasswordStrength(), lisener->adminPasswordSafety()};
}

int TAVOSafeProtectionViewController::blockCountOfSecurityItem(long row, const RowInput& in) {
    const auto info = in.status ? in.status->dynamicInfo : nullptr;
    if (!info) return 0;
    int count = 0;
    switch (row) {
    case 0: count = info->stat_anti_freeloader; break;
    case 1: count = info->stat_anti_hacking; break;
    case 2: count = info->stat_anti_dnshacking; break;
    case 3: count = ns::Value(info->stat_intercept).intValue(); break;
    case 4: count = info->stat_anti_heart_bleed; break;
    case 5: count = info->stat_anti_arp_attack; break;
    default: break;
    }
    return std::max(0, count);
}

bool TAVOSafeProtectionViewController::doesSecurityItemHasThreats(long row, const RowInput& in) {
    const auto sw = in.status ? in.status->safeSwitch : nullptr;
    const auto station = in.status ? in.status->staticInfo : nullptr;
    auto off = [&sw](int TAVORouterSafeSwitch::*field) { return !sw || (*sw).*field == 0; };
    switch (row) {
    case 0:
        return !(station && station->need_permit != 0 && !off(&TAVORouterSafeSwitch::stat_brute_attack_switch) &&
                 isWiFiPasswordSafe(in.wifiPasswordStrength) && isAdminPasswordSafe(in.adminPasswordSafety));
    case 1: return off(&TAVORouterSafeSwitch::stat_anti_stealer);
    case 2: return off(&TAVORouterSafeSwitch::stat_anti_dns_cheat);
    case 3: return off(&TAVORouterSafeSwitch::stat_urlcheck);
    case 4: return off(&TAVORouterSafeSwitch::stat_heart_bleed_switch);
    case 5: return off(&TAVORouterSafeSwitch::stat_arp_attack_switch);
    default: return false;
    }
}

ns::AttributedStringPtr TAVOSafeProtectionViewController::subtitleForSecurityItem(long row, const RowInput& in) {
    const bool threat = doesSecurityItemHasThreats(row, in);
    const int count = blockCountOfSecurityItem(row, in);
    std::string key;
    std::string text;
    if (row == 0) {
        const auto sw = in.status ? in.status->safeSwitch : nullptr;
        const auto station = in.status ? in.status->staticInfo : nullptr;
        const bool bruteOff = !sw || sw->stat_brute_attack_switch == 0;
        if (bruteOff || !isWiFiPasswordSafe(in.wifiPasswordStrength) || !isAdminPasswordSafe(in.adminPasswordSafety)) key = "has threats";
        else if (!station || station->need_permit == 0) key = "better turn ON";
        else if (count >= 1) text = ns::format(TAVOLocalizedString(kCountTexts[0]), count);
        else key = "no WiFi intruders";
    } else if (row > 0 && row < kRowCount) {
        if (threat) key = "better turn ON";
        else if (count >= 1) text = ns::format(TAVOLocalizedString(kCountTexts[row]), count);
        else key = "ON";
    }
    if (!key.empty()) text = TAVOLocalizedString(key);
    ui::Color color = TAVOSafetyStyle::quietGrey();
    const ns::Range digits = TAVOSafetyStyle::firstDigitRun(ns::utf16::fromUtf8(text));
    if (!digits.found() && threat) color = key == "better turn ON" ? TAVOSafetyStyle::safeGreen() : TAVOSafetyStyle::warningRed();
    auto out = TAVOSafetyStyle::styled(text, ui::Font::systemFontOfSize(kStatusFontSize), color);
    if (digits.found()) LXCommodityStyleModifiers::setTextColor(*out, TAVOSafetyStyle::safeGreen(), digits);
    LXCommodityStyleModifiers::setTextAlignment(*out, ct::TextAlignment::Right, ct::LineBreakMode::TruncatingTail);
    return out;
}

void TAVOSafeProtectionViewController::updateSecurityLevel(bool animated) {
    tableView_->reloadData();
    auto lisener = listener();
    const RowInput in = rowInput();
    const int level = routerSecurityLevel(in.status, in.wifiPasswordStrength, in.adminPasswordSafety);
    headerView_->setDaysProtected(lisener ? lisener->protectElapse() : 0);
    headerView_->setSecurityLevel(level);
    if (routerStatus_ != PageNormal) return;
    previousSecurityLevel_ = level;
    const auto gradient = level == 2 ? TAVOSafetyStyle::safeGradient()
                          : level == 1 ? TAVOSafetyStyle::warningGradient()
                                       : TAVOSafetyStyle::dangerGradient();
    // The colours the gradient shows decide, not the level painted last:
    // the scan and lost-connection pages paint their own in between, and
    // the level may be the same when the normal page comes back.
    if (TAVOSafetyStyle::isShown(*gradientView_, gradient)) return;
    TAVOSafetyStyle::paint(*gradientView_, gradient, animated);
}

ui::TableViewCellPtr TAVOSafeProtectionViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) {
    auto cell = std::dynamic_pointer_cast<TAVOSettingSelectCell>(table.dequeueReusableCellWithIdentifier(kCellIdentifier));
    if (!cell) {
        cell = TAVOSettingSelectCell::create(ui::TableViewCellStyle::Default, kCellIdentifier);
        cell->setBackgroundColor(ui::Color::whiteColor());
        cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
        cell->statusLabel()->setTextAlignment(ui::TextAlignment::Right);
    }
    const long row = indexPath.row;
    if (row < 0 || row >= kRowCount) return cell;
    cell->settingTitle()->setText(TAVOLocalizedString(kRowTitles[row]));
    cell->statusLabel()->setAttributedText(subtitleForSecurityItem(row, rowInput()));
    showTopSeparatorLine(cell, true, indexPath);
    showBottomSeperatorLine(cell, row == kRowCount - 1);
    return cell;
}

// --- Virus library ------------------------------------------------------

void TAVOSafeProtectionViewController::getVirusLibraryInfo() {
    auto self = this->self<TAVOSafeProtectionViewController>();
    std::weak_ptr<TAVOSafeProtectionViewController> weak = self;
    TAVORequestAnswers::listen<TAVORouterGetVirusLibraryInfo>(
        self,
        [weak](const ns::Value& info, const ns::Dictionary&) {
            auto tab = weak.lock();
            if (!tab) return;
            TAVORequestAnswers::stopListening<TAVORouterGetVirusLibraryInfo>(tab.get());
            if (auto router = TAVOAccountManager::shareInstance()->currentRouter()) router->anvirusLibInfo = info;
            tab->showVirusLibraryDate(info);
        },
        [weak](const TAVOErrorPtr&, const ns::Dictionary&) {
            if (auto tab = weak.lock()) TAVORequestAnswers::stopListening<TAVORouterGetVirusLibraryInfo>(tab.get());
        });
    (void)TAVOAccountManager::shareInstance()->getVirusLibraryInfo();
}

void TAVOSafeProtectionViewController::showVirusLibraryDate(const ns::Value& info) {
    if (!info.isDictionary()) return;
    const std::string date = TAVOCommonUtility::convertStringFromNumber(info[kDownloadTime].doubleValue(), kDateFormat);
    headerView_->setVirusLibraryUpdateTime(date);
    checkRouterViewController_->setVirusLibraryUpdateTime(date);
}

void TAVOSafeProtectionViewController::userDidClickUpdateButton() {
    if (isRouterAvailableSilently()) setIsUpdating(true);
}

void TAVOSafeProtectionViewController::setIsUpdating(bool updating) {
    if (updating == isUpdating_) return;
    isUpdating_ = updating;
    auto tabs = tabBarController();
    ui::ViewControllerPtr presenter = tabs ? ui::ViewControllerPtr(tabs) : ui::ViewControllerPtr(self<TAVOSafeProtectionViewController>());
    if (updating) {
        updateViewController_ = TAVOUpdateViewController::create();
        updateViewController_->setDelegate(self<TAVOSafeProtectionViewController>());
        auto popup = TAVOPopupViewController::popupViewControllerWithChildViewController(updateViewController_);
        popup->setParentView(presenter->view());
        UIViewControllerPUPopupViewController::presentPopupViewController(presenter, popup, 0);
        return;
    }
    UIViewControllerPUPopupViewController::dismissPopupViewControllerWithanimationType(presenter, 0);
    updateViewController_ = nullptr;
    checkRouter(true);
}

void TAVOSafeProtectionViewController::updateViewControllerDidGetVirusInfo(TAVOUpdateViewController&, const ns::Value& info) {
    showVirusLibraryDate(info);
    if (auto router = TAVOAccountManager::shareInstance()->currentRouter()) router->anvirusLibInfo = info;
}

void TAVOSafeProtectionViewController::updateViewControllerFailedToGetVirusInfo(TAVOUpdateViewController&, const TAVOErrorPtr& error) {
    setIsUpdating(false);
    std::string message = getErrMsgFromObject(error);
    if (message.empty()) message = TAVOLocalizedString("request is failed");
    showToast(CustomizedHUDTypeWarning, message);
}

void TAVOSafeProtectionViewController::updateViewControllerDidUpdate(TAVOUpdateViewController&, const ns::Value&) {
    TAVORouterPreference::shareInstance()->setVirusLibraryUpdateDate(ns::Date::now());
}

// --- Router events ------------------------------------------------------

void TAVOSafeProtectionViewController::handleGlobalRouterEvent(int event) {
    if (event == 3 || event > 4) return;
    shouldCheckRouterStatus_ = true;
    const int code = TAVOAccountManager::shareInstance()->currentRouterCriticalErrorCode();
    if (code == 0 && event != 4) {
        setRouterStatus(PageNormal, true);
        return;
    }
    setRouterStatus(PageUnavailable, true);
    lostConnectionReason_->setText(TAVORouterErrorUtility::textDescForBreakdownError(code));
    checkRouterViewController_->setPaused(true);
}
