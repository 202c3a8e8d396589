// The first screen: at every launch it decides how the application reaches
// a router, then puts the main tab bar over itself. Two roads lead there:
// the saved cloud account signs in by itself and its routers are listed
// (the router used last is selected); or the router on the phone's Wi-Fi
// is asked whether it is initialised, and a saved local sign-in for its
// access point is checked by the router, else the owner is asked for the
// router's admin password.
//
// It stays at the root of the window's navigation stack under the tab bar
// for the whole run; a screen that loses the router pops back to it, and it
// shows the welcome panel and re-reads the Wi-Fi. While the launch splash
// runs, the steps that change what is on screen wait for its end (one
// pending step; a later one replaces it); requests are sent at once.
// Main thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/errors/TAVOError.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Value.h"
#include "platform/ui/Button.h"
#include "screens/home/TAVORouterStartupView.h"
#include "screens/home/TAVORouterStartupViewDelegate.h"
#include "screens/home/TAVOWelcomeView.h"
#include "widgets/MAPasswordAlertView.h"
#include "widgets/TAVOBaseViewController.h"

class TKTabBarController;

class TAVORootViewController : public TAVOBaseViewController, public TAVORouterStartupViewDelegate {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVORootViewController> create() { return make<TAVORootViewController>(); }
    ~TAVORootViewController() override;

    // What the screen is doing; it never goes back to Initial.
    enum ViewState : int {
        ViewStateInitial = 0,       // nothing decided yet
        ViewStateAccountLogin = 1,  // the saved account is signing in
        ViewStateTicketCheck = 2,   // the router checks a saved local sign-in
        ViewStateSettled = 3,       // a road was chosen or has failed
    };

    // An init-check "type" at or below this is a router not yet set up.
    static constexpr int kUninitialisedType = 1;
    // The init check's failure when the network's access control keeps the
    // phone out.
    static constexpr int kNetPermitErrorCode = 100007;
    static constexpr double kWelcomeBottomSpace = 146;
    static constexpr double kHelpButtonX = 275;
    static constexpr double kHelpButtonY = 30;
    static constexpr double kHelpButtonSize = 30;
    static constexpr unsigned kTabBarHeight = 50;

    // The main tab bar: the Wi-Fi dashboard, the protection tab and the
    // file tab, each in its own navigation stack.
    static std::shared_ptr<TKTabBarController> createTabViewControllers();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void checkCurrentWIFI();
    void showStartupView(bool show);
    void showIntroduceView() { showStartupView(true); }
    void checkHideStartView(bool atOnce = false);
    void showSSIDName();
    void clearSSIDName();
    void showNotFoundInfo();
    void showNetPermitInfo();
    void showGetWifiHelp();
    void showUnInitDialog();
    void logingLocalRouter();
    // The admin-password prompt, with the error text in its field when given.
    void reqLoginLocalRouter(const std::string& error = "");
    void loginLocalRouter(const std::string& password);
    void autoLoginLocalRouter(const ns::Dictionary& record);
    void bindToAccount();
    void loginArdoAccountBtnClick() { loginArdoAccount(true); }
    void loginArdoAccount(bool force = true);
    void doRouterInitialization();
    void showRouterStateViewController();

    void startupAnimationStop() override;

    // The answers.
    void initCheckResultOK(const ns::Value& type);
    void initCheckResultNG(const TAVOErrorPtr& error);
    void ticketCheckResultOK();
    void ticketCheckResultNG();
    void loginLocalRouterOK(const ns::Value& router);
    void loginLocalRouterNG(const TAVOErrorPtr& error);
    void bindRemoteRouterOK(const ns::Value& router);
    void bindRemoteRouterNG();
    void autoLoginOK();
    void autoLoginNG();
    void requestRoutersListOK();
    void requestRoutersListNG();
    void applicationWillEnterForeground();

    int viewState() const { return viewState_; }
    const ns::Dictionary& wifiInfo() const { return wifiInfo_; }
    const ns::Dictionary& savedLocalRouterInfo() const { return savedLocalRouterInfo_; }
    const TAVOWelcomeViewPtr& welcomeView() const { return welcomeView_; }
    const TAVORouterStartupViewPtr& startupView() const { return startupView_; }
    const std::shared_ptr<ui::Button>& loginLocalRouterBtn() const { return loginLocalRouterBtn_; }
    const std::shared_ptr<ui::Button>& loginArdoAccountBtn() const { return loginArdoAccountBtn_; }
    const std::shared_ptr<ui::Button>& helpButton() const { return helpButton_; }
    const MAPasswordAlertViewPtr& loginLocalRouterAlerView() const { return loginLocalRouterAlerView_; }
    bool hasPendingStep() const { return static_cast<bool>(nextStep_); }

private:
    std::string ssid() const { return wifiInfo_["SSID"].stringValue(); }
    std::string bssid() const { return wifiInfo_["BSSID"].stringValue(); }
    bool splashAnimating() const;
    // Runs the step now, or after the splash when it is still animating.
    void whenSplashEnds(void (TAVORootViewController::*step)());
    void runOrDefer(std::function<void()> step);
    void layoutButtons();
    using Self = TAVORootViewController;
    using Succeeded = std::function<void(Self&, const ns::Value& result)>;
    using Failed = std::function<void(Self&, const TAVOErrorPtr& error)>;
    // The answers to the request reach the screen while it lives.
    template <class Request>
    void listenTo(Succeeded succeeded, Failed failed);
    // A request the facade refused by itself fails as if answered so.
    void failIfRefused(std::int32_t token, Failed failed);
    void listenToRouterAnswers();
    void stopListeningToRouterAnswers();
    void closePrompt(bool animated);

    int viewState_ = ViewStateInitial;
    ns::Dictionary wifiInfo_;
    ns::Dictionary savedLocalRouterInfo_;
    TAVOWelcomeViewPtr welcomeView_;
    TAVORouterStartupViewPtr startupView_;
    std::shared_ptr<ui::Button> loginLocalRouterBtn_;
    std::shared_ptr<ui::Button> loginArdoAccountBtn_;
    std::shared_ptr<ui::Button> helpButton_;
    MAPasswordAlertViewPtr loginLocalRouterAlerView_;
    std::function<void()> nextStep_;
    ns::ScopedObserver foregroundObserver_;
    ns::ScopedObserver backgroundObserver_;
    ns::ScopedObserver autoLoginOKObserver_;
    ns::ScopedObserver autoLoginNGObserver_;
};

using TAVORootViewControllerPtr = std::shared_ptr<TAVORootViewController>;
