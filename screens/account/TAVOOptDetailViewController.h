// The result of a router health check: the items still to optimise, then
// the items already optimised, grouped under their headings. A caller hands
// it both lists of item ids.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "management/engines/TAVORouterOptConfig.h"
#include "platform/ui/TableView.h"
#include "widgets/TAVOBaseViewController.h"

class TAVOOptDetailViewController : public TAVOBaseViewController,
                                    public ui::TableViewDataSource,
                                    public ui::TableViewDelegate {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVOOptDetailViewController> create() {
        return ui::ViewController::make<TAVOOptDetailViewController>();
    }

    static constexpr double kRowHeight = 34;
    static constexpr double kHeaderHeight = 25;

    void viewDidLoad() override;
    // The optimised ids and the ids still to optimise.
    void setOptItem(const std::vector<std::string>& optedItems, const std::vector<std::string>& needToOptItems);

    long numberOfSectionsInTableView(ui::TableView&) override;
    long numberOfRowsInSection(ui::TableView&, long section) override;
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    std::optional<double> heightForHeaderInSection(ui::TableView&, long) override { return kHeaderHeight; }
    std::optional<double> heightForFooterInSection(ui::TableView&, long) override { return 0; }
    ui::ViewPtr viewForHeaderInSection(ui::TableView& table, long section) override;
    std::optional<ui::IndexPath> willSelectRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override {
        return std::nullopt;
    }

    const std::shared_ptr<ui::TableView>& tableView() const { return tableView_; }
    // The header text of a section.
    std::string headerText(long section) const;

private:
    bool isOptedSection(long section) const { return needToOptItems_.empty() || section == 1; }

    std::vector<std::string> needToOptItems_;
    std::vector<std::string> optedItems_;
    std::vector<std::shared_ptr<OptedArrayItem>> optedArrayItems_;
    std::shared_ptr<ui::TableView> tableView_;
};
