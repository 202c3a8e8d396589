#include "screens/wifi/TAVORouterBlackListViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "management/facade/TAVOAccountManager.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVORouterBlackDevicesList.h"
#include "protocol/requests/catalogue/TAVORouterPermitDeviceRequest.h"
#include "protocol/requests/catalogue/TAVORouterQueryBlackListRequest.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {
constexpr const char* kCellId = "deviceCell";
}

void TAVORouterBlackListViewController::viewDidLoad() {
    TAVORefreshTableViewController::viewDidLoad();
    navBar()->setTitle(TAVOLocalizedString("black device list"));
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    observeAnswers();
    requestBlackList();
}

void TAVORouterBlackListViewController::observeAnswers() {
    auto self = this->self<TAVORouterBlackListViewController>();
    TAVORequestAnswers::listen<TAVORouterQueryBlackListRequest>(
        self,
        [this](const ns::Value& result, const ns::Dictionary&) {
            dismissLoading();
            devicesList_.clear();
            if (auto list = result.as<TAVORouterBlackDevicesList>(); list && list->devicesList.isArray())
                for (const auto& value : list->devicesList.asArray())
                    if (auto device = value.as<TAVORouterJoiningDevice>()) devicesList_.push_back(device);
            updateView();
        },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) {
            dismissLoading();
            queryBlacklistError(getErrMsgFromObject(error));
        });
    TAVORequestAnswers::listen<TAVORouterPermitDeviceRequest>(
        self,
        [this](const ns::Value&, const ns::Dictionary&) {
            dismissToast();
            if (restoreDevice_) {
                std::vector<TAVORouterJoiningDevicePtr> kept;
                for (const auto& device : devicesList_)
                    if (device != restoreDevice_ && !device->isEqual(*restoreDevice_)) kept.push_back(device);
                devicesList_ = std::move(kept);
            }
            updateView();
        },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) {
            restoreDeviceError(error ? getErrMsgFromObject(error) : std::string());
        });
}

void TAVORouterBlackListViewController::requestBlackList() {
    const std::int32_t result = TAVOAccountManager::shareInstance()->queryBlacklist();
    if (result < 0) {
        queryBlacklistError("");
        return;
    }
    showLoading();
}

void TAVORouterBlackListViewController::queryBlacklistError(const std::string& text) {
    showToast(CustomizedHUDTypeWarning, text.empty() ? TAVOLocalizedString(kCommonServerErrorKey) : text);
    updateView();
}

void TAVORouterBlackListViewController::restoreButtonClick(TAVOBlackDeviceItemCell& cell) {
    restoreDevice_ = cell.device();
    if (restoreDevice_) requestRestoreDevice(restoreDevice_->end_mac);
}

void TAVORouterBlackListViewController::requestRestoreDevice(const std::string& mac) {
    const std::int32_t result = TAVOAccountManager::shareInstance()->restoreFromBlacklist(mac);
    if (result < 0) {
        queryBlacklistError("");
        return;
    }
    showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("restore device in progress"), false);
}

void TAVORouterBlackListViewController::restoreDeviceError(const std::string& text) {
    showToast(CustomizedHUDTypeWarning, text.empty() ? TAVOLocalizedString("fail to restore device from blacklist") : text);
}

void TAVORouterBlackListViewController::updateView() {
    if (!isReachMinTimeout()) return;
    const bool empty = devicesList_.empty();
    blankIndicator()->setHidden(!empty);
    tableView()->setHidden(empty);
    if (!empty) tableView()->reloadData();
}

ui::TableViewCellPtr TAVORouterBlackListViewController::cellForRowAtIndexPath(ui::TableView& table,
                                                                              const ui::IndexPath& ip) {
    auto cell = std::dynamic_pointer_cast<TAVOBlackDeviceItemCell>(table.dequeueReusableCellWithIdentifier(kCellId));
    if (!cell) cell = TAVOBlackDeviceItemCell::create(kCellId);
    cell->setDelegate(self<TAVORouterBlackListViewController>());
    showSeparatorLine(cell, true, ip, table);
    if (ip.row >= 0 && ip.row < static_cast<long>(devicesList_.size()))
        cell->setDevice(devicesList_[static_cast<std::size_t>(ip.row)]);
    return cell;
}

void TAVORouterBlackListViewController::willDisplayCell(ui::TableView&, const ui::TableViewCellPtr& cell,
                                                        const ui::IndexPath&) {
    cell->setBackgroundColor(ui::Color::whiteColor());
}
