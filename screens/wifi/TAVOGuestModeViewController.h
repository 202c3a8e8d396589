// Guest mode: opens the router's guest Wi-Fi for a 60-second admission
// window as soon as it loads, counts the window down, shows the visitors
// that have just joined (polled every 3 s) and lets the owner put one out;
// the window closes on time-out, on leaving and on entering the background.
//
// One stop request and one exit per screen: a stop that fails does not
// start another, a refused start leaves once, and nothing of the screen
// stays alive once it has gone (the delayed exit ends with the screen; the
// stop sent from the background needs only the engine).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "management/engines/TAVODeviceEngine.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Label.h"
#include "screens/wifi/TAVOVisitModeProgress.h"
#include "screens/wifi/TAVOVisitorAddBlackListView.h"
#include "screens/wifi/TAVOVisitorNetView.h"
#include "widgets/TAVOHaloView.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOGuestModeViewController : public TAVOWIFIViewControler,
                                    public TAVODeviceEngineDelegate,
                                    public TAVOVisitModeProgressDelegate,
                                    public TAVOVisitorNetViewDelegate,
                                    public TAVOVisitorAddBlackListViewDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOGuestModeViewController> create() { return make<TAVOGuestModeViewController>(); }
    ~TAVOGuestModeViewController() override;

    static constexpr int kWindowSeconds = 60;
    static constexpr double kExitDelay = 1.0;
    static constexpr int kOperationStart = 11;
    static constexpr int kOperationStop = 12;
    static constexpr int kOperationPutOut = 2;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    bool prefersStatusBarHidden() const override { return true; }

    void leftNavItemPressed() override;
    void rightNavItemPressed() override;
    void startCountDown();
    void stopCountDown();
    void exitController();
    void requestOperation(int operation);
    void requestGuestList();
    void appDidEnterBackground();
    std::string visitorWifiName() const;
    static std::vector<std::shared_ptr<TAVORouterJoiningGuestDevice>> getGuestListIn30Second(const ns::Value& devices);
    void showError(int error);

    void operationOK(TAVODeviceEngine& engine, int operation, const ns::Value& data) override;
    void operationNG(TAVODeviceEngine& engine, int operation, const std::string& errMsg) override;
    void timeout(TAVOVisitModeProgress& progress) override;
    void visitorNetViewShowOperationWithControl(TAVOVisitorNetView& netView,
                                                const TAVOVisitorIndicatorPtr& indicator) override;
    void visitorAddBlackListViewAction(TAVOVisitorAddBlackListView& view, int action) override;

    bool startGuestMode() const { return startGuestMode_; }
    bool isLeaving() const { return leaving_; }
    const std::shared_ptr<TAVOVisitModeProgress>& countDownView() const { return countDownView_; }
    const ui::LabelPtr& guestWIFISSID() const { return guestWIFISSID_; }
    const TAVOVisitorNetViewPtr& netView() const { return netView_; }
    const TAVOVisitorAddBlackListViewPtr& actionView() const { return actionView_; }
    const std::shared_ptr<TAVODeviceEngine>& deviceEngine() const { return deviceEngine_; }
    const std::vector<std::shared_ptr<TAVORouterJoiningGuestDevice>>& guestList() const { return guestList_; }

private:
    void checkDeviceEngine();
    void doStartCountDown();
    void doStopCountDown();
    void updateNetView();
    void createNetView();
    // Pops the screen, once.
    void leave();

    bool startGuestMode_ = false;
    bool stopSent_ = false;
    bool leaving_ = false;
    std::shared_ptr<TAVOVisitModeProgress> countDownView_;
    ui::LabelPtr searchIntroduceLabel_;
    ui::LabelPtr guestWIFISSID_;
    std::shared_ptr<TAVOHaloView> haloView_;
    TAVOVisitorNetViewPtr netView_;
    std::shared_ptr<TAVODeviceEngine> deviceEngine_;
    std::shared_ptr<TAVORouterJoiningGuestDevice> currentHandlingDevice_;
    TAVOVisitorAddBlackListViewPtr actionView_;
    TAVOVisitorIndicatorPtr handlingIndicator_;
    std::vector<std::shared_ptr<TAVORouterJoiningGuestDevice>> guestList_;
    ns::ScopedTimer exitTimer_;
    ns::ScopedObserver backgroundObserver_;
};
