#include "screens/wifi/TAVODevicesListViewController.h"

#include <algorithm>

#include "core/app/TAVOImageGetter.h"
#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOWIFIUtility.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Perform.h"
#include "platform/foundation/Utf16.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/ViewAnimation.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"
#include "screens/wifi/TAVORouterBlackListViewController.h"
#include "uikit/SlideUtilityButtons.h"
#include "widgets/MATextFieldAlertView.h"
#include "widgets/TAVOCellIndicator.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {

constexpr const char* kUnfamiliarCellId = "unfarmiliarCell";
constexpr const char* kFamilyCellId = "deviceCell";
constexpr const char* kGuestCellId = "guestCell";
constexpr const char* kBlankCellId = "blank cell";

constexpr double kFooterIndicatorY = 22;
constexpr double kFooterIndicatorHeight = 43;
constexpr double kFooterSideInset = 13;
constexpr double kLineHeight = 0.5;
constexpr long kLineLeftCap = 2;
constexpr double kHeaderFontSize = 13;

// The speed-limit dialog.
constexpr double kDialogHeight = 182;
constexpr double kDialogSide = 15;
constexpr double kDialogIconSide = 36;
constexpr double kDialogNameFontSize = 20;
constexpr double kDialogRowY = 56;
constexpr double kSwitchWidth = 60;
constexpr double kSwitchY = 10;
constexpr double kDialogLabelFontSize = 18;
constexpr double kDialogUnitFontSize = 16;
constexpr double kBottomViewY = 92;
constexpr double kBottomViewHeight = 90;
constexpr double kInputRowHeight = 45;
constexpr double kInputLabelWidth = 98;
constexpr double kUnitWidth = 45;
constexpr double kFocusDelay = 0.1;

ui::Color grey255(int value) { return ui::Color::rgb255(value, value, value); }
ui::Color green() { return ui::Color::rgb255(76, 200, 31); }

std::string nameOf(const TAVORouterJoiningDevice& device) {
    return TAVOImageGetter::getShowNameFromDevice({device.alias, device.end_type_id, device.end_type, device.end_name});
}

ui::ImageViewPtr separatorLine(const cg::Rect& frame, unsigned mask) {
    auto image = ui::Image::imageNamed("seperator_line");
    auto line = ui::ImageView::createWithImage(image ? image->stretchableImageWithLeftCapWidth(kLineLeftCap, 0) : nullptr);
    line->setFrame(frame);
    line->setAutoresizingMask(mask);
    return line;
}

// A number of digits as an int that cannot overflow (above every limit).
long long digitsValue(const std::string& text) {
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min<long long>(value * 10 + (c - '0'), 1LL << 40);
    }
    return value;
}

ui::LabelPtr dialogLabel(const std::string& text, const cg::Rect& frame, double fontSize) {
    auto label = ui::Label::create(frame);
    label->setText(text);
    label->setFont(ui::Font::systemFontOfSize(fontSize));
    label->setTextColor(ui::Color::white(0.4));
    label->setBackgroundColor(ui::Color::clearColor());
    return label;
}

}  // namespace

// ---- building and polling ----

void TAVODevicesListViewController::viewDidLoad() {
    TAVORefreshTableViewController::viewDidLoad();
    navBar()->setTitle(TAVOLocalizedString("device list"));
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    buildFooter();

    deviceEngine_ = TAVODeviceEngine::create();
    deviceEngine_->delegate = self<TAVODevicesListViewController>();
    tableView()->setHidden(true);
    showLoading();
}

void TAVODevicesListViewController::buildFooter() {
    const double width = tableView()->bounds().size.width;
    auto footer = ui::View::create(cg::RectMake(0, 0, width, kFooterHeight));
    auto indicator = TAVOCellIndicator::create(cg::RectMake(0, kFooterIndicatorY, width, kFooterIndicatorHeight));
    auto button = indicator->bgButton();
    button->addTarget(self<TAVODevicesListViewController>(), &TAVODevicesListViewController::openBlackList,
                      "openBlackList", ui::ControlEventTouchUpInside);
    button->setBackgroundImage(nullptr, ui::ControlStateNormal);
    button->setBackgroundImage(nullptr, ui::ControlStateHighlighted);
    button->setBackgroundColor(ui::Color::whiteColor());
    button->setFrame(indicator->bounds());
    auto content = indicator->content();
    content->setText(TAVOLocalizedString("black device list"));
    content->setTextColor(grey255(51));
    cg::Rect contentFrame = content->frame();
    contentFrame.origin.x = kFooterSideInset;
    content->setFrame(contentFrame);
    cg::Rect arrow = indicator->appender()->frame();
    arrow.origin.x = width - kFooterSideInset - arrow.size.width;
    indicator->appender()->setFrame(arrow);
    footer->addSubview(indicator);
    footer->addSubview(separatorLine(cg::RectMake(0, kFooterIndicatorY, width, kLineHeight),
                                     ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleTopMargin));
    footer->addSubview(separatorLine(cg::RectMake(0, kFooterHeight - 1, width, kLineHeight),
                                     ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleBottomMargin));
    tableView()->setTableFooterView(footer);
}

void TAVODevicesListViewController::viewWillAppear(bool animated) {
    TAVORefreshTableViewController::viewWillAppear(animated);
    isFirst_ = true;
    deviceEngine_->startQueryDevicesListQuitely();
}

void TAVODevicesListViewController::viewWillDisappear(bool animated) {
    TAVORefreshTableViewController::viewWillDisappear(animated);
    deviceEngine_->endQueryDevicesListQuitely();
}

void TAVODevicesListViewController::openBlackList() {
    if (auto nav = navigationController())
        nav->pushViewController(ui::ViewController::make<TAVORouterBlackListViewController>(), true);
}

std::string TAVODevicesListViewController::phoneAddress() const { return TAVOWIFIUtility::getIPAddress(true); }

void TAVODevicesListViewController::seperateFamilyAndGuestList(const ns::Value& devices) {
    sections_ = TAVODeviceListSections::seperateFamilyAndGuestList(devices, phoneAddress());
    if (pendingRename_) setAliasOfDevice(pendingRename_->mac, pendingRename_->alias);
}

void TAVODevicesListViewController::showError(const std::string& text) { showToast(CustomizedHUDTypeWarning, text); }

bool TAVODevicesListViewController::shouldShowBlackIndicator() { return sections_.isEmpty(); }

void TAVODevicesListViewController::operationOK(TAVODeviceEngine&, int operation, const ns::Value& data) {
    auto reply = data.as<TAVORouterJoiningDevicesList>();
    if (operation == TAVODeviceEngine::DeviceListQuietly) {
        if (isFirst_) dismissLoading();
        isFirst_ = false;
        seperateFamilyAndGuestList(reply ? reply->devicesList : ns::Value());
        tableView()->reloadData();
        return;
    }
    if (operation == TAVODeviceEngine::DeviceList) {
        seperateFamilyAndGuestList(reply ? reply->devicesList : ns::Value());
        deviceEngine_->startQueryDevicesListQuitely();
        tableView()->reloadData();
        return;
    }
    operationSucceeded(operation);
}

void TAVODevicesListViewController::operationNG(TAVODeviceEngine&, int operation, const std::string& errMsg) {
    if (operation == TAVODeviceEngine::DeviceListQuietly) {
        if (!isFirst_) return;
        dismissLoading();
        showError(errMsg);
        isFirst_ = false;
        return;
    }
    if (operation == TAVODeviceEngine::RenameDevice && pendingRename_) {
        // The router kept the old name: show it again.
        const PendingRename failed = *pendingRename_;
        pendingRename_.reset();
        setAliasOfDevice(failed.mac, failed.previousAlias);
        tableView()->reloadData();
    }
    showError(errMsg);
}

// ---- table ----

long TAVODevicesListViewController::numberOfSectionsInTableView(ui::TableView&) { return sections_.numberOfSections(); }

long TAVODevicesListViewController::numberOfRowsInSection(ui::TableView&, long section) {
    if (sections_.isEmpty()) return 1;
    const auto kind = sections_.kindOfSection(section);
    return kind ? static_cast<long>(sections_.listOf(*kind).size()) : 0;
}

std::optional<double> TAVODevicesListViewController::heightForHeaderInSection(ui::TableView&, long) {
    return sections_.isEmpty() ? 0 : kHeaderHeight;
}

ui::ViewPtr TAVODevicesListViewController::viewForHeaderInSection(ui::TableView&, long section) {
    const auto kind = sections_.kindOfSection(section);
    if (!kind) return nullptr;
    const char* title = *kind == TAVODeviceListSections::Kind::Unfamiliar ? "unfarmilion networks"
                        : *kind == TAVODeviceListSections::Kind::Family   ? "family networks"
                                                                          : "guest networks";
    auto label = ui::Label::create();
    label->setFont(ui::Font::systemFontOfSize(kHeaderFontSize));
    label->setTextColor(ui::Color::white(0.4));
    label->setBackgroundColor(backgroundColor());
    label->setText(ns::format("    %@ (%d)", TAVOLocalizedString(title),
                              static_cast<int>(sections_.listOf(*kind).size())));
    return label;
}

ui::TableViewCellPtr TAVODevicesListViewController::blankCell(ui::TableView& table) {
    auto cell = table.dequeueReusableCellWithIdentifier(kBlankCellId);
    if (!cell) cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, kBlankCellId);
    cell->setBackgroundColor(ui::Color::clearColor());
    cell->selectionStyle = ui::TableViewCellSelectionStyle::None;
    auto blank = blankIndicator();
    // A 22-point row has room for the text only.
    blank->imageView()->setImage(nullptr);
    blank->setFrame(cg::RectMake(0, (kRowHeight - kBlankIndicatorHeight) / 2, table.bounds().size.width,
                                 kBlankIndicatorHeight));
    blank->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    blank->setHidden(loadingIndicator() != nullptr);
    cell->contentView()->addSubview(blank);
    return cell;
}

ui::TableViewCellPtr TAVODevicesListViewController::cellForRowAtIndexPath(ui::TableView& table,
                                                                          const ui::IndexPath& ip) {
    if (sections_.isEmpty()) return blankCell(table);
    const auto kind = sections_.kindOfSection(ip.section);
    auto device = sections_.deviceAt(ip.section, ip.row);
    if (!kind || !device) return blankCell(table);
    auto self = this->self<TAVODevicesListViewController>();
    const auto tablePtr = std::static_pointer_cast<ui::TableView>(table.self<ui::View>());

    if (*kind == TAVODeviceListSections::Kind::Unfamiliar) {
        auto cell = std::dynamic_pointer_cast<TAVOUnfamiliarCell>(table.dequeueReusableCellWithIdentifier(kUnfamiliarCellId));
        if (!cell) cell = TAVOUnfamiliarCell::create(kUnfamiliarCellId);
        cell->setClickDelegate(self);
        cell->setDevice(device);
        cell->setIsLocal(false);
        cell->setCellHeight(kRowHeight);
        showSeparatorLine(cell, true, ip, table);
        return cell;
    }

    const bool family = *kind == TAVODeviceListSections::Kind::Family;
    const char* identifier = family ? kFamilyCellId : kGuestCellId;
    auto cell = std::dynamic_pointer_cast<TAVODeviceItemCell>(table.dequeueReusableCellWithIdentifier(identifier));
    if (!cell) cell = TAVODeviceItemCell::create(identifier);
    cell->setEventDelegate(self);
    showSeparatorLine(cell, true, ip, table);
    cell->setDevice(device);
    cell->setCellHeight(kRowHeight);
    if (family) {
        cell->setIsLocal(ip.row == 0 && device->end_ipv4 == phoneAddress());
        cell->setTag(ip.row);
    } else {
        cell->setIsLocal(false);
    }
    configureSwipe(cell, ip.row, ip.section, family);
    return cell;
}

void TAVODevicesListViewController::configureSwipe(const TAVODeviceItemCellPtr& cell, long row, long section,
                                                   bool isFamily) {
    std::weak_ptr<TAVODevicesListViewController> weakSelf = self<TAVODevicesListViewController>();
    std::weak_ptr<TAVODeviceItemCell> weakCell = cell;
    cell->setAppearanceWithBlock(
        [weakSelf, weakCell, row, section, isFamily] {
            auto screen = weakSelf.lock();
            auto c = weakCell.lock();
            if (!screen || !c) return;
            c->setLeftUtilityButtons({});
            c->setRightUtilityButtons(isFamily && c->isLocal() ? screen->adminRightButtons()
                                                                : screen->rightButtons(row, section));
            c->setDelegate(screen);
            c->setContainingTableView(screen->tableView());
        },
        true);
    const bool open = openCellDevice_ && cell->device() && openCellDevice_->isEqual(*cell->device());
    cell->setSWCellState(open ? SlideCellState::Right : SlideCellState::Center, false);
    cell->changeIndicatorState(!open);
}

void TAVODevicesListViewController::didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) {
    table.deselectRowAtIndexPath(ip, true);
}

void TAVODevicesListViewController::willDisplayCell(ui::TableView&, const ui::TableViewCellPtr& cell,
                                                    const ui::IndexPath&) {
    cell->setBackgroundColor(sections_.isEmpty() ? ui::Color::clearColor() : ui::Color::whiteColor());
}

void TAVODevicesListViewController::scrollViewDidScroll(ui::ScrollView&) {
    if (!openCellDevice_) return;
    openCellDevice_ = nullptr;
    tableView()->reloadData();
}

// ---- open rows ----

void TAVODevicesListViewController::swipeableTableViewCellScrollingToState(SlideTableViewCell& cell,
                                                                           SlideCellState state) {
    auto* deviceCell = dynamic_cast<TAVODeviceItemCell*>(&cell);
    if (!deviceCell) return;
    if (state != SlideCellState::Center) {
        openCellDevice_ = deviceCell->device();
        deviceCell->changeIndicatorState(false);
        return;
    }
    if (openCellDevice_ && deviceCell->device() && openCellDevice_->isEqual(*deviceCell->device()))
        openCellDevice_ = nullptr;
    deviceCell->changeIndicatorState(true);
}

void TAVODevicesListViewController::cellEvent(TAVODeviceItemCell& cell, int event) {
    if (event == TAVODeviceItemCell::kEventOpen)
        cell.setSWCellState(SlideCellState::Right, true);
    else if (event == TAVODeviceItemCell::kEventClose)
        cell.setSWCellState(SlideCellState::Center, true);
}

void TAVODevicesListViewController::swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SlideTableViewCell& cell,
                                                                                                std::size_t index) {
    auto keep = cell.self<SlideTableViewCell>();
    clickButtonInCell(cell, static_cast<int>(index));
    cell.hideUtilityButtonsAnimated(false);
}

void TAVODevicesListViewController::unfamiliarCellDidSelectButtonAtIndex(TAVOUnfamiliarCell& cell, int index) {
    clickButtonInCell(cell, index);
}

// ---- operations ----

std::vector<ui::ButtonPtr> TAVODevicesListViewController::adminRightButtons() const {
    std::vector<ui::ButtonPtr> buttons;
    sl_addUtilityButtonWithColor(buttons, green(), TAVOLocalizedString("change the nick name"));
    sl_addUtilityButtonWithColor(buttons, grey255(102), TAVOLocalizedString("limit speed"));
    return buttons;
}

std::vector<ui::ButtonPtr> TAVODevicesListViewController::rightButtons(long row, long section) const {
    auto device = sections_.deviceAt(section, row);
    if (!device) return {};
    std::vector<ui::ButtonPtr> buttons;
    sl_addUtilityButtonWithColor(
        buttons, green(),
        TAVOLocalizedString(device->net_control != 0 ? "change the nick name" : "allow the connection"));
    sl_addUtilityButtonWithColor(buttons, grey255(142), TAVOLocalizedString("limit speed"));
    const char* third = nullptr;
    if (device->is_wifi != 0)
        third = "add to black list";
    else if (device->net_control == 2)
        third = "restore the connection";
    else if (device->net_control == 3)
        third = "kick out the connection";
    if (third) sl_addUtilityButtonWithColor(buttons, grey255(85), TAVOLocalizedString(third));
    return buttons;
}

void TAVODevicesListViewController::clickButtonInCell(SlideTableViewCell& cell, int index) {
    const auto ip = tableView()->indexPathForCell(cell.self<ui::TableViewCell>());
    if (!ip) return;
    auto device = sections_.deviceAt(ip->section, ip->row);
    if (!device || device->end_mac.empty()) return;
    currentHandlingDevice_ = device;
    auto* deviceCell = dynamic_cast<TAVODeviceItemCell*>(&cell);
    const bool isLocal = deviceCell && deviceCell->isLocal();
    switch (index) {
        case 0:
            if (isLocal || device->net_control != 0)
                changeNickNameQuery(device);
            else
                requestOperation(TAVODeviceEngine::TrustDevice);
            break;
        case 1:
            showLimitSpeedAlertView();
            break;
        case 2:
            if (device->is_wifi != 0)
                requestOperation(device->net_control != 0 ? TAVODeviceEngine::KickDevice : TAVODeviceEngine::DenyDevice);
            else if (device->net_control == 2)
                requestOperation(TAVODeviceEngine::OpenDevice);
            else if (device->net_control == 3)
                requestOperation(TAVODeviceEngine::CloseDevice);
            break;
        default:
            break;
    }
}

void TAVODevicesListViewController::requestOperation(int code, const std::optional<std::string>& text) {
    std::int32_t result = -1;
    const std::string mac = currentHandlingDevice_ ? currentHandlingDevice_->end_mac : std::string();
    if (currentHandlingDevice_) {
        switch (code) {
            case TAVODeviceEngine::KickDevice: result = deviceEngine_->kickDevice(mac); break;
            case TAVODeviceEngine::OpenDevice: result = deviceEngine_->openDevice(mac); break;
            case TAVODeviceEngine::CloseDevice: result = deviceEngine_->closeDevice(mac); break;
            case TAVODeviceEngine::TrustDevice: result = deviceEngine_->trustDevice(mac); break;
            case TAVODeviceEngine::DenyDevice: result = deviceEngine_->denyDevice(mac); break;
            case TAVODeviceEngine::RenameDevice: result = deviceEngine_->renameDevice(mac, text.value_or("")); break;
            default: break;
        }
    }
    if (result >= 0) {
        showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("device operation in progress"), false);
        return;
    }
    if (pendingRename_) {
        setAliasOfDevice(pendingRename_->mac, pendingRename_->previousAlias);
        pendingRename_.reset();
    }
    currentHandlingDevice_ = nullptr;
    showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("fail to do operation for device"));
}

void TAVODevicesListViewController::setAliasOfDevice(const std::string& mac, const std::string& alias) {
    if (currentHandlingDevice_ && currentHandlingDevice_->end_mac == mac) currentHandlingDevice_->alias = alias;
    for (const auto* list : {&sections_.needAllowList, &sections_.devicesList, &sections_.guestsList})
        for (const auto& device : *list)
            if (device->end_mac == mac) device->alias = alias;
}

void TAVODevicesListViewController::operationSucceeded(int code) {
    const auto device = currentHandlingDevice_;
    const std::string name = device ? nameOf(*device) : std::string();
    std::string text;
    switch (code) {
        case TAVODeviceEngine::KickDevice:
        case TAVODeviceEngine::DenyDevice:
        case TAVODeviceEngine::TrustDevice:
            if (!device) break;
            if (!name.empty())
                text = ns::format(TAVOLocalizedString(code == TAVODeviceEngine::TrustDevice ? "%@ has been allowed"
                                                                                             : "%@ has added to black list"),
                                  name);
            sections_.removeDevice(*device);
            currentHandlingDevice_ = nullptr;
            break;
        case TAVODeviceEngine::OpenDevice:
        case TAVODeviceEngine::CloseDevice: {
            if (!device) break;
            const bool open = code == TAVODeviceEngine::OpenDevice;
            if (!name.empty())
                text = ns::format(
                    TAVOLocalizedString(open ? "%@ has been allowed to visit network" : "%@ limit to visit network"), name);
            device->net_control = open ? 3 : 2;
            currentHandlingDevice_ = nullptr;
            break;
        }
        case TAVODeviceEngine::RenameDevice:
            pendingRename_.reset();
            text = TAVOLocalizedString("nick name has been modified");
            break;
        case TAVODeviceEngine::SetSpeedLimit:
        case TAVODeviceEngine::CancelSpeedLimit: {
            const bool limited = code == TAVODeviceEngine::SetSpeedLimit;
            if (device) device->isLimitSpeed = limited;
            text = TAVOLocalizedString(limited ? "limit speed success" : "cancel limit speed success");
            break;
        }
        default:
            break;
    }
    if (!text.empty())
        showToast(CustomizedHUDTypeInfo, text);
    else
        dismissToast();
    tableView()->reloadData();
}

// ---- rename ----

void TAVODevicesListViewController::changeNickNameQuery(const TAVORouterJoiningDevicePtr& device) {
    auto alert = MATextFieldAlertView::create(TAVOLocalizedString("change the nick name for dialog title"));
    alert->inputView()->setPlaceholder(TAVOLocalizedString("placeholder for changing nick name"));
    auto accepted = std::make_shared<bool>(false);
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel,
                              [](const MATextFieldAlertViewPtr&) { return std::string(); });
    alert->addButtonWithTitle(
        TAVOLocalizedString("modify"), MAAlertViewButtonTypeDefault, [accepted](const MATextFieldAlertViewPtr& a) {
            if (!a->inputView()->text().empty()) {
                *accepted = true;
                return std::string();
            }
            auto hud = CustomizedHUD::showHUDAddedTo(a, CustomizedHUDTypeWarning, true);
            if (hud) {
                hud->setLabelText(TAVOLocalizedString("input data cann't be nil"));
                hud->setRemoveFromSuperViewOnHide(true);
                hud->hideAfterDelay(true, kRenameWarningSeconds);
            }
            return std::string("error");
        });
    std::weak_ptr<TAVODevicesListViewController> weak = self<TAVODevicesListViewController>();
    std::weak_ptr<MATextFieldAlertView> weakAlert = alert;
    alert->setDidDismissHandler([weak, weakAlert, accepted, device](const MAAlertViewPtr&) {
        auto screen = weak.lock();
        auto a = weakAlert.lock();
        if (!screen || !a || !*accepted) return;
        const std::string alias = a->inputView()->text();
        screen->pendingRename_ = PendingRename{device->end_mac, alias, device->alias};
        device->alias = alias;
        screen->setAliasOfDevice(device->end_mac, alias);
        screen->requestOperation(TAVODeviceEngine::RenameDevice, alias);
    });
    alert->show();
}

// ---- speed limit ----

ui::ViewPtr TAVODevicesListViewController::limitDialogContent(const TAVORouterJoiningDevicePtr& device) {
    const double width = MAAlertView::getContainerWidth();
    auto content = ui::View::create(cg::RectMake(0, 0, width, kDialogHeight));
    content->setBackgroundColor(ui::Color::clearColor());

    auto icon = ui::ImageView::createWithImage(device->is_wifi != 0
                                                   ? TAVOImageGetter::getDeviceModelIconById(device->end_type_id)
                                                   : ui::Image::imageNamed("device-list_pc"));
    icon->setFrame(cg::RectMake(kDialogSide, kDialogSide, kDialogIconSide, kDialogIconSide));
    content->addSubview(icon);
    const double nameX = kDialogSide * 2 + kDialogIconSide;
    content->addSubview(dialogLabel(nameOf(*device), cg::RectMake(nameX, kDialogSide, width - nameX - kDialogSide, kDialogIconSide),
                                    kDialogNameFontSize));
    content->addSubview(separatorLine(cg::RectMake(0, kDialogRowY, width, kLineHeight), ui::ViewAutoresizingFlexibleWidth));

    auto row = ui::View::create(cg::RectMake(0, kDialogRowY, width, kBottomViewY - kDialogRowY));
    row->addSubview(dialogLabel(TAVOLocalizedString("speed controller"),
                                cg::RectMake(kDialogSide, kSwitchY, width - kSwitchWidth - 3 * kDialogSide, 30),
                                kDialogLabelFontSize));
    limitSwitch_ = ToggleSwitch::create(cg::RectMake(width - kDialogSide - kSwitchWidth, kSwitchY, kSwitchWidth, 26));
    limitSwitch_->setOn(device->isLimitSpeed, false);
    limitSwitch_->addTarget(self<TAVODevicesListViewController>(), &TAVODevicesListViewController::showLimitInputView,
                            "showLimitInputView", ui::ControlEventValueChanged);
    row->addSubview(limitSwitch_);
    content->addSubview(row);

    bottomView_ = ui::View::create(cg::RectMake(0, kBottomViewY, width, kBottomViewHeight));
    bottomView_->setHidden(!device->isLimitSpeed);
    auto self = this->self<TAVODevicesListViewController>();
    auto makeRow = [&](const char* labelKey, double y) {
        bottomView_->addSubview(dialogLabel(TAVOLocalizedString(labelKey),
                                            cg::RectMake(kDialogSide, y, kInputLabelWidth, 35), kDialogLabelFontSize));
        const double fieldX = kDialogSide + kInputLabelWidth;
        auto field = ui::TextField::create(cg::RectMake(fieldX, y, width - fieldX - kUnitWidth - kDialogSide, 35));
        field->borderStyle = ui::TextBorderStyle::RoundedRect;
        field->setKeyboardType(ui::KeyboardType::NumberPad);
        field->setDelegate(self);
        bottomView_->addSubview(field);
        bottomView_->addSubview(dialogLabel("KB/S", cg::RectMake(width - kUnitWidth - kDialogSide + 5, y, kUnitWidth, 35),
                                            kDialogUnitFontSize));
        return field;
    };
    upSpeedField_ = makeRow("up speed label text", 5);
    downSpeedField_ = makeRow("down speed label text", 5 + kInputRowHeight);
    content->addSubview(bottomView_);
    return content;
}

void TAVODevicesListViewController::showLimitSpeedAlertView() {
    const auto device = currentHandlingDevice_;
    if (!device) return;
    auto alert = MAAlertView::createWithCustomView(limitDialogContent(device));
    limitSpeedAlertView_ = alert;
    if (device->isLimitSpeed) {
        upSpeedField_->setText(ns::format("%d", device->uploadSpeed));
        downSpeedField_->setText(ns::format("%d", device->downloadSpeed));
        std::weak_ptr<ui::TextField> field = upSpeedField_;
        ns::performAfterDelay(self<TAVODevicesListViewController>(), "focusUpSpeedField", kFocusDelay, [field] {
            if (auto f = field.lock()) f->becomeFirstResponder();
        });
    }
    std::weak_ptr<TAVODevicesListViewController> weak = self<TAVODevicesListViewController>();
    auto accepted = std::make_shared<bool>(false);
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel, [weak](const MAAlertViewPtr&) {
        if (auto s = weak.lock()) s->showAlertView_ = false;
    });
    alert->addButtonWithTitle(TAVOLocalizedString("sure"), MAAlertViewButtonTypeDefault,
                              [weak, accepted](const MAAlertViewPtr&) {
                                  *accepted = true;
                                  if (auto s = weak.lock()) s->showAlertView_ = false;
                              });
    alert->setDidDismissHandler([weak, accepted, device](const MAAlertViewPtr&) {
        auto s = weak.lock();
        if (!s || !*accepted) return;
        if (s->limitSwitch_->isOn())
            s->setLimitSpped(device, s->upSpeedField_->text(), s->downSpeedField_->text());
        else
            s->cancelLimnitSpeed(device);
    });
    alert->show();
}

void TAVODevicesListViewController::showLimitInputView(ui::Control&) {
    if (limitSwitch_->isOn()) {
        bottomView_->setHidden(false);
        upSpeedField_->becomeFirstResponder();
        return;
    }
    bottomView_->setHidden(true);
    showAlertView_ = false;
    upSpeedField_->resignFirstResponder();
    downSpeedField_->resignFirstResponder();
}

void TAVODevicesListViewController::moveDialog(double dy) {
    auto dialog = limitSpeedAlertView_;
    if (!dialog) return;
    ui::ViewAnimation::animate(kDialogRaiseSeconds, [dialog, dy] {
        const cg::Point c = dialog->center();
        dialog->setCenter(cg::PointMake(c.x, c.y + dy));
    });
}

bool TAVODevicesListViewController::textFieldShouldBeginEditing(ui::TextField&) {
    if (!showAlertView_) {
        showAlertView_ = true;
        moveDialog(-kDialogRaise);
    }
    return true;
}

bool TAVODevicesListViewController::textFieldShouldEndEditing(ui::TextField&) {
    if (!showAlertView_) moveDialog(kDialogRaise);
    return true;
}

bool TAVODevicesListViewController::shouldChangeCharactersInRange(ui::TextField& field, ns::Range range,
                                                                  const std::string& replacement) {
    const std::size_t length = ns::utf16::length(field.text());
    const std::size_t removed = std::min(range.length, length);
    return length - removed + ns::utf16::length(replacement) <= kSpeedFieldMaxLength;
}

bool TAVODevicesListViewController::isAllNum(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::string> TAVODevicesListViewController::speedInputError(const std::string& up,
                                                                          const std::string& down) {
    if (up.empty() || down.empty()) return TAVOLocalizedString("speed verify tip min");
    if (!isAllNum(up) || !isAllNum(down)) return TAVOLocalizedString("speed must be number");
    const long long upValue = digitsValue(up), downValue = digitsValue(down);
    if (upValue <= 0 || downValue <= 0) return TAVOLocalizedString("speed verify tip min");
    if (upValue > kMaxSpeedKB)
        return ns::format("%@%@", TAVOLocalizedString("up speed label text"), TAVOLocalizedString("speed verify tip max"));
    if (downValue > kMaxSpeedKB)
        return ns::format("%@%@", TAVOLocalizedString("down speed label text"), TAVOLocalizedString("speed verify tip max"));
    return std::nullopt;
}

void TAVODevicesListViewController::setLimitSpped(const TAVORouterJoiningDevicePtr& device, const std::string& up,
                                                  const std::string& down) {
    if (auto error = speedInputError(up, down)) {
        showToast(CustomizedHUDTypeWarning, *error);
        return;
    }
    (void)deviceEngine_->setSpeedLimit(device->end_mac, static_cast<int>(digitsValue(up)),
                                       static_cast<int>(digitsValue(down)));
}

void TAVODevicesListViewController::cancelLimnitSpeed(const TAVORouterJoiningDevicePtr& device) {
    (void)deviceEngine_->cancelSpeedLimit(device->end_mac);
}
