// The base of the list screens: a plain table below the application bar,
// a loading HUD that stays at least half a second and until the screen
// ends the load, and an empty-state placeholder.
//
// A load: showLoading puts a plain grey spinner (non-modal: touches reach
// the table) over getLoadingAttachedView; dismissLoading ends it. The HUD
// goes at the later of the two moments, 0.5 s after the show and the
// dismissal, and updateView runs once per load, at that moment.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/TableView.h"
#include "widgets/BlankIndicatorView.h"
#include "widgets/CustomizedHUD.h"
#include "widgets/TAVOBaseRefreshViewController.h"

class TAVORefreshTableViewController : public TAVOBaseRefreshViewController,
                                       public ui::TableViewDataSource,
                                       public ui::TableViewDelegate {
public:
    using TAVOBaseRefreshViewController::TAVOBaseRefreshViewController;

    static constexpr double kLoadingMinSeconds = 0.5;
    static constexpr double kBlankHeight = 140;
    static constexpr double kTableBottomInset = 20;
    static constexpr const char* kLoadingTextKey = "request is in progress";
    static constexpr const char* kNoDeviceKey = "no device";

    void viewDidLoad() override;

    const std::shared_ptr<ui::TableView>& tableView() const { return tableView_; }
    const BlankIndicatorViewPtr& blankIndicator() const { return blankIndicator_; }
    const CustomizedHUDPtr& loadingIndicator() const { return loadingIndicator_; }
    bool isReachMinTimeout() const { return isReachMinTimeout_; }
    bool loadingComplete() const { return loadingComplete_; }

    void showLoading();
    void showModalLoading();
    // Replaces a HUD still shown from an earlier load.
    void showLoadingWithText(const std::string& text, bool modal);
    // Ignored without a load shown.
    void dismissLoading();
    void loadingMinTimeout();
    void completeUILoading();

    // Hooks for the list screens.
    virtual ui::ViewPtr getLoadingAttachedView() { return tableView_; }
    virtual bool shouldShowBlackIndicator() { return false; }
    // Shows the placeholder when it should, and the table, reloaded.
    virtual void updateView();

    long numberOfRowsInSection(ui::TableView&, long) override { return 0; }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return nullptr; }

private:
    std::shared_ptr<ui::TableView> tableView_;
    BlankIndicatorViewPtr blankIndicator_;
    CustomizedHUDPtr loadingIndicator_;
    bool isReachMinTimeout_ = false;
    bool loadingComplete_ = false;
    ns::ScopedTimer minTimeoutTimer_;
};

using TAVORefreshTableViewControllerPtr = std::shared_ptr<TAVORefreshTableViewController>;
