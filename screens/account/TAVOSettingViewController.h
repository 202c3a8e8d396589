// The settings ("more") screen the dashboard presents in a navigation
// controller of its own: the account, the router's information and
// passwords, the front-panel LED, firmware and application updates,
// feedback, about, and restart and factory reset with their count-down.
// Its rows follow the router state and the account each time it appears.
#pragma once

#include <memory>
#include <string>

#include "core/errors/TAVOError.h"
#include "core/services/TAVOAppUpdateChecker.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TableView.h"
#include "widgets/TAVOCountDownViewDelegate.h"
#include "widgets/TAVORestartCountDownView.h"
#include "widgets/TAVOSwitchCellDelegate.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOSettingViewController : public TAVOWIFIViewControler,
                                  public ui::TableViewDataSource,
                                  public ui::TableViewDelegate,
                                  public TAVOAppUpdateCheckerDelegate,
                                  public TAVOCountDownViewDelegate,
                                  public TAVOSwitchCellDelegate,
                                  public ui::NavigationControllerDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOSettingViewController> create() {
        return ui::ViewController::make<TAVOSettingViewController>();
    }

    static constexpr int kRestartSeconds = 90;
    static constexpr long kLEDSwitchTag = 200;
    static constexpr double kRowHeight = 44;
    static constexpr double kSectionHeaderHeight = 22;

    // What a row is, by where it stands in the current state.
    enum class Row {
        None, Account, Login, RoutersList, SwitchRouter, RouterInfo, AdminPwd, WiFiPwd, LED, RomUpgrade,
        AppUpgrade, Feedback, About, Restart, FactoryReset,
    };
    Row rowAt(const ui::IndexPath& indexPath) const;
    bool routerIsConnect() const;
    bool hasNewRom() const;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void leftNavItemPressed() override;

    void requestRomUpdateInfo(bool quiet);
    void requestAppVersion();
    void requestChangeLEDState(bool on);
    void requestRestartRouter();
    void requestFactoryResetRouter();
    void requestToLogOut();

    // Table.
    long numberOfSectionsInTableView(ui::TableView&) override { return 4; }
    long numberOfRowsInSection(ui::TableView&, long section) override;
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    std::optional<double> heightForHeaderInSection(ui::TableView&, long section) override;
    ui::ViewPtr viewForHeaderInSection(ui::TableView&, long section) override;
    void didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;
    void scrollViewDidScroll(ui::ScrollView& scrollView) override;

    void onSwithChanged(ToggleSwitch& switchControl, TAVOSettingSwitchCell& cell) override;
    void timeout(TAVOCountDownView& view) override;
    void appCheckerResult(TAVOAppUpdateChecker& checker, const std::optional<TAVOAppVersionInfo>& info) override;
    void appCheckerError(TAVOAppUpdateChecker& checker, const ns::Value& error) override;
    void willShowViewController(ui::NavigationController& nav, const ui::ViewControllerPtr& shown, bool animated) override;

    const std::shared_ptr<ui::TableView>& tableView() const { return tableView_; }
    const std::shared_ptr<TAVORestartCountDownView>& countDownView() const { return countDownView_; }
    int currentLEDState() const { return currentLEDState_; }
    const std::shared_ptr<TAVOAppUpdateChecker>& appChecker() const { return appChecker_; }
    bool isQuiet() const { return isQuiet_; }

    // The values of restart and factory reset, which share one road.
    struct RestartKind;

private:
    void showError(const std::string& message);
    void pushScreen(const ui::ViewControllerPtr& screen);
    void pushScreenNamed(const std::string& className, const std::string& title = "");
    void showLogin();
    void switchRouter();
    void showWiFiPwdSetting();
    void showRomUpgrade();
    void confirmRestart(const RestartKind& kind);
    void restartAnswered(const RestartKind& kind, bool ok, const TAVOErrorPtr& error);
    void checkRomOK(const ns::Value& record);
    void checkRomNG(const TAVOErrorPtr& error);
    void ledChanged(bool ok, const TAVOErrorPtr& error);
    void bindLocalRouterOK();
    ui::TableViewCellPtr settingCell(ui::TableView& table, const ui::IndexPath& indexPath, Row row);

    std::shared_ptr<ui::TableView> tableView_;
    std::shared_ptr<TAVORestartCountDownView> countDownView_;
    ui::ViewControllerPtr wifiPwdController_;
    int currentLEDState_ = 0;
    std::shared_ptr<TAVOAppUpdateChecker> appChecker_;
    bool isQuiet_ = false;
};
