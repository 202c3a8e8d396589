#include "screens/wifi/TAVOSpeedupModeViewController.h"

#include <algorithm>
#include <cctype>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOWIFIUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/Format.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/records/TAVORouterJoiningDevicesList.h"
#include "protocol/requests/catalogue/TAVOCancelAccelerateRequest.h"
#include "protocol/requests/catalogue/TAVOGetAccelerateDeviceRequest.h"
#include "protocol/requests/catalogue/TAVORouterAccelerateDevice.h"
#include "protocol/requests/catalogue/TAVORouterQueryDeviceListRequest.h"
#include "widgets/UITableViewCellSeperator.h"

namespace {

constexpr const char* kCellId = "speedupcell identifier";
constexpr double kSectionTitleX = 13;

bool sameMac(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    return std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y)); });
}

std::string sentMac(const ns::Dictionary& userInfo) { return userInfo["param"]["mac"].stringValue(); }

}  // namespace

void TAVOSpeedupModeViewController::viewDidLoad() {
    TAVORefreshTableViewController::viewDidLoad();
    const cg::Rect b = view()->bounds();
    gradientView_ = TAVOGradientView::create(cg::RectMake(0, 0, b.size.width, kHeaderHeight));
    gradientView_->changeTopLeftColor(ui::Color::rgb255(132, 209, 126), ui::Color::rgb255(10, 167, 75), false, nullptr);
    view()->insertSubviewAtIndex(gradientView_, 0);

    navBar()->setBgImage(nullptr);
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleBackArrow);
    navBar()->setTitle(TAVOLocalizedString("speed up single device"), ui::Color::whiteColor());

    headerView_ = TAVOSpeedupHeaderView::create(gradientView_->frame());
    headerView_->setBackgroundColor(ui::Color::clearColor());
    view()->insertSubviewAbove(headerView_, gradientView_);

    const cg::Rect content = contentViewFrame();
    const double top = cg::RectGetMaxY(headerView_->frame());
    const cg::Rect tableFrame = cg::RectMake(0, top, b.size.width, cg::RectGetMaxY(content) - top);
    tableView()->setFrame(tableFrame);
    tableView()->setBackgroundColor(ui::Color::clearColor());
    view()->bringSubviewToFront(navBar());
    blankIndicator()->setFrame(tableFrame);
    loadingAttachedView_ = ui::View::create(tableFrame);
    view()->insertSubviewBelow(loadingAttachedView_, tableView());

    observeAnswers();
    getDevicesList();
    updateHeaderView();
    tableView()->setHidden(true);
    showLoading();

    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVOSpeedupModeViewController> weak = self<TAVOSpeedupModeViewController>();
    becomeActiveObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ns::UIApplicationDidBecomeActiveNotification, {}, nullptr,
                                           [weak](const ns::NotificationPtr&) {
                                               auto s = weak.lock();
                                               if (!s || !s->speedupDevice_) return;
                                               s->headerView_->setDevice(s->speedupDevice_);
                                               s->tableView()->reloadData();
                                           }));
}

void TAVOSpeedupModeViewController::observeAnswers() {
    auto self = this->self<TAVOSpeedupModeViewController>();
    const auto serverError = [this](const TAVOErrorPtr& error, const ns::Dictionary&) {
        showServerError(getErrMsgFromObject(error));
    };
    TAVORequestAnswers::listen<TAVORouterQueryDeviceListRequest>(
        self,
        [this](const ns::Value& result, const ns::Dictionary&) {
            std::vector<TAVORouterJoiningDevicePtr> devices;
            if (auto list = result.as<TAVORouterJoiningDevicesList>(); list && list->devicesList.isArray())
                for (const auto& value : list->devicesList.asArray())
                    if (auto d = value.as<TAVORouterJoiningDevice>()) devices.push_back(d);
            reloadDevices(devices);
            (void)TAVOAccountManager::shareInstance()->getAcceleratingDevice();
            dismissLoading();
        },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) {
            dismissLoading();
            showServerError(getErrMsgFromObject(error));
        });
    TAVORequestAnswers::listen<TAVOGetAccelerateDeviceRequest>(
        self,
        [this](const ns::Value& mac, const ns::Dictionary&) {
            const long row = getDeviceByMac(mac.stringValue());
            if (row == kNoRow) return;
            auto device = devicesList_[static_cast<std::size_t>(row)];
            device->isInSpeedup = true;
            speedupDevice_ = device;
            std::swap(devicesList_[0], devicesList_[static_cast<std::size_t>(row)]);
            tableView()->reloadData();
            updateHeaderView();
        },
        serverError);
    TAVORequestAnswers::listen<TAVORouterAccelerateDevice>(
        self, [this](const ns::Value&, const ns::Dictionary& info) { accelerated(sentMac(info)); },
        [this](const TAVOErrorPtr& error, const ns::Dictionary& info) {
            const long row = getDeviceByMac(sentMac(info));
            if (row != kNoRow) setRowLoading(row, false);
            showServerError(getErrMsgFromObject(error));
            loading_ = false;
        });
    TAVORequestAnswers::listen<TAVOCancelAccelerateRequest>(
        self, [this](const ns::Value&, const ns::Dictionary& info) { cancelled(sentMac(info)); },
        [this](const TAVOErrorPtr& error, const ns::Dictionary&) {
            showServerError(getErrMsgFromObject(error));
            loading_ = false;
        });
}

void TAVOSpeedupModeViewController::getDevicesList() { (void)TAVOAccountManager::shareInstance()->getDeviceList(); }

std::string TAVOSpeedupModeViewController::phoneAddress() const { return TAVOWIFIUtility::getIPAddress(true); }

void TAVOSpeedupModeViewController::reloadDevices(const std::vector<TAVORouterJoiningDevicePtr>& devices) {
    const std::string phone = phoneAddress();
    std::vector<TAVORouterJoiningDevicePtr> kept;
    TAVORouterJoiningDevicePtr phoneRecord;
    for (const auto& d : devices) {
        if (!d || d->net_control == 0) continue;
        const bool wired = d->is_wifi == 0;
        if (!wired && d->connect_point != 0 && d->connect_point != 2) continue;
        kept.push_back(d);
        if (!wired && d->end_ipv4 == phone) phoneRecord = d;
    }
    if (phoneRecord) {
        kept.erase(std::find(kept.begin(), kept.end(), phoneRecord));
        kept.insert(kept.begin(), phoneRecord);
    }
    devicesList_ = std::move(kept);
    tableView()->reloadData();
}

long TAVOSpeedupModeViewController::getDeviceByMac(const std::string& mac) const {
    for (std::size_t i = 0; i < devicesList_.size(); ++i)
        if (sameMac(devicesList_[i]->end_mac, mac)) return static_cast<long>(i);
    return kNoRow;
}

TAVORouterJoiningDevicePtr TAVOSpeedupModeViewController::getSpeedupDevice(
    const std::vector<TAVORouterJoiningDevicePtr>& devices) {
    for (const auto& d : devices)
        if (d->isInSpeedup) return d;
    return nullptr;
}

void TAVOSpeedupModeViewController::updateHeaderView() { headerView_->setDevice(getSpeedupDevice(devicesList_)); }

void TAVOSpeedupModeViewController::setRowLoading(long row, bool loading) {
    auto cell = std::dynamic_pointer_cast<TAVOSpeedupDeviceTableViewCell>(
        tableView()->cellForRowAtIndexPath(ui::IndexPath{0, row}));
    if (cell) cell->setIsLoading(loading);
}

void TAVOSpeedupModeViewController::buttonIsClick(TAVOSpeedupDeviceTableViewCell& cell) {
    if (loading_) return;
    auto device = cell.device();
    if (!device || device->end_mac.empty()) return;
    loading_ = true;
    auto facade = TAVOAccountManager::shareInstance();
    if (device->isInSpeedup) {
        (void)facade->cancelAcceleratingDevice(device->end_mac);
        return;
    }
    cell.setIsLoading(true);
    (void)facade->accelerateDevice(device->end_mac);
}

void TAVOSpeedupModeViewController::accelerated(const std::string& mac) {
    const long a = getDeviceByMac(mac);
    if (a != kNoRow) {
        setRowLoading(a, false);
        const long b = speedupDevice_ ? getDeviceByMac(speedupDevice_->end_mac) : kNoRow;
        if (b != kNoRow) devicesList_[static_cast<std::size_t>(b)]->isInSpeedup = false;
        auto device = devicesList_[static_cast<std::size_t>(a)];
        device->isInSpeedup = true;
        speedupDevice_ = device;
        const long place = b != kNoRow ? b : 0;
        std::swap(devicesList_[static_cast<std::size_t>(place)], devicesList_[static_cast<std::size_t>(a)]);
        tableView()->reloadData();
        scrollTimer_.start(kScrollToTopDelay, false, [this] { tableView()->scrollRectToVisible(cg::RectMake(0, 0, 1, 1), true); });
        updateHeaderView();
    }
    loading_ = false;
}

void TAVOSpeedupModeViewController::cancelled(const std::string& mac) {
    const long row = getDeviceByMac(mac);
    if (row != kNoRow) {
        devicesList_[static_cast<std::size_t>(row)]->isInSpeedup = false;
        speedupDevice_ = nullptr;
        reloadDevices(std::vector<TAVORouterJoiningDevicePtr>(devicesList_));
        updateHeaderView();
    }
    loading_ = false;
}

void TAVOSpeedupModeViewController::updateView() {
    if (!isReachMinTimeout()) return;
    const bool empty = devicesList_.empty();
    blankIndicator()->setHidden(!empty);
    tableView()->setHidden(empty);
    if (!empty) tableView()->reloadData();
    updateHeaderView();
}

ui::TableViewCellPtr TAVOSpeedupModeViewController::cellForRowAtIndexPath(ui::TableView& table,
                                                                          const ui::IndexPath& ip) {
    auto cell = std::dynamic_pointer_cast<TAVOSpeedupDeviceTableViewCell>(table.dequeueReusableCellWithIdentifier(kCellId));
    if (!cell) {
        cell = TAVOSpeedupDeviceTableViewCell::create(kCellId);
        cell->setDelegate(self<TAVOSpeedupModeViewController>());
    }
    showSeparatorLine(cell, true, ip, table);
    if (ip.row < 0 || ip.row >= static_cast<long>(devicesList_.size())) return cell;
    auto device = devicesList_[static_cast<std::size_t>(ip.row)];
    cell->setDevice(device);
    cell->setIsLocal(device->end_ipv4 == phoneAddress());
    return cell;
}

ui::ViewPtr TAVOSpeedupModeViewController::viewForHeaderInSection(ui::TableView& table, long) {
    auto header = ui::View::create(cg::RectMake(0, 0, table.bounds().size.width, kSectionHeaderHeight));
    header->setBackgroundColor(backgroundColor());
    auto label = ui::Label::create(cg::RectMake(kSectionTitleX, 0, header->bounds().size.width - kSectionTitleX,
                                                kSectionHeaderHeight));
    label->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextColor(ui::Color::white(0.4));
    label->setFont(ui::Font::systemFontOfSize(13));
    label->setText(ns::format("%@（%d）", TAVOLocalizedString("current connecting devices"),
                              static_cast<int>(devicesList_.size())));
    header->addSubview(label);
    return header;
}

void TAVOSpeedupModeViewController::willDisplayCell(ui::TableView&, const ui::TableViewCellPtr& cell,
                                                    const ui::IndexPath&) {
    cell->setBackgroundColor(ui::Color::whiteColor());
}
