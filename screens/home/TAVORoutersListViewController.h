// The routers bound to the signed-in account: online ones first, the
// current one checked. A tap on an online router makes it current and
// closes the list; a swipe (or the row's arrow) offers unbinding; the
// footer starts binding the router of the joined Wi-Fi.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/records/TAVORouterModel.h"
#include "screens/home/TAVORoutersListItemCell.h"
#include "uikit/SlideTableViewCellDelegate.h"
#include "widgets/TAVORefreshTableViewController.h"

class TAVORoutersListViewController : public TAVORefreshTableViewController,
                                      public SlideTableViewCellDelegate,
                                      public TAVORoutersListItemCellDelegate {
public:
    using TAVORefreshTableViewController::TAVORefreshTableViewController;
    static std::shared_ptr<TAVORoutersListViewController> create() { return make<TAVORoutersListViewController>(); }

    static constexpr double kRowHeight = 44;
    static constexpr double kFooterHeight = 65;
    static constexpr double kTopInset = 28;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    // Online routers first, each group in the order given.
    static std::vector<TAVORouterModelPtr> sortTheRoutersList(const std::vector<TAVORouterModelPtr>& routers);

    const std::vector<TAVORouterModelPtr>& routersList() const { return routersList_; }
    const TAVORouterModelPtr& willDeleteRouter() const { return willDeleteRouter_; }

    void requestRoutersList();
    void requestUnbindRouter(const TAVORouterModelPtr& router);
    void gotoSpecificRouter(const TAVORouterModelPtr& router);
    void addRouter();
    void showRoutersListError(const std::string& text);
    void showUnbindRouterError(const std::string& text);
    std::vector<ui::ButtonPtr> rightButtons(long section) const;
    bool shouldShowBlackIndicator() override { return false; }

    // Table.
    long numberOfRowsInSection(ui::TableView&, long) override { return static_cast<long>(routersList_.size()); }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    void didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override;
    void willDisplayCell(ui::TableView&, const ui::TableViewCellPtr& cell, const ui::IndexPath&) override;

    // Swipe cells and their arrows.
    void swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SlideTableViewCell& cell, std::size_t index) override;
    bool swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SlideTableViewCell&) override { return true; }
    void swipeableTableViewCellScrollingToState(SlideTableViewCell& cell, SlideCellState state) override;
    void cellEvent(TAVORoutersListItemCell& cell, int event) override;

private:
    void routersListed(const ns::Value& routers);
    void routerUnbound();
    void buildFooter();

    std::vector<TAVORouterModelPtr> routersList_;
    TAVORouterModelPtr willDeleteRouter_;
};

using TAVORoutersListViewControllerPtr = std::shared_ptr<TAVORoutersListViewController>;
