// The router's blacklist: each barred device with a button that restores it
// to the network. The list is asked for once per screen, through the
// facade; a restored device leaves the list at once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "protocol/records/TAVORouterJoiningDevice.h"
#include "screens/wifi/TAVOBlackDeviceItemCell.h"
#include "widgets/TAVORefreshTableViewController.h"

class TAVORouterBlackListViewController : public TAVORefreshTableViewController,
                                          public TAVOBlackDeviceItemCellDelegate {
public:
    using TAVORefreshTableViewController::TAVORefreshTableViewController;
    static std::shared_ptr<TAVORouterBlackListViewController> create() { return make<TAVORouterBlackListViewController>(); }
    static constexpr double kRowHeight = 62;

    void viewDidLoad() override;

    void requestBlackList();
    void queryBlacklistError(const std::string& text);
    void requestRestoreDevice(const std::string& mac);
    void restoreDeviceError(const std::string& text);
    void restoreButtonClick(TAVOBlackDeviceItemCell& cell) override;

    void updateView() override;
    bool shouldShowBlackIndicator() override { return devicesList_.empty(); }

    long numberOfRowsInSection(ui::TableView&, long) override { return static_cast<long>(devicesList_.size()); }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    void willDisplayCell(ui::TableView&, const ui::TableViewCellPtr& cell, const ui::IndexPath&) override;

    const std::vector<TAVORouterJoiningDevicePtr>& devicesList() const { return devicesList_; }
    const TAVORouterJoiningDevicePtr& restoreDevice() const { return restoreDevice_; }

private:
    void observeAnswers();

    std::vector<TAVORouterJoiningDevicePtr> devicesList_;
    TAVORouterJoiningDevicePtr restoreDevice_;
};
