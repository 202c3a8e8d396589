// The Wi-Fi dashboard, first tab of the main tab bar: the current router's
// live speeds, device count, channel quality and radio strength per band,
// WAN faults with their repair and the channel optimisation (all in the
// router status view), over a strip of five feature buttons.
//
// While it is on screen it polls the router's speed samples and, through
// the speed poller, the shared status poller; leaving the screen stops the
// speed poll (the status poll stays attached), and losing the router or
// freeing the screen stops both. It follows the global router events,
// shows the waiting push message as a dialog, and turns the status view's
// numbered actions and the strip's buttons into requests, popups and the
// screens of the other modules (opened by class name).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "core/records/TAVORouterModel.h"
#include "management/pollers/TAVOOptChannelListener.h"
#include "management/pollers/TAVORouterGetSpeedListener.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/NavigationController.h"
#include "protocol/records/TAVORouterStaticInfo.h"
#include "screens/home/TAVORouterControlPanel.h"
#include "screens/home/TAVORouterStatusView.h"
#include "screens/home/TAVOSpeedPlotViewControllerDelegate.h"
#include "uikit/TKTabHooks.h"
#include "widgets/TAVOButton.h"
#include "widgets/TAVOHelpsView.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOMyWiFiViewController : public TAVOWIFIViewControler,
                                 public TKTabHooks,
                                 public TAVORouterStatusViewDelegate,
                                 public TAVOHelpsViewDelegate,
                                 public TAVORouterGetSpeedListenerDelegate,
                                 public TAVOOptChannelListenerDelegate,
                                 public TAVOSpeedPlotViewControllerDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOMyWiFiViewController> create() { return make<TAVOMyWiFiViewController>(); }
    ~TAVOMyWiFiViewController() override;

    static constexpr double kPanelHeight = 45;
    static constexpr double kHelpViewsDelay = 0.5;
    static constexpr double kRecoveryClearDelay = 1.0;
    static constexpr long kHelpTag24G = 1001;
    static constexpr long kHelpTag5G = 1002;
    // Poll errors shown as breakdowns.
    static constexpr int kRouterLostConnectError = 100004;
    static constexpr const char* kTabAppearNotification = "my wifi tab appear notification";
    static constexpr const char* kAccountLoginStateNotification = "Ardo account login state notification";
    // Opened by class name from the other modules.
    static constexpr const char* kDevicesListScreen = "TAVODevicesListViewController";
    static constexpr const char* kSpeedupScreen = "TAVOSpeedupModeViewController";
    static constexpr const char* kGuestModeScreen = "TAVOGuestModeViewController";
    static constexpr const char* kRadioPowerScreen = "TAVORadioPowerAdjustViewController";
    static constexpr const char* kHealthModeScreen = "TAVOHealthModeViewController";
    static constexpr const char* kSettingScreen = "TAVOSettingViewController";
    static constexpr const char* kSpeedTestScreen = "TAVOSpeedTestViewController";

    // --- the tab ---
    ui::ImagePtr tabImage() const override;
    ui::ImagePtr tabSelectedImage() const override;
    std::string tabTitle() const override;

    // --- parts and state ---
    const TAVORouterStatusViewPtr& statusView() const { return statusView_; }
    const TAVORouterControlPanelPtr& panelView() const { return panelView_; }
    const TAVOHelpsViewPtr& helpsViewFor24G() const { return helpsViewFor24G_; }
    const TAVOHelpsViewPtr& helpsViewFor50G() const { return helpsViewFor50G_; }
    const TAVORouterGetSpeedListenerPtr& speedListener() const { return speedListener_; }
    const std::shared_ptr<TAVOOptChannelListener>& channelOptLisener() const { return channelOptLisener_; }
    const TAVORouterModelPtr& currentRouter() const { return currentRouter_; }
    int currentConnectDevices() const { return currentConnectDevices_; }
    // The first strip button, whose badge counts the connected devices.
    TAVOButtonPtr deviceListButton() const;

    // --- life cycle ---
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    // The base check, after which the bar's title names the router (or
    // says there is none).
    bool isRouterAvailable(bool showToast = true);
    void handleGlobalRouterEvent(int event) override;
    void handlePush();

    // --- polls and what they bring ---
    void startSpeedGetLisener();
    void startChannelOptLisener();
    void updateView(const std::shared_ptr<TAVORouterStaticInfo>& staticInfo);
    void resetAllValues();
    // The speed samples' average (bytes per second): negative samples are
    // left out, the sum is kept in 64 bits; 0 without samples.
    static std::int64_t averageSpeed(const ns::Array& speeds);
    // The strength texts of the radio power percentages (0 when missing).
    static std::string strengthTextFor24G(int percent);
    static std::string strengthTextFor5G(int percent);

    void lisenerSpeed(TAVORouterGetSpeedListener& lisener, const ns::Array& speed) override;
    void lisenerDownSpeedUpSpeed(TAVORouterGetSpeedListener& lisener, int downSpeed, int upSpeed) override;
    void lisenerError(TAVORouterGetSpeedListener& lisener, const TAVOErrorPtr& error) override;
    void lisenerData(TAVOOptChannelListener& lisener, const ns::Value& data) override;
    void lisenerErrorCode(TAVOOptChannelListener& lisener, const TAVOErrorPtr& error) override;

    // --- actions ---
    void statusView(TAVORouterStatusView& view, int action) override;
    void statusViewBreakdownRecovery(TAVORouterStatusView& view, int errorCode) override;
    // Band type of an optimisation: 1 only 2.4 GHz poor, 2 only 5 GHz
    // poor, else 0 (both).
    static int bandTypeForLevels(const ChannelLevelInfo& level);
    void requestOptChannel(const ChannelLevelInfo& level);
    void requestRecoveryBreakdown(int errorCode);
    void showBreakdownReasonView(int errorCode);
    void showHelpView(const TAVOHelpsViewPtr& helpsView);
    void showAVGSpeedView();
    void showTestSpeedView();
    void showSwitchRouterReminder();
    void switchRouterDueToNotExist();
    void showDeviceList();
    void showSingleSpeedup();
    void showVisitorMode();
    void showSignalAdjustment();
    void showHealthMode();
    void showSetting();
    void showNetPermit();
    void showRoutersList();
    void rightNavItemPressed() override;

    // --- popups closing ---
    void dismissHelpsView(TAVOHelpsView& view) override;
    void speedTestViewControllerWillDismiss();
    void speedVPlotiewControllerWillDismiss(TAVOSpeedPlotViewController& screen) override;

private:
    void buildPanel();
    std::vector<ui::ViewPtr> makePanelButtons();
    // The bottom of the area above the tab strip. The strip is built only
    // after its first tab's view, so its configured height counts here.
    double contentBottomAboveTabBar() const;
    void markManagement();
    void dropValues();
    void loadHelpViews();
    void radioAnswered(const ns::Value& powers);
    void getVirusLibraryInfo();
    void optFailed();
    void newDeviceDialog(const TAVORouterModelPtr& router, bool current);
    void newRomDialog(const TAVORouterModelPtr& router, bool current);
    void romResultDialog(const TAVORouterModelPtr& router, bool failed);
    void setFirstTabBadge(bool shown);
    // The controller popups and modal screens are shown over: the tab bar
    // controller, or this screen when it stands alone.
    ui::ViewControllerPtr presenter();
    // The stack pushes go on: the tab bar controller's.
    std::shared_ptr<ui::NavigationController> tabNavigationController();
    void presentPopup(const ui::ViewControllerPtr& popup);
    void dismissPopup();
    void pushScreenNamed(const std::string& className);
    void presentInNavigation(const ui::ViewControllerPtr& screen);

    TAVORouterStatusViewPtr statusView_;
    TAVORouterControlPanelPtr panelView_;
    TAVOHelpsViewPtr helpsViewFor24G_;
    TAVOHelpsViewPtr helpsViewFor50G_;
    TAVORouterGetSpeedListenerPtr speedListener_;
    std::shared_ptr<TAVOOptChannelListener> channelOptLisener_;
    TAVORouterModelPtr currentRouter_;
    int currentConnectDevices_ = 0;
    // Between appearing and disappearing: polls start only then.
    bool onScreen_ = false;
    ns::ScopedTimer helpViewsTimer_;
    ns::ScopedTimer recoveryClearTimer_;
};

using TAVOMyWiFiViewControllerPtr = std::shared_ptr<TAVOMyWiFiViewController>;
