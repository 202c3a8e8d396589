// The protection tab: how safe the current router is. A header with a
// shield shows the security level, the days protected and the virus
// library's date; the list below shows the six protections with each one's
// state and counter and opens their screens. Each time the tab is shown it
// checks the router: the first time (and after each handled router event)
// the scan page fills the tab while the status is fetched, then shrinks
// onto the header's shield while the list rises into place. The first
// time ever, and whenever the router has no library date yet, the virus
// library update popup opens instead. A lost router shows the
// lost-connection page with its reason and a reconnect button.
//
// Pages: 0 and 1 lost connection, 2 scanning, 3 normal. The shared status
// poller of the facade is the one source of switches and counters; the
// tab polls it every 5 s while it is shown. The layout is built in code.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Label.h"
#include "platform/ui/TableView.h"
#include "screens/safety/TAVOCheckRouterViewController.h"
#include "screens/safety/TAVOHeadContentViewInCell.h"
#include "screens/safety/TAVOUpdateViewController.h"
#include "uikit/TKTabHooks.h"
#include "widgets/TAVOGradientView.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOSafeProtectionViewController : public TAVOWIFIViewControler,
                                         public TKTabHooks,
                                         public ui::TableViewDataSource,
                                         public ui::TableViewDelegate,
                                         public TAVORouterStatusLisenerDelegate,
                                         public TAVOHeadContentViewInCellDelegate,
                                         public TAVOUpdateViewControllerDelegate,
                                         public TAVOCheckRouterViewControllerDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOSafeProtectionViewController> create() { return make<TAVOSafeProtectionViewController>(); }

    enum Page : int { PageLost = 0, PageUnavailable = 1, PageScanning = 2, PageNormal = 3 };
    static constexpr double kPageFadeSeconds = 0.25;
    static constexpr double kFinishSeconds = 1.0;
    static constexpr double kHandleAtOnceAfter = 2.5;
    static constexpr double kShowNoSoonerThan = 3.0;
    static constexpr double kRowHeight = 44;
    static constexpr long kRowCount = 6;
    static constexpr const char* kZoomAnimationKey = "zoom";
    static constexpr const char* kRiseAnimationKey = "rise";
    static constexpr const char* kCellIdentifier = "settingselectedcell";

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void rightNavItemPressed() override;
    void handleGlobalRouterEvent(int event) override;

    // The tab's own checks never show the unavailable toast.
    bool isRouterAvailableSilently() { return isRouterAvailable(false); }
    void reconnectRouter();
    void showSafeReport();

    int routerStatus() const { return routerStatus_; }
    void setRouterStatus(int page, bool animated = true);
    bool shouldCheckRouterStatus() const { return shouldCheckRouterStatus_; }
    bool isUpdating() const { return isUpdating_; }
    void setIsUpdating(bool updating);
    void checkRouter(bool animated);
    void updateSecurityLevel(bool animated);
    int previousSecurityLevel() const { return previousSecurityLevel_; }

    // The security level of a status and the password checks: 2 high
    // (no weak point), 1 middle (one), 0 low (two or more).
    static int routerSecurityLevel(const TAVORouterStatusPtr& status, int wifiPasswordStrength, int adminPasswordSafety);
    // A row's counter (never below 0), threat, and status text.
    struct RowInput {
        TAVORouterStatusPtr status;
        int wifiPasswordStrength = 1;
        int adminPasswordSafety = 1;
    };
    static int blockCountOfSecurityItem(long row, const RowInput& in);
    static bool doesSecurityItemHasThreats(long row, const RowInput& in);
    static ns::AttributedStringPtr subtitleForSecurityItem(long row, const RowInput& in);
    // The scan page's finishing transform on a screen of this height.
    static cg::AffineTransform finishTransform(double screenHeight);

    const std::shared_ptr<TAVOCheckRouterViewController>& checkRouterViewController() const { return checkRouterViewController_; }
    const std::shared_ptr<TAVOUpdateViewController>& updateViewController() const { return updateViewController_; }
    const TAVOHeadContentViewInCellPtr& headerView() const { return headerView_; }
    const std::shared_ptr<ui::TableView>& tableView() const { return tableView_; }
    const ui::ViewPtr& headerViewContainer() const { return headerViewContainer_; }
    const ui::ViewPtr& scanningView() const { return scanningView_; }
    const ui::ViewPtr& lostConnectionView() const { return lostConnectionView_; }
    const ui::LabelPtr& lostConnectionReason() const { return lostConnectionReason_; }
    const TAVOGradientViewPtr& gradientView() const { return gradientView_; }

    // Tab.
    ui::ImagePtr tabImage() const override;
    ui::ImagePtr tabSelectedImage() const override;
    std::string tabTitle() const override;

    // Table.
    long numberOfRowsInSection(ui::TableView&, long) override { return kRowCount; }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    std::optional<double> heightForHeaderInSection(ui::TableView&, long) override { return 0.0; }
    std::optional<double> heightForFooterInSection(ui::TableView&, long) override { return 0.0; }
    void didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;

    // Delegates.
    void lisenerRouterStatus(TAVORouterStatusLisener&, const TAVORouterStatusPtr&) override { handleRouterStatusResponse(); }
    void lisenerError(TAVORouterStatusLisener&, const TAVOErrorPtr&) override {
        statusErrorReported_ = true;
        handleRouterStatusResponse();
    }
    void userDidClickUpdateButton() override;
    void updateViewControllerWillDismiss(TAVOUpdateViewController&) override { setIsUpdating(false); }
    void updateViewControllerDidGetVirusInfo(TAVOUpdateViewController&, const ns::Value& info) override;
    void updateViewControllerFailedToGetVirusInfo(TAVOUpdateViewController&, const TAVOErrorPtr& error) override;
    void updateViewControllerDidUpdate(TAVOUpdateViewController&, const ns::Value&) override;
    void checkRouterViewControllerDidFinishChecking(TAVOCheckRouterViewController&) override { finishCheckingRouter(); }

private:
    void buildViews();
    RowInput rowInput() const;
    void getRouterStatus();
    void handleRouterStatusResponse();
    void finishCheckingRouter();
    void getVirusLibraryInfo();
    void showVirusLibraryDate(const ns::Value& info);
    void push(const ui::ViewControllerPtr& screen);
    std::shared_ptr<TAVORouterStatusLisener> sharedListener();

    int routerStatus_ = PageLost;
    bool shouldCheckRouterStatus_ = true;
    std::optional<ns::Date> lastActionDateOnRouterStatus_;
    int previousSecurityLevel_ = -1;
    bool isUpdating_ = false;
    // The poller is telling an error right now.
    bool statusErrorReported_ = false;
    std::shared_ptr<TAVOUpdateViewController> updateViewController_;
    std::shared_ptr<TAVOCheckRouterViewController> checkRouterViewController_;
    TAVOHeadContentViewInCellPtr headerView_;

    TAVOGradientViewPtr gradientView_;
    ui::ViewPtr headerViewContainer_;
    ui::ViewPtr scanningView_;
    ui::ViewPtr lostConnectionView_;
    ui::LabelPtr lostConnectionReason_;
    std::shared_ptr<ui::TableView> tableView_;

    ns::ScopedTimer deferTimer_;
    ns::ScopedObserver becameActiveObserver_;
};
