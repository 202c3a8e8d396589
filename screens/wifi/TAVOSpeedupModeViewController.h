// Device speed-up: the family devices connected now, the accelerated one
// marked and on top and shown in the animated header; each row's button
// accelerates its device or cancels the acceleration, one request at a
// time. The screen asks once and again when the application returns to
// the foreground; it does not poll.
#pragma once

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "protocol/records/TAVORouterJoiningDevice.h"
#include "screens/wifi/TAVOSpeedupDeviceTableViewCell.h"
#include "screens/wifi/TAVOSpeedupHeaderView.h"
#include "widgets/TAVOGradientView.h"
#include "widgets/TAVORefreshTableViewController.h"

class TAVOSpeedupModeViewController : public TAVORefreshTableViewController,
                                      public TAVOSpeedupDeviceTableViewCellDelegate {
public:
    using TAVORefreshTableViewController::TAVORefreshTableViewController;
    static std::shared_ptr<TAVOSpeedupModeViewController> create() { return make<TAVOSpeedupModeViewController>(); }

    static constexpr double kHeaderHeight = 323;
    static constexpr double kRowHeight = 62;
    static constexpr double kSectionHeaderHeight = 24;
    static constexpr double kScrollToTopDelay = 0.5;
    static constexpr long kNoRow = INT_MAX;

    void viewDidLoad() override;

    void getDevicesList();
    void reloadDevices(const std::vector<TAVORouterJoiningDevicePtr>& devices);
    long getDeviceByMac(const std::string& mac) const;
    static TAVORouterJoiningDevicePtr getSpeedupDevice(const std::vector<TAVORouterJoiningDevicePtr>& devices);
    void updateHeaderView();
    void buttonIsClick(TAVOSpeedupDeviceTableViewCell& cell) override;

    ui::ViewPtr getLoadingAttachedView() override { return loadingAttachedView_; }
    bool shouldShowBlackIndicator() override { return true; }
    void updateView() override;

    long numberOfRowsInSection(ui::TableView&, long) override { return static_cast<long>(devicesList_.size()); }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    std::optional<double> heightForHeaderInSection(ui::TableView&, long) override { return kSectionHeaderHeight; }
    ui::ViewPtr viewForHeaderInSection(ui::TableView& table, long section) override;
    std::optional<ui::IndexPath> willSelectRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override {
        return std::nullopt;
    }
    void willDisplayCell(ui::TableView&, const ui::TableViewCellPtr& cell, const ui::IndexPath&) override;

    const std::vector<TAVORouterJoiningDevicePtr>& devicesList() const { return devicesList_; }
    const TAVORouterJoiningDevicePtr& speedupDevice() const { return speedupDevice_; }
    bool isLoadingRequest() const { return loading_; }
    const std::shared_ptr<TAVOSpeedupHeaderView>& headerView() const { return headerView_; }

private:
    void observeAnswers();
    void accelerated(const std::string& mac);
    void cancelled(const std::string& mac);
    void setRowLoading(long row, bool loading);
    std::string phoneAddress() const;

    std::shared_ptr<TAVOGradientView> gradientView_;
    std::shared_ptr<TAVOSpeedupHeaderView> headerView_;
    ui::ViewPtr loadingAttachedView_;
    std::vector<TAVORouterJoiningDevicePtr> devicesList_;
    TAVORouterJoiningDevicePtr speedupDevice_;
    bool loading_ = false;
    ns::ScopedObserver becomeActiveObserver_;
    ns::ScopedTimer scrollTimer_;
};
