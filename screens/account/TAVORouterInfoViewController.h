// The current router's hardware and firmware facts, as the shared status
// poller last received them, under the router picture with its breathing
// light. The rows are fixed when the screen loads; without a status there
// is a placeholder instead of the list.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Label.h"
#include "protocol/records/TAVORouterHardwareInfo.h"
#include "screens/account/TAVOLogoBreathView.h"
#include "widgets/TAVORefreshTableViewController.h"

class TAVORouterInfoViewController : public TAVORefreshTableViewController {
public:
    using TAVORefreshTableViewController::TAVORefreshTableViewController;
    static std::shared_ptr<TAVORouterInfoViewController> create() {
        return ui::ViewController::make<TAVORouterInfoViewController>();
    }

    static constexpr double kHeaderHeight = 200;
    static constexpr double kRowHeight = 44;
    static constexpr const char* kCellIdentifier = "cell identifier";

    // The fifteen rows (label, value) of a hardware record.
    static std::vector<std::pair<std::string, std::string>> rowsFor(const TAVORouterHardwareInfo& info);

    void viewDidLoad() override;
    void generateInfo();

    long numberOfRowsInSection(ui::TableView&, long) override { return static_cast<long>(infos_.size()); }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }

    const std::vector<std::pair<std::string, std::string>>& infos() const { return infos_; }
    const std::shared_ptr<TAVOLogoBreathView>& iconView() const { return iconView_; }
    const ui::LabelPtr& titleLabel() const { return titleLabel_; }

private:
    std::vector<std::pair<std::string, std::string>> infos_;
    std::shared_ptr<TAVOLogoBreathView> iconView_;
    ui::LabelPtr titleLabel_;
};
