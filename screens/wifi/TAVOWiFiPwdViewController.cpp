#include "screens/wifi/TAVOWiFiPwdViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOViewControllerState.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "core/services/TAVORecoveryScreens.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/foundation/StringUtils.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/NavigationController.h"
#include "protocol/commands/TAVOCommonService.h"
#include "protocol/commands/TAVOWiFiCloseCommand.h"
#include "protocol/commands/TAVOWiFiCloseParser.h"
#include "protocol/commands/TAVOWiFiPasswordCommand.h"
#include "protocol/commands/TAVOWiFiPasswordParser.h"
#include "screens/wifi/TAVOWiFiAdvancedSettingViewController.h"
#include "uikit/MAAlertView.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {

constexpr double kRowHeight = 44;
constexpr double kHeaderHeight = 22;
constexpr double kLabelX = 15;
constexpr double kLabelWidth = 90;
constexpr double kFieldRightMargin = 30;
constexpr double kFontSize = 16;
constexpr double kSwitchRowLabelInset = 80;
constexpr double kSwitchFromRight = 65;
constexpr double kSwitchY = 7;
constexpr double kSwitchWidth = 50;
constexpr double kSwitchHeight = 30;
constexpr double kArrowWidth = 7;
constexpr double kArrowHeight = 12;
constexpr double kArrowRightMargin = 15;
constexpr double kButtonMargin = 15;
constexpr long kButtonCapWidth = 8;
constexpr long kSectionAdvanced = 2;
constexpr long kSectionModify = 3;

enum Row : long { RowSwitch = 0, RowName = 1, RowPassword = 2, RowConfirm = 3, RowNoPassword = 4 };

std::string trimmed(const std::string& text) { return ns::str::trimmingWhitespaceAndNewlines(text); }

std::string textOf(const ns::Value& value) { return value.isNilOrNull() ? std::string() : value.stringValue(); }

ui::LabelPtr rowLabel(const std::string& key, double width) {
    auto label = ui::Label::create(cg::RectMake(kLabelX, 0, width, kRowHeight));
    label->setText(TAVOLocalizedString(key));
    label->setFont(ui::Font::systemFontOfSize(kFontSize));
    label->setTextColor(ui::Color::white(0.2));
    label->setBackgroundColor(ui::Color::clearColor());
    return label;
}

ui::TextFieldPtr makeField(bool secure) {
    auto field = ui::TextField::create();
    field->setFont(ui::Font::systemFontOfSize(kFontSize));
    field->setTextColor(ui::Color::white(0.4));
    field->setContentVerticalAlignment(ui::ControlContentVerticalAlignment::Center);
    field->setSecureTextEntry(secure);
    return field;
}

}  // namespace

std::optional<std::string> TAVOWiFiPwdViewController::validateBand(const std::string& name, const std::string& password,
                                                                   const std::string& confirm, bool noPassword) {
    if (auto message = TAVOCommonUtility::checkSSIDNameValid(name)) return message;
    if (noPassword) return std::nullopt;
    const std::string pwd = trimmed(password);
    if (pwd != trimmed(confirm)) return TAVOLocalizedString("the twice pwds are not the same");
    return TAVOCommonUtility::checkRouterAdminPwd(pwd);
}

void TAVOWiFiPwdViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    initData();
    setupNavUI();
    setupCenterUI();
    loadData();
}

void TAVOWiFiPwdViewController::initData() {
    auto status = listener() ? listener()->status() : nullptr;
    bands_[Band2g].config = status ? status->twoGConfig : nullptr;
    bands_[Band5g].config = status ? status->fiveGConfig : nullptr;
    for (auto& band : bands_) {
        band.rowCount = 5;
        band.closed = false;
        band.noPassword = false;
    }
}

void TAVOWiFiPwdViewController::setupNavUI() {
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("modify the wifi pwd"));
}

void TAVOWiFiPwdViewController::setupCenterUI() {
    view()->setBackgroundColor(ui::Color::white(0.97));
    view()->setAlpha(1);
    tableView_ = KeyboardAvoidingTableView::create(contentViewFrame(), ui::TableViewStyle::Plain);
    tableView_->setBackgroundColor(ui::Color::white(0.97));
    tableView_->separatorStyle = 0;
    tableView_->setContentInset(cg::EdgeInsets{kHeaderHeight, 0, kHeaderHeight, 0});
    tableView_->showsVerticalScrollIndicator = false;
    auto self = this->self<TAVOWiFiPwdViewController>();
    tableView_->setDataSource(self);
    tableView_->setTableDelegate(self);

    for (auto& band : bands_) {
        band.topSwitch = ToggleSwitch::create(cg::RectMake(0, 0, kSwitchWidth, kSwitchHeight));
        band.bottomSwitch = ToggleSwitch::create(cg::RectMake(0, 0, kSwitchWidth, kSwitchHeight));
        for (const auto& control : {band.topSwitch, band.bottomSwitch})
            control->addTarget(self, "switchChanged", [weak = std::weak_ptr(self)](ui::Control& c) {
                if (auto screen = weak.lock()) screen->switchChanged(static_cast<ToggleSwitch&>(c));
            }, ui::ControlEventValueChanged);
        band.name = makeField(false);
        band.password = makeField(true);
        band.repassword = makeField(true);
    }

    completeBtn_ = ui::Button::create();
    completeBtn_->setTitle(TAVOLocalizedString("modify"), ui::ControlStateNormal);
    completeBtn_->titleLabel()->setFont(ui::Font::systemFontOfSize(kFontSize));
    completeBtn_->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    completeBtn_->setTitleColor(ui::Color::white(1, 0.3), ui::ControlStateDisabled);
    auto normal = ui::Image::imageNamed("public_btn01");
    auto pressed = ui::Image::imageNamed("public_btn01_pre");
    if (normal) normal = normal->stretchableImageWithLeftCapWidth(kButtonCapWidth, kButtonCapWidth);
    if (pressed) pressed = pressed->stretchableImageWithLeftCapWidth(kButtonCapWidth, kButtonCapWidth);
    completeBtn_->setBackgroundImage(normal, ui::ControlStateNormal);
    completeBtn_->setBackgroundImage(normal, ui::ControlStateDisabled);
    completeBtn_->setBackgroundImage(pressed, ui::ControlStateHighlighted);
    completeBtn_->setBackgroundColor(ui::Color::clearColor());
    completeBtn_->addTarget(self, &TAVOWiFiPwdViewController::submit, "submit", ui::ControlEventTouchUpInside);
    // The rows' controls exist before the table first asks for a row.
    view()->addSubview(tableView_);
}

void TAVOWiFiPwdViewController::loadData() {
    for (Band band : {Band2g, Band5g}) {
        auto& state = bands_[band];
        const auto& config = state.config;
        state.closed = config && textOf(config->wifi_status) == "0";
        state.noPassword = storedText(band, true).empty();
        state.name->setText(storedText(band, false));
        state.password->setText(storedText(band, true));
        state.repassword->setText(storedText(band, true));
        state.topSwitch->setOn(!state.closed);
        state.bottomSwitch->setOn(state.noPassword);
        state.rowCount = state.noPassword ? 3 : 5;
    }
    tableView_->reloadData();
}

std::string TAVOWiFiPwdViewController::storedText(Band band, bool password) const {
    const auto& config = bands_[band].config;
    if (!config) return "";
    return textOf(password ? config->wifi_psw : config->wifi_ssid);
}

// --- Table -------------------------------------------------------------------

long TAVOWiFiPwdViewController::numberOfRowsInSection(ui::TableView&, long section) {
    if (section == Band2g || section == Band5g) return bands_[static_cast<std::size_t>(section)].rowCount;
    return 1;
}

std::optional<double> TAVOWiFiPwdViewController::heightForHeaderInSection(ui::TableView&, long section) {
    return section == 0 ? 0.0 : kHeaderHeight;
}

ui::ViewPtr TAVOWiFiPwdViewController::viewForHeaderInSection(ui::TableView& table, long section) {
    if (section == 0) return nullptr;
    auto header = ui::View::create(cg::RectMake(0, 0, table.bounds().size.width, kHeaderHeight));
    header->setBackgroundColor(ui::Color::clearColor());
    return header;
}

ui::TableViewCellPtr TAVOWiFiPwdViewController::cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    auto cell = table.dequeueReusableCellWithIdentifier(kCellIdentifier);
    if (!cell) cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, kCellIdentifier);
    const auto subviews = cell->contentView()->subviews();
    for (const auto& subview : subviews) subview->removeFromSuperview();

    const double width = table.bounds().size.width;
    const auto content = cell->contentView();
    cell->setBackgroundColor(ip.section == kSectionModify ? ui::Color::clearColor() : ui::Color::whiteColor());
    showSeparatorLine(cell, ip.section != kSectionModify, ip, table);

    if (ip.section == kSectionAdvanced) {
        content->addSubview(rowLabel("advanced options", width - kSwitchRowLabelInset));
        auto arrow = ui::ImageView::createWithImage(ui::Image::imageNamed("public_list_arrows"));
        arrow->setFrame(cg::RectMake(width - kArrowRightMargin - kArrowWidth, (kRowHeight - kArrowHeight) / 2, kArrowWidth,
                                     kArrowHeight));
        content->addSubview(arrow);
        return cell;
    }
    if (ip.section == kSectionModify) {
        cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
        completeBtn_->setFrame(cg::RectMake(kButtonMargin, 0, width - 2 * kButtonMargin, kRowHeight));
        content->addSubview(completeBtn_);
        return cell;
    }

    cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
    const Band band = ip.section == 0 ? Band2g : Band5g;
    const auto& state = bands_[band];
    // In no-password mode row 2 is the "no password" row.
    long row = ip.row;
    if (state.noPassword && row == 2) row = RowNoPassword;
    auto placeSwitch = [&](const ToggleSwitchPtr& control) {
        control->setFrame(cg::RectMake(width - kSwitchFromRight, kSwitchY, kSwitchWidth, kSwitchHeight));
        content->addSubview(control);
    };
    auto placeField = [&](const std::string& key, const ui::TextFieldPtr& field) {
        content->addSubview(rowLabel(key, kLabelWidth));
        const double x = kLabelX + kLabelWidth;
        field->setFrame(cg::RectMake(x, 0, width - kFieldRightMargin - x, kRowHeight));
        content->addSubview(field);
    };
    switch (row) {
        case RowSwitch:
            content->addSubview(rowLabel(band == Band2g ? "tow point four wifi switch" : "five point wifi switch",
                                         width - kSwitchRowLabelInset));
            placeSwitch(state.topSwitch);
            break;
        case RowName: placeField("wifi name", state.name); break;
        case RowPassword: placeField("password", state.password); break;
        case RowConfirm: placeField("confirm password", state.repassword); break;
        default:
            content->addSubview(rowLabel("no password", width - kSwitchRowLabelInset));
            placeSwitch(state.bottomSwitch);
            break;
    }
    return cell;
}

void TAVOWiFiPwdViewController::didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    if (ip.section != kSectionAdvanced) return;
    table.deselectRowAtIndexPath(ip, true);
    if (auto navigation = navigationController())
        navigation->pushViewController(TAVOWiFiAdvancedSettingViewController::create(), true);
}

// --- Switches ------------------------------------------------------------------

void TAVOWiFiPwdViewController::switchChanged(ToggleSwitch& control) {
    for (Band band : {Band2g, Band5g}) {
        auto& state = bands_[band];
        if (&control == state.topSwitch.get()) closeWiFi(!control.isOn(), band);
        if (&control == state.bottomSwitch.get()) {
            state.noPassword = control.isOn();
            wifiInNoPasswordMode(band, state.noPassword);
        }
    }
}

void TAVOWiFiPwdViewController::wifiInNoPasswordMode(Band band, bool on) {
    auto& state = bands_[band];
    state.rowCount = on ? 3 : 5;
    if (!on) {
        // The rows come back with the router's password, as on opening.
        state.password->setText(storedText(band, true));
        state.repassword->setText(storedText(band, true));
    }
    const long section = band;
    tableView_->beginUpdates();
    const std::vector<ui::IndexPath> rows{ui::IndexPath::indexPathForRow(RowPassword, section), ui::IndexPath::indexPathForRow(RowConfirm, section)};
    if (on) tableView_->deleteRowsAtIndexPaths(rows, ui::TableViewRowAnimation::Fade);
    else tableView_->insertRowsAtIndexPaths(rows, ui::TableViewRowAnimation::Fade);
    tableView_->endUpdates();
}

void TAVOWiFiPwdViewController::closeWiFi(bool close, Band band) {
    if (!close) {
        doCloseWiFi(false, band);
        return;
    }
    std::weak_ptr<TAVOWiFiPwdViewController> weak = self<TAVOWiFiPwdViewController>();
    validateAccount(band, [weak, band] {
        auto screen = weak.lock();
        if (!screen) return;
        screen->remindUserWillCloseWiFi(band, [weak, band] {
            if (auto again = weak.lock()) again->doCloseWiFi(true, band);
        });
    });
}

void TAVOWiFiPwdViewController::validateAccount(Band band, std::function<void()> then) {
    // Switching a radio off is for the account's owner: "signed in" means
    // the account holds a ticket.
    if (isLoginArdoAccount()) {
        then();
        return;
    }
    bands_[band].topSwitch->setOn(true, true);
    std::weak_ptr<TAVOWiFiPwdViewController> weak = self<TAVOWiFiPwdViewController>();
    auto alert = MAAlertView::create(TAVOLocalizedString("wifi control tip"), TAVOLocalizedString("wifi open close login text"));
    alert->addButtonWithTitle(TAVOLocalizedString("NO"), MAAlertViewButtonTypeCancel, [](const MAAlertViewPtr&) {});
    alert->addButtonWithTitle(TAVOLocalizedString("YES"), MAAlertViewButtonTypeDefault, [weak](const MAAlertViewPtr&) {
        if (auto screen = weak.lock()) screen->goToLogin();
    });
    alert->show();
}

void TAVOWiFiPwdViewController::remindUserWillCloseWiFi(Band band, std::function<void()> then) {
    std::weak_ptr<TAVOWiFiPwdViewController> weak = self<TAVOWiFiPwdViewController>();
    auto alert = MAAlertView::create(TAVOLocalizedString("wifi open close tip"), TAVOLocalizedString("wifi open close text"));
    alert->addButtonWithTitle(TAVOLocalizedString("NO"), MAAlertViewButtonTypeCancel, [weak, band](const MAAlertViewPtr&) {
        if (auto screen = weak.lock()) screen->bands_[band].topSwitch->setOn(true, true);
    });
    alert->addButtonWithTitle(TAVOLocalizedString("YES"), MAAlertViewButtonTypeDefault,
                              [then = std::move(then)](const MAAlertViewPtr&) { then(); });
    alert->show();
}

void TAVOWiFiPwdViewController::doCloseWiFi(bool close, Band band) {
    auto command = TAVOWiFiCloseCommand::create();
    command->close = close;
    command->type = band == Band2g ? 1 : 2;
    command->sw_2g = bands_[Band2g].closed ? 0 : 1;
    command->sw_5g = bands_[Band5g].closed ? 0 : 1;
    auto self = this->self<TAVOWiFiPwdViewController>();
    TAVOCommonService::ordaneService()->sendCommand(
        command, 0, TAVOWiFiCloseParser::create(),
        [self, close, band](const ns::Value&) {
            self->bands_[band].closed = close;
            self->showRestartRouterIndicator();
        },
        [self, close, band](const TAVOErrorPtr& error) {
            self->bands_[band].topSwitch->setOn(close, true);
            self->showTAVOError(ns::ObjectPtr(error));
        });
}

// --- Submitting ------------------------------------------------------------------

void TAVOWiFiPwdViewController::submit() {
    for (const auto& state : bands_) {
        if (state.closed) continue;
        if (auto message = validateBand(state.name->text(), state.password->text(), state.repassword->text(), state.noPassword)) {
            showToast(CustomizedHUDTypeWarning, *message);
            return;
        }
    }
    updateWiFiSSIDAndPassword();
    view()->endEditing(true);
}

void TAVOWiFiPwdViewController::updateWiFiSSIDAndPassword() {
    auto command = TAVOWiFiPasswordCommand::create();
    for (Band band : {Band2g, Band5g}) {
        const auto& state = bands_[band];
        std::optional<std::string> ssid;
        std::optional<std::string> pwd;
        if (state.closed) {
            // A closed band keeps what the router has: its fields were never checked.
            if (state.config && !state.config->wifi_ssid.isNilOrNull()) ssid = textOf(state.config->wifi_ssid);
            if (state.config && !state.config->wifi_psw.isNilOrNull()) pwd = textOf(state.config->wifi_psw);
        } else {
            ssid = trimmed(state.name->text());
            if (ssid->empty()) ssid = storedText(band, false);
            pwd = state.noPassword ? std::string() : trimmed(state.password->text());
        }
        (band == Band2g ? command->wifi2gSSID : command->wifi5gSSID) = ssid;
        (band == Band2g ? command->wifi2gPWD : command->wifi5gPWD) = pwd;
    }
    auto self = this->self<TAVOWiFiPwdViewController>();
    TAVOCommonService::ordaneService()->sendCommand(
        command, 0, TAVOWiFiPasswordParser::create(),
        [self](const ns::Value&) {
            self->okToModify_ = true;
            self->dismissToast();
            self->showRestartRouterIndicator();
        },
        [self](const TAVOErrorPtr& error) { self->showTAVOError(ns::ObjectPtr(error)); });
}

// --- After a change ------------------------------------------------------------------

void TAVOWiFiPwdViewController::showRestartRouterIndicator() {
    if (restartDownView_) return;
    restartDownView_ = TAVORestartCountDownView::create(view()->bounds());
    restartDownView_->startCountDown(kRestartSeconds);
    restartDownView_->setIntroduceContent(TAVOLocalizedString("restart wifi progress"));
    restartDownView_->setDelegate(self<TAVOWiFiPwdViewController>());
    view()->addSubview(restartDownView_);
}

void TAVOWiFiPwdViewController::timeout(TAVOCountDownView&) {
    if (restartDownView_) restartDownView_->removeFromSuperview();
    restartDownView_ = nullptr;
    TAVOViewControllerState::backToTabViewController();
}

void TAVOWiFiPwdViewController::goToLogin() {
    auto screens = TAVORecoveryScreens::shared();
    auto navigation = navigationController();
    if (!screens || !navigation) return;
    if (auto login = screens->makeRemoteAccountLoginScreen(true)) navigation->pushViewController(login, true);
}
