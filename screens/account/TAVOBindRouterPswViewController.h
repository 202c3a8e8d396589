// Binds the router that serves the phone's Wi-Fi: asks the router whether
// it has been set up, asks the user for its admin password, logs in to it
// on the home network, keeps its login ticket in the phone's list of local
// routers, binds it to the signed-in account and makes it the facade's
// local and current router. It talks to the router only through a device
// provider of its own, on the home-network channel.
//
// Account mode (the default): the router must end up bound to the account;
// without an account ticket the screen refuses. Local mode: the local
// login is enough, the binding is tried only when an account is signed in.
//
// While the screen exists the error system's handlers are off, so that no
// error alert moves the user away from the binding.
#pragma once

#include <memory>
#include <string>

#include "core/errors/TAVOError.h"
#include "core/records/TAVORouterModel.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Value.h"
#include "platform/ui/Button.h"
#include "protocol/TAVODeviceDataProvider.h"
#include "screens/account/TAVOBindWelcomeView.h"
#include "widgets/MAPasswordAlertView.h"
#include "widgets/TAVOBaseViewController.h"

class TAVOErrorSystemManager;

class TAVOBindRouterPswViewController : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVOBindRouterPswViewController> create();
    ~TAVOBindRouterPswViewController() override;

    static constexpr double kPanelBottomSpace = 146;
    static constexpr double kButtonGap = 24;
    static constexpr double kButtonMarginX = 25;
    static constexpr double kButtonFontSize = 15;
    static constexpr double kButtonTitleSize = 16;
    static constexpr const char* kHelpImage = "icon_help_getwifi_button_bind";
    static constexpr const char* kIndicatorOffImage = "icon_welcome_indicator_off_bind.jpg";
    static constexpr const char* kIndicatorOnImage = "icon_welcome_indicator_on_bind.jpg";
    static constexpr const char* kSpinnerImage = "loadingIcon_white";
    // An init-check "type" at or below this: the router has not been set up.
    static constexpr int kUninitialisedType = 1;

    bool isCheckRouterArdoAccount() const { return isCheckRouterArdoAccount_; }
    void setIsCheckRouterArdoAccount(bool check) { isCheckRouterArdoAccount_ = check; }

    const TAVOBindWelcomeViewPtr& welcomeView() const { return welcomeView_; }
    const ui::ButtonPtr& loginLocalRouterBtn() const { return loginLocalRouterBtn_; }
    const MAPasswordAlertViewPtr& loginLocalRouterAlerView() const { return loginLocalRouterAlerView_; }
    const ns::Dictionary& wifiInfo() const { return wifiInfo_; }
    const std::shared_ptr<TAVODeviceDataProvider>& provider() const { return provider_; }
    const TAVORouterModelPtr& router() const { return router_; }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void checkCurrentWIFI();
    void checkInit();
    void loginLocalRouterIsClick();
    // The admin-password prompt, with the message in its field when given.
    void reqLoginLocalRouter(const std::string& message);
    void loginLocalRouter();
    void bindToAccount();
    void popSelf();
    void doRouterInitialization();
    void rightNavItemPressed() override;

private:
    void listenToAnswers();
    void initCheckResultOK(const ns::Value& type);
    void initCheckResultNG();
    void bindLocaRouterOK(const ns::Value& router);
    void bindLocaRouterNG(const TAVOErrorPtr& error);
    void bindRemoteRouterOK(const ns::Value& router);
    void bindRemoteRouterNG(const TAVOErrorPtr& error);
    void showNotFoundInfo();
    void showInitialisationReminder();
    // The prompt again after a failure, with the error's text or the
    // fallbacks in its field.
    void askAgainAfter(const TAVOErrorPtr& error, bool withLoginFallback);
    std::string accountTicket() const;
    std::string ssid() const;
    std::string bssid() const;
    std::shared_ptr<TAVODeviceDataProvider>& ensureProvider();
    void closePrompt(bool animated);

    bool isCheckRouterArdoAccount_ = true;
    TAVOBindWelcomeViewPtr welcomeView_;
    ui::ButtonPtr loginLocalRouterBtn_;
    MAPasswordAlertViewPtr loginLocalRouterAlerView_;
    ns::Dictionary wifiInfo_;
    std::shared_ptr<TAVODeviceDataProvider> provider_;
    TAVORouterModelPtr router_;
    ns::ScopedObserver foregroundObserver_;
    ns::ScopedObserver backgroundObserver_;
    // Kept from loading on, so that freeing the screen at exit still reaches it.
    std::shared_ptr<TAVOErrorSystemManager> errorSystem_;
};
