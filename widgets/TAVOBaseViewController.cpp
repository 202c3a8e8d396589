#include "widgets/TAVOBaseViewController.h"

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOStatusTextColorUtility.h"
#include "core/crypto/AppInfoUtility.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "core/errors/TAVOError.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"

namespace {

// The error source no screen shows; the error record yields none so far.
constexpr int kHiddenErrorSource = 3;

double statusBarBottom() {
    auto app = ui::Application::existing();
    return app ? cg::RectGetMaxY(app->statusBarFrame()) : 0;
}

ui::ViewPtr applicationWindow() {
    auto app = ui::Application::existing();
    auto delegate = app ? app->delegate() : nullptr;
    return delegate ? delegate->window() : nullptr;
}

}  // namespace

TAVOBaseViewController::~TAVOBaseViewController() {
    // A toast on the screen's own view goes with it. One elsewhere (on the
    // window) that hides by itself stays for the rest of its time, so that
    // it outlives the screen change it announces; one that would never hide
    // goes now.
    if (hud_ && !hudAutoDismissed_) hud_->hide(false);
}

void TAVOBaseViewController::viewDidLoad() {
    TAVOXibBaseViewController::viewDidLoad();
    if (auto nav = navigationController()) nav->setNavigationBarHidden(true);
    double y = 0;
    if (!AppInfoUtility::aboveIOS7()) {
        wantsFullScreenLayout = true;
        y = kStatusBarHeightBeforeIOS7;
    }
    navBar_ = AppNavigationBar::create(cg::RectMake(0, y, view()->frame().size.width, navBarHeight()));
    auto self = this->self<TAVOBaseViewController>();
    navBar_->addLeftBarItemTarget(self, &TAVOBaseViewController::leftNavItemPressed, "leftNavItemPressed");
    navBar_->addRightBarItemTarget(self, &TAVOBaseViewController::rightNavItemPressed, "rightNavItemPressed");
    view()->addSubview(navBar_);
    if (TAVOCommonUtility::isAboveIOS7()) automaticallyAdjustsScrollViewInsets = false;
    view()->setBackgroundColor(backgroundColor());
}

int TAVOBaseViewController::navBarHeight() const {
    auto nav = navigationController();
    const double barHeight = nav ? nav->navigationBar()->frame().size.height : 0;
    if (TAVOCommonUtility::isAboveIOS7()) return static_cast<int>(statusBarBottom() + barHeight);
    return static_cast<int>(barHeight);
}

double TAVOBaseViewController::y_view() const {
    return TAVOCommonUtility::isAboveIOS7() ? 0 : -statusBarBottom();
}

cg::Rect TAVOBaseViewController::contentViewFrame() const {
    auto self = const_cast<TAVOBaseViewController*>(this);
    const cg::Rect b = self->view()->bounds();
    const double ownBar = navBar_ ? navBar_->frame().size.height : 0;
    auto nav = navigationController();
    const double h = nav && !nav->isNavigationBarHidden() ? nav->navigationBar()->frame().size.height : ownBar;
    if (TAVOCommonUtility::isAboveIOS7()) return cg::RectMake(b.origin.x, h, b.size.width, b.size.height - h);
    return cg::RectMake(b.origin.x, ownBar, b.size.width, b.size.height - ownBar + statusBarBottom());
}

void TAVOBaseViewController::leftNavItemPressed() {
    auto nav = navigationController();
    if (!nav) return;
    if (!nav->viewControllers().empty() && nav->viewControllers().front().get() == this)
        nav->dismissViewControllerAnimated(true, [] {});
    else
        nav->popViewControllerAnimated(true);
}

ui::StatusBarStyle TAVOBaseViewController::preferredStatusBarStyle() const {
    return static_cast<ui::StatusBarStyle>(
        TAVOStatusTextColorUtility::sharedInstance()->getStatusBarStyleByViewControllerName(className()));
}

void TAVOBaseViewController::showToastAutoDismissParentViewInterval(int type, const std::string& msg,
                                                                    bool autoDismiss, const ui::ViewPtr& parentView,
                                                                    int interval) {
    auto hud = CustomizedHUD::showHUDAddedTo(parentView, type, true);
    if (hud) {
        hud->setDetailsLabelText(msg);
        hud->setRemoveFromSuperViewOnHide(true);
        if (autoDismiss) hud->hideAfterDelay(true, static_cast<double>(std::max(0, interval)));
    }
    if (hud_) hud_->hide(false);
    hud_ = hud;
    hudAutoDismissed_ = autoDismiss;
}

void TAVOBaseViewController::showToastAutoDismissParentView(int type, const std::string& msg, bool autoDismiss,
                                                            const ui::ViewPtr& parentView) {
    showToastAutoDismissParentViewInterval(type, msg, autoDismiss, parentView, kDefaultToastSeconds);
}

void TAVOBaseViewController::showToastAutoDismiss(int type, const std::string& msg, bool autoDismiss) {
    showToastAutoDismissParentView(type, msg, autoDismiss, view());
}

void TAVOBaseViewController::showToast(int type, const std::string& msg) { showToastAutoDismiss(type, msg, true); }

void TAVOBaseViewController::showToastInterval(int type, const std::string& msg, int interval) {
    showToastAutoDismissParentViewInterval(type, msg, true, view(), interval);
}

void TAVOBaseViewController::showToastAttachToWindow(int type, const std::string& msg, bool toWindow) {
    showToastAutoDismissParentView(type, msg, true, toWindow ? applicationWindow() : view());
}

void TAVOBaseViewController::dismissToast() {
    if (hud_) hud_->hide(true);
}

std::string TAVOBaseViewController::getCommonServerError() { return TAVOLocalizedString(kCommonServerErrorKey); }

void TAVOBaseViewController::showServerErrorAttachToWindow(const std::string& msg, bool toWindow) {
    showToastAttachToWindow(kErrorToastType, msg.empty() ? getCommonServerError() : msg, toWindow);
}

namespace {

// A TAVOError that no handler has dealt with and a screen may show.
std::shared_ptr<TAVOError> showableError(const ns::ObjectPtr& object) {
    auto error = std::dynamic_pointer_cast<TAVOError>(object);
    if (!error || error->errorHasProcess() || error->routerErrorSource() == kHiddenErrorSource) return nullptr;
    return error;
}

}  // namespace

void TAVOBaseViewController::showTAVOError(const ns::ObjectPtr& error) {
    if (auto shown = showableError(error)) showToastAutoDismiss(kErrorToastType, shown->errorMsg(), true);
}

void TAVOBaseViewController::showTAVOError(const ns::Value& error) {
    if (error.isObject()) showTAVOError(error.asObject());
}

std::string TAVOBaseViewController::getErrMsgFromObject(const ns::ObjectPtr& object) {
    auto error = showableError(object);
    return error ? error->errorMsg() : std::string();
}

std::string TAVOBaseViewController::getErrMsgFromNotification(const ns::NotificationPtr& notification) {
    if (!notification || !notification->object().isObject()) return "";
    return getErrMsgFromObject(notification->object().asObject());
}
