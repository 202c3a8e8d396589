// The base of every screen: it hides the system navigation bar and draws
// the application's own bar (whose left and right buttons call
// leftNavItemPressed and rightNavItemPressed), paints the screen's
// background, answers the status-bar style for its class, goes back, and
// shows toasts, server errors and program errors.
//
// Toasts: one per screen. A new toast replaces the screen's previous one at
// once (hidden without animation); an auto-dismissed one hides, animated,
// after its interval in whole seconds (1 by default; 0 hides on the next
// turn). A toast without auto-dismiss stays until dismissToast, the next
// toast or the screen's end.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Notification.h"
#include "widgets/AppNavigationBar.h"
#include "widgets/CustomizedHUD.h"
#include "widgets/TAVOXibBaseViewController.h"

class TAVOBaseViewController : public TAVOXibBaseViewController {
public:
    using TAVOXibBaseViewController::TAVOXibBaseViewController;
    ~TAVOBaseViewController() override;

    static constexpr int kDefaultToastSeconds = 1;
    static constexpr int kErrorToastType = CustomizedHUDTypeWarning;
    static constexpr double kStatusBarHeightBeforeIOS7 = 20;
    static ui::Color backgroundColor() { return ui::Color::rgb255(248, 248, 248); }
    static constexpr const char* kCommonServerErrorKey = "request is failed, please try it a later";

    void viewDidLoad() override;
    ui::StatusBarStyle preferredStatusBarStyle() const override;

    const AppNavigationBarPtr& navBar() const { return navBar_; }
    const CustomizedHUDPtr& hud() const { return hud_; }

    // The bar's height: the status bar's bottom plus the system bar's
    // height from iOS 7 on (the system bar counts 0 without a navigation
    // controller).
    int navBarHeight() const;
    double y_view() const;
    // The view's part below the bar.
    cg::Rect contentViewFrame() const;

    // Back: dismisses the navigation controller when this is its first
    // screen, else pops. Screens override these.
    virtual void leftNavItemPressed();
    virtual void rightNavItemPressed() {}

    // The toast family; the type is a CustomizedHUD type, the message its
    // details text. Without a parent view: the screen's view.
    void showToastAutoDismissParentViewInterval(int type, const std::string& msg, bool autoDismiss,
                                                const ui::ViewPtr& parentView, int interval);
    void showToastAutoDismissParentView(int type, const std::string& msg, bool autoDismiss,
                                        const ui::ViewPtr& parentView);
    void showToastAutoDismiss(int type, const std::string& msg, bool autoDismiss);
    void showToast(int type, const std::string& msg);
    void showToastInterval(int type, const std::string& msg, int interval);
    // On the application window when toWindow, so that it outlives a
    // screen change.
    void showToastAttachToWindow(int type, const std::string& msg, bool toWindow);
    void dismissToast();

    static std::string getCommonServerError();
    // An empty text shows the common server-error text; a warning toast.
    void showServerError(const std::string& msg) { showServerErrorAttachToWindow(msg, false); }
    void showServerErrorAttachToWindow(const std::string& msg, bool toWindow);
    // A warning toast with the error's text, only for a TAVOError that no
    // error handler has dealt with; anything else is passed over silently.
    void showTAVOError(const ns::Value& error);
    void showTAVOError(const ns::ObjectPtr& error);
    // That error's text, else "".
    static std::string getErrMsgFromNotification(const ns::NotificationPtr& notification);
    static std::string getErrMsgFromObject(const ns::ObjectPtr& object);

private:
    AppNavigationBarPtr navBar_;
    CustomizedHUDPtr hud_;
    bool hudAutoDismissed_ = false;
};

using TAVOBaseViewControllerPtr = std::shared_ptr<TAVOBaseViewController>;
