#include "screens/safety/TAVONetProtectViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterSetCommonSWRequest.h"
#include "protocol/requests/catalogue/TAVORouterSetNeedPermitRequest.h"
#include "protocol/requests/catalogue/TAVORouterSetPermitAdvanceRequest.h"
#include "protocol/requests/catalogue/TAVOWIFIGetChannelDeviceNumRequest.h"
#include "screens/safety/TAVOProtectionType.h"
#include "screens/safety/TAVOSafetyStyle.h"
#include "uikit/LXCommodityStyleModifiers.h"
#include "uikit/ToggleSwitch.h"
#include "uikit/UIViewControllerPUPopupViewController.h"
#include "widgets/TAVOPopupViewController.h"
#include "widgets/TAVORandomPointGenerator.h"
#include "widgets/TAVOScreenClassRegistry.h"
#include "widgets/TAVOSettingSelectCell.h"
#include "widgets/TAVOSettingSwitchCell.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {

constexpr const char* kTitleCell = "cellTitle";
constexpr const char* kSwitchCell = "cellSwitcher";
constexpr const char* kPasswordCell = "cellPassword";
constexpr double kResultLineSpacing = 8.5;
constexpr double kHeadingFontSize = 16;

struct Layout {
    double radarSide, radarTop, labelTop, labelHeight, tableTop;
};
Layout layoutFor(double navBottom, bool tall) {
    if (tall) return {150, navBottom + 12, navBottom + 168, 56, navBottom + 230};
    return {110, navBottom + 6, navBottom + 120, 50, navBottom + 174};
}

ui::ImagePtr transparentIcon(double side) {
    return TAVOCommonUtility::createImageFromColor(ui::Color::clearColor(), cg::SizeMake(side, side));
}

}  // namespace

TAVONetProtectViewController::~TAVONetProtectViewController() {
    // A blip's fade holds the blip until it ends: blips still fading go
    // with the screen.
    if (!randomView_) return;
    for (const auto& blip : randomView_->subviews()) blip->layer()->removeAllAnimations();
}

void TAVONetProtectViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    hidesBottomBarWhenPushed = true;
    navBar()->setBgImage(nullptr);
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleBackArrow);
    navBar()->setTitle(TAVOLocalizedString("set net control"), ui::Color::whiteColor());
    navBar()->setRightBarItemImage(ui::Image::imageNamed("topbar_ic_info"));
    buildViews();
    listen();
    readSharedStatus();
    tableView_->reloadData();
    updateScanningLabel(std::nullopt);

    std::weak_ptr<TAVONetProtectViewController> weak = self<TAVONetProtectViewController>();
    auto center = ns::NotificationCenter::defaultCenter();
    becameActiveObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ns::UIApplicationDidBecomeActiveNotification, {}, nullptr, [weak](const ns::NotificationPtr&) {
            if (auto screen = weak.lock()) screen->circleView_->startAnimation();
        }));
}

void TAVONetProtectViewController::buildViews() {
    const cg::Rect b = view()->bounds();
    const Layout l = layoutFor(cg::RectGetMaxY(navBar()->frame()), TAVOCommonUtility::is4InchScreen());
    gradientView_ = TAVOGradientView::create(b);
    gradientView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    view()->insertSubviewAtIndex(gradientView_, 0);

    const cg::Rect radar = cg::RectMake((b.size.width - l.radarSide) / 2, l.radarTop, l.radarSide, l.radarSide);
    circleView_ = CircleView::create(radar);
    circleView_->bgImageView()->setImage(ui::Image::imageNamed("safe_fcw_radar_bg"));
    circleView_->circleImageView()->setImage(ui::Image::imageNamed("safe_fcw_radar"));
    // The sweep is drawn larger than this radar: it turns within the rings.
    circleView_->circleImageView()->setContentMode(ui::ContentMode::ScaleAspectFit);
    circleView_->setRotationDuration(kRadarTurnSeconds);
    view()->addSubview(circleView_);
    randomView_ = ui::View::create(radar);
    randomView_->setUserInteractionEnabled(false);
    view()->addSubview(randomView_);

    scanningLabel_ = LXAttributedLabel::create(cg::RectMake(20, l.labelTop, b.size.width - 40, l.labelHeight));
    scanningLabel_->setBackgroundColor(ui::Color::clearColor());
    scanningLabel_->setNumberOfLines(0);
    scanningLabel_->setCenterVertically(true);
    view()->addSubview(scanningLabel_);

    tableView_ = ui::TableView::create(cg::RectMake(0, l.tableTop, b.size.width, b.size.height - l.tableTop));
    tableView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleHeight);
    auto self = this->self<TAVONetProtectViewController>();
    tableView_->setDataSource(self);
    tableView_->setTableDelegate(self);
    tableView_->separatorStyle = 0;
    tableView_->setBackgroundColor(TAVOSafetyStyle::pageBackground());
    view()->addSubview(tableView_);
    view()->bringSubviewToFront(navBar());
}

void TAVONetProtectViewController::listen() {
    auto self = this->self<TAVONetProtectViewController>();
    std::weak_ptr<TAVONetProtectViewController> weak = self;
    auto onFailure = [weak](Row kind) {
        return [weak, kind](const TAVOErrorPtr& error, const ns::Dictionary& userInfo) {
            auto screen = weak.lock();
            if (!screen) return;
            // The common switch answers every protection: only type 7 is this screen's.
            if (kind == RowAntiIntruder && userInfo["param"]["type"].intValue() != TAVOProtectionTypeWiFiIntruder) return;
            screen->failed(kind, getErrMsgFromObject(error));
        };
    };
    TAVORequestAnswers::listen<TAVORouterSetNeedPermitRequest>(
        self, [weak](const ns::Value&, const ns::Dictionary& info) { if (auto s = weak.lock()) s->permitAnswered(info); },
        onFailure(RowPermit));
    TAVORequestAnswers::listen<TAVORouterSetPermitAdvanceRequest>(
        self, [weak](const ns::Value&, const ns::Dictionary& info) { if (auto s = weak.lock()) s->advanceAnswered(info); },
        onFailure(RowAdvance));
    TAVORequestAnswers::listen<TAVORouterSetCommonSWRequest>(
        self, [weak](const ns::Value&, const ns::Dictionary& info) { if (auto s = weak.lock()) s->intruderAnswered(info); },
        onFailure(RowAntiIntruder));
    TAVORequestAnswers::listen<TAVOWIFIGetChannelDeviceNumRequest>(
        self,
        [weak](const ns::Value& result, const ns::Dictionary&) {
            auto s = weak.lock();
            if (!s) return;
            if (auto info = std::dynamic_pointer_cast<TAVOChannelInfo>(result.asObject())) {
                auto lisener = s->listener();
                auto status = lisener ? lisener->status() : nullptr;
                const int blocked = status && status->dynamicInfo ? status->dynamicInfo->stat_anti_freeloader : 0;
                s->updateScanningLabel(scanResult(*info, blocked));
            }
            s->queryTimer_.start(kQuerySeconds, false, [s = s.get()] { s->askNearbyDevices(); });
        },
        [weak](const TAVOErrorPtr&, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->queryTimer_.start(kQuerySeconds, false, [s = s.get()] { s->askNearbyDevices(); });
        });
}

void TAVONetProtectViewController::readSharedStatus() {
    auto lisener = listener();
    auto status = lisener ? lisener->status() : nullptr;
    permitNetOpen_ = status && status->staticInfo ? status->staticInfo->need_permit : 0;
    antiWiFiBruder_ = status && status->safeSwitch ? status->safeSwitch->stat_brute_attack_switch : 0;
    permitNetAdvanceOpen_ = status && status->safeSwitch ? status->safeSwitch->visitor_auto_switch : 0;
    wifiPasswordStrength_ = lisener ? lisener->wifiPasswordStrength() : 1;
    adminPasswordOK_ = lisener && lisener->adminPasswordSafety() == 0;
}

void TAVONetProtectViewController::viewWillAppear(bool animated) {
    TAVOWIFIViewControler::viewWillAppear(animated);
    changeBackgroundColorAnimated(false);
    circleView_->startAnimation();
    setShouldGetProbedDevices(true);
}

void TAVONetProtectViewController::viewDidAppear(bool animated) {
    TAVOWIFIViewControler::viewDidAppear(animated);
    helpsView_ = TAVOHelpsView::helpViewWithTag(kHelpTag);
    if (helpsView_) helpsView_->setDelegate(self<TAVONetProtectViewController>());
}

void TAVONetProtectViewController::viewDidDisappear(bool animated) {
    TAVOWIFIViewControler::viewDidDisappear(animated);
    circleView_->stopAnimation();
    setShouldGetProbedDevices(false);
}

void TAVONetProtectViewController::rightNavItemPressed() {
    if (!helpsView_) return;
    auto popup = TAVOPopupViewController::popupViewControllerWithChildView(helpsView_);
    popup->setParentView(view());
    UIViewControllerPUPopupViewController::presentPopupViewController(self<TAVONetProtectViewController>(), popup, 0);
}

void TAVONetProtectViewController::dismissHelpsView(TAVOHelpsView&) {
    UIViewControllerPUPopupViewController::dismissPopupViewControllerWithanimationType(self<TAVONetProtectViewController>(), 0);
}

// --- Radar ---------------------------------------------------------------

void TAVONetProtectViewController::setShouldGetProbedDevices(bool on) {
    if (on == shouldGetProbedDevices_) return;
    shouldGetProbedDevices_ = on;
    if (!on) return;
    askNearbyDevices();
    dropBlip();
}

void TAVONetProtectViewController::dropBlip() {
    if (!shouldGetProbedDevices_) return;
    TAVORandomPointGenerator::generateRandomPointInView(randomView_, ui::Image::imageNamed("safe_fcw_radar_target"));
    blipTimer_.start(kBlipSeconds, false, [this] { dropBlip(); });
}

void TAVONetProtectViewController::askNearbyDevices() {
    if (!shouldGetProbedDevices_) return;
    const auto result = TAVOAccountManager::shareInstance()->getChannelProbedDevices();
    // A request refused before sending would never answer: ask again later.
    if (result == 0 || result == kTAVONothingSent) queryTimer_.start(kQuerySeconds, false, [this] { askNearbyDevices(); });
}

std::string TAVONetProtectViewController::scanResult(const TAVOChannelInfo& info, int blocked) {
    const int n = info.channelDeviceNumFor24G + info.channelDeviceNumFor50G;
    if (n <= 0) return TAVOLocalizedString("No devices nearby");
    if (blocked <= 0) return ns::format(TAVOLocalizedString("%d devices nearby, watch out your network"), n);
    return ns::format(TAVOLocalizedString("%d devices nearby, has block threat %d times"), n, blocked);
}

void TAVONetProtectViewController::updateScanningLabel(const std::optional<std::string>& result) {
    const bool tall = TAVOCommonUtility::is4InchScreen();
    auto text = TAVOSafetyStyle::styled(TAVOLocalizedString("scanning devices nearby"), ui::Font::systemFontOfSize(13),
                                        ui::Color::whiteColor());
    if (result && !result->empty()) {
        text->appendAttributedString(*TAVOSafetyStyle::styled("\r\n", ui::Font::systemFontOfSize(tall ? 5 : 10), ui::Color::whiteColor()));
        const std::size_t start = text->length();
        text->appendAttributedString(
            *TAVOSafetyStyle::styled(*result, ui::Font::boldSystemFontOfSize(tall ? 14 : 17), ui::Color::whiteColor()));
        const ns::Range first = TAVOSafetyStyle::firstDigitRun(text->utf16(), start);
        if (first.found()) {
            LXCommodityStyleModifiers::setTextColor(*text, TAVOSafetyStyle::highlightYellow(), first);
            const ns::Range second = TAVOSafetyStyle::firstDigitRun(text->utf16(), first.location + first.length);
            if (second.found()) LXCommodityStyleModifiers::setTextColor(*text, TAVOSafetyStyle::highlightYellow(), second);
        }
        LXCommodityStyleModifiers::modifyParagraphStyles(*text, [](LXParagraphStyle& s) { s.lineSpacing = kResultLineSpacing; });
    }
    LXCommodityStyleModifiers::setTextAlignment(*text, tall ? ct::TextAlignment::Center : ct::TextAlignment::Left,
                                                ct::LineBreakMode::CharWrapping);
    scanningLabel_->setAttributedText(text);
}

// --- Rows ----------------------------------------------------------------

TAVONetProtectViewController::Row TAVONetProtectViewController::rowKind(long row, bool permitOpen) {
    static const Row on[] = {RowTitle, RowPermit, RowAdvance, RowAntiIntruder, RowWiFiPassword, RowAdminPassword};
    static const Row off[] = {RowTitle, RowPermit, RowAntiIntruder, RowWiFiPassword, RowAdminPassword};
    if (row < 0) return RowTitle;
    if (permitOpen) return row < 6 ? on[row] : RowTitle;
    return row < 5 ? off[row] : RowTitle;
}

long TAVONetProtectViewController::rowOf(Row kind, bool permitOpen) {
    for (long row = 0; row < (permitOpen ? 6 : 5); ++row)
        if (rowKind(row, permitOpen) == kind) return row;
    return -1;
}

bool TAVONetProtectViewController::isSafe() const {
    return permitNetOpen_ != 0 && antiWiFiBruder_ != 0 && wifiPasswordStrength_ == 4 && adminPasswordOK_;
}

void TAVONetProtectViewController::changeBackgroundColorAnimated(bool animated) {
    TAVOSafetyStyle::paint(*gradientView_, isSafe() ? TAVOSafetyStyle::safeGradient() : TAVOSafetyStyle::warningGradient(), animated);
}

ns::AttributedStringPtr TAVONetProtectViewController::passwordStatusText(int strength) {
    const char* value = "very low";
    ui::Color color = TAVOSafetyStyle::warningRed();
    if (strength == 2) value = "low";
    else if (strength == 3) value = "middle", color = TAVOSafetyStyle::quietGrey();
    else if (strength == 4) value = "high", color = TAVOSafetyStyle::safeGreen();
    const std::string prefix = TAVOLocalizedString("security:");
    auto text = TAVOSafetyStyle::styled(prefix + TAVOLocalizedString(value), ui::Font::systemFontOfSize(12), TAVOSafetyStyle::quietGrey());
    const std::size_t start = ns::utf16::length(prefix);
    LXCommodityStyleModifiers::setTextColor(*text, color, ns::makeRange(start, text->length() - start));
    LXCommodityStyleModifiers::setTextAlignment(*text, ct::TextAlignment::Right, ct::LineBreakMode::CharWrapping);
    return text;
}

ns::AttributedStringPtr TAVONetProtectViewController::adminStatusText() {
    auto text = TAVOSafetyStyle::styled(TAVOLocalizedString("dangerous"), ui::Font::systemFontOfSize(12), TAVOSafetyStyle::warningRed());
    LXCommodityStyleModifiers::setTextAlignment(*text, ct::TextAlignment::Right, ct::LineBreakMode::CharWrapping);
    return text;
}

ui::TableViewCellPtr TAVONetProtectViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) {
    const Row kind = rowKind(indexPath.row, permitNetOpen_ != 0);
    auto icon = [](int number) { return ui::Image::imageNamed(ns::format("safe_ic_fcw%02ld", static_cast<long>(number))); };
    ui::TableViewCellPtr cell;
    if (kind == RowTitle) {
        cell = table.dequeueReusableCellWithIdentifier(kTitleCell);
        if (!cell) cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, kTitleCell);
        cell->textLabel()->setText(TAVOLocalizedString("4 layer protection"));
        cell->textLabel()->setTextAlignment(ui::TextAlignment::Center);
        // In the rows' own size: the cell's larger default cuts the heading.
        cell->textLabel()->setFont(ui::Font::boldSystemFontOfSize(kHeadingFontSize));
    } else if (kind == RowPermit || kind == RowAdvance || kind == RowAntiIntruder) {
        auto sw = std::dynamic_pointer_cast<TAVOSettingSwitchCell>(table.dequeueReusableCellWithIdentifier(kSwitchCell));
        if (!sw) {
            sw = TAVOSettingSwitchCell::create(ui::TableViewCellStyle::Default, kSwitchCell);
            sw->setManualLayout(true);
            sw->iconImage()->setContentMode(ui::ContentMode::ScaleAspectFit);
            sw->iconImage()->setFrame(cg::RectMake(0, 0, kIconSide, kIconSide));
        }
        sw->setDelegate(self<TAVONetProtectViewController>());
        if (kind == RowPermit) {
            sw->settingTitle()->setText(TAVOLocalizedString("notify new connected devices"));
            sw->switchControl()->setOn(permitNetOpen_ != 0);
            sw->iconImage()->setImage(icon(1));
        } else if (kind == RowAdvance) {
            sw->settingTitle()->setText(TAVOLocalizedString("notify new connected devices advance"));
            sw->switchControl()->setOn(permitNetAdvanceOpen_ != 0);
            sw->iconImage()->setImage(transparentIcon(kIconSide));
        } else {
            sw->settingTitle()->setText(TAVOLocalizedString("anti WiFi intruder"));
            sw->switchControl()->setOn(antiWiFiBruder_ != 0);
            sw->iconImage()->setImage(icon(2));
        }
        cell = sw;
    } else {
        auto select = std::dynamic_pointer_cast<TAVOSettingSelectCell>(table.dequeueReusableCellWithIdentifier(kPasswordCell));
        if (!select) {
            select = TAVOSettingSelectCell::create(ui::TableViewCellStyle::Default, kPasswordCell);
            select->setManualLayout(true);
            select->iconImage()->setContentMode(ui::ContentMode::ScaleAspectFit);
            select->iconImage()->setFrame(cg::RectMake(0, 0, kIconSide, kIconSide));
        }
        if (kind == RowWiFiPassword) {
            select->settingTitle()->setText(TAVOLocalizedString("WiFi password"));
            select->arrowView()->setHidden(false);
            select->statusLabel()->setAttributedText(passwordStatusText(wifiPasswordStrength_));
            select->iconImage()->setImage(icon(3));
        } else {
            select->settingTitle()->setText(TAVOLocalizedString(adminPasswordOK_ ? "admin password has been set" : "no admin password"));
            select->arrowView()->setHidden(adminPasswordOK_);
            select->statusLabel()->setAttributedText(adminPasswordOK_ ? ns::AttributedString::create("") : adminStatusText());
            select->iconImage()->setImage(icon(4));
        }
        cell = select;
    }
    cell->setBackgroundColor(ui::Color::whiteColor());
    cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
    showTopSeparatorLine(cell, indexPath.row != 0, indexPath);
    return cell;
}

void TAVONetProtectViewController::didSelectRowAtIndexPath(ui::TableView&, const ui::IndexPath& indexPath) {
    const Row kind = rowKind(indexPath.row, permitNetOpen_ != 0);
    ui::ViewControllerPtr screen;
    if (kind == RowWiFiPassword) screen = TAVOScreenClassRegistry::create("TAVOWiFiPwdViewController");
    else if (kind == RowAdminPassword && !adminPasswordOK_) screen = TAVOScreenClassRegistry::create("TAVORouterAdminPwdViewController");
    auto nav = navigationController();
    if (screen && nav) nav->pushViewController(screen, true);
}

void TAVONetProtectViewController::reloadRow(Row kind) {
    const long row = rowOf(kind, permitNetOpen_ != 0);
    if (row >= 0) tableView_->reloadRowsAtIndexPaths({ui::IndexPath{0, row}}, ui::TableViewRowAnimation::None);
}

// --- Switching -------------------------------------------------------------

void TAVONetProtectViewController::onSwithChanged(ToggleSwitch& switchControl, TAVOSettingSwitchCell& cell) {
    auto path = tableView_->indexPathForCell(cell.self<TAVOSettingSwitchCell>());
    if (!path) return;
    const Row kind = rowKind(path->row, permitNetOpen_ != 0);
    if (!isRouterAvailable()) {
        // Nothing is sent, so the row shows the router's value again.
        reloadRow(kind);
        return;
    }
    const int on = switchControl.isOn() ? 1 : 0;
    auto facade = TAVOAccountManager::shareInstance();
    std::int32_t result = 0;
    if (kind == RowPermit) result = facade->setPermitState(on);
    else if (kind == RowAdvance) result = facade->setAdvancedPermitState(on);
    else if (kind == RowAntiIntruder) result = facade->setAntiWiFiBruder(on);
    else return;
    showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("router setting in progress"), false);
    sent(result, kind);
}

void TAVONetProtectViewController::sent(std::int32_t result, Row kind) {
    if (result != 0 && result != kTAVONothingSent) return;
    // Refused before sending: its failure names no switch, so fail this one,
    // unless the provider's own failure (posted first) has already done so.
    std::weak_ptr<TAVONetProtectViewController> weak = self<TAVONetProtectViewController>();
    const auto message = getErrMsgFromObject(TAVORequestAnswers::refusalError(result == 0 ? -100000 : result));
    const unsigned failuresBefore = failuresHandled_;
    dispatch::Queue::main()->async([weak, kind, message, failuresBefore] {
        auto screen = weak.lock();
        if (screen && screen->failuresHandled_ == failuresBefore) screen->failed(kind, message);
    });
}

void TAVONetProtectViewController::permitAnswered(const ns::Dictionary& userInfo) {
    const ns::Value& param = userInfo["param"];
    if (param.isDictionary()) {
        const int before = permitNetOpen_;
        permitNetOpen_ = param["need_permit"].intValue();
        auto lisener = listener();
        if (auto status = lisener ? lisener->status() : nullptr; status && status->staticInfo) status->staticInfo->need_permit = permitNetOpen_;
        changeBackgroundColorAnimated(true);
        // The advanced row comes and goes only with a real flip, so a
        // repeated answer never breaks the row count.
        if ((before != 0) != (permitNetOpen_ != 0)) {
            tableView_->beginUpdates();
            if (permitNetOpen_ != 0) {
                tableView_->insertRowsAtIndexPaths({ui::IndexPath{0, 2}}, ui::TableViewRowAnimation::Automatic);
            } else {
                permitNetAdvanceOpen_ = 0;
                tableView_->deleteRowsAtIndexPaths({ui::IndexPath{0, 2}}, ui::TableViewRowAnimation::Automatic);
            }
            tableView_->endUpdates();
        }
    }
    reloadRow(RowPermit);
    dismissToast();
}

void TAVONetProtectViewController::advanceAnswered(const ns::Dictionary& userInfo) {
    const ns::Value& param = userInfo["param"];
    if (param.isDictionary()) {
        permitNetAdvanceOpen_ = param["sw"].intValue();
        auto lisener = listener();
        if (auto status = lisener ? lisener->status() : nullptr; status && status->safeSwitch)
            status->safeSwitch->visitor_auto_switch = permitNetAdvanceOpen_;
        changeBackgroundColorAnimated(true);
    }
    reloadRow(RowAdvance);
    dismissToast();
}

void TAVONetProtectViewController::intruderAnswered(const ns::Dictionary& userInfo) {
    const ns::Value& param = userInfo["param"];
    if (param.isDictionary() && param["type"].intValue() == TAVOProtectionTypeWiFiIntruder) {
        antiWiFiBruder_ = param["sw"].intValue();
        auto lisener = listener();
        if (auto status = lisener ? lisener->status() : nullptr; status && status->safeSwitch)
            status->safeSwitch->stat_brute_attack_switch = antiWiFiBruder_;
        changeBackgroundColorAnimated(true);
    }
    reloadRow(RowAntiIntruder);
    dismissToast();
}

void TAVONetProtectViewController::failed(Row kind, const std::string& message) {
    ++failuresHandled_;
    reloadRow(kind);
    dismissToast();
    if (!message.empty()) showError(message);
}

void TAVONetProtectViewController::showError(const std::string& message) {
    showToast(CustomizedHUDTypeWarning, message.empty() ? TAVOLocalizedString("fail to set router setting") : message);
}
