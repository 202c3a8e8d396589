#include "screens/account/TAVOBindRouterPswViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/app/TAVOWIFIUtility.h"
#include "core/crypto/ControlFactory.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/TAVORequestNumber.h"
#include "protocol/requests/catalogue/TAVORouterBindRequest.h"
#include "protocol/requests/catalogue/TAVORouterBindToAccountRequest.h"
#include "protocol/requests/catalogue/TAVORouterInitCheckRequest.h"
#include "screens/account/TAVOAccountFormControls.h"
#include "screens/account/TAVOGetWIFIHelpViewController.h"
#include "uikit/MAAlertView.h"
#include "widgets/TAVORouterSetupPage.h"

namespace {

using Form = TAVOAccountFormControls;

}  // namespace

std::shared_ptr<TAVOBindRouterPswViewController> TAVOBindRouterPswViewController::create() {
    return ui::ViewController::make<TAVOBindRouterPswViewController>();
}

TAVOBindRouterPswViewController::~TAVOBindRouterPswViewController() {
    if (errorSystem_) errorSystem_->setShouldIgnorePreErrorHandler(false);
}

void TAVOBindRouterPswViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    view()->setBackgroundColor(Form::pageColor());
    view()->setOpaque(true);
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(title().empty() ? TAVOLocalizedString("bind the current router") : title());
    navBar()->setRightBarItemImage(ui::Image::imageNamed(kHelpImage));

    const cg::Rect bounds = view()->bounds();
    welcomeView_ = TAVOBindWelcomeView::create(
        cg::RectMake(0, 0, bounds.size.width, bounds.size.height - kPanelBottomSpace));
    welcomeView_->welcomeLabel()->setHidden(true);
    welcomeView_->nameImageView()->setHidden(true);
    view()->insertSubviewBelow(welcomeView_, navBar());

    loginLocalRouterBtn_ = ControlFactory::createButton(TAVOLocalizedString("join to current router"),
                                                        ui::Font::systemFontOfSize(kButtonFontSize),
                                                        ui::Color::whiteColor());
    if (auto normal = ui::Image::imageNamed(Form::kButtonImage)) {
        auto stretched = normal->stretchableImageWithLeftCapWidth(Form::kButtonCap, Form::kButtonCap);
        loginLocalRouterBtn_->setBackgroundImage(stretched, ui::ControlStateNormal);
        loginLocalRouterBtn_->setBackgroundImage(stretched, ui::ControlStateDisabled);
    }
    if (auto pressed = ui::Image::imageNamed(Form::kButtonPressedImage))
        loginLocalRouterBtn_->setBackgroundImage(
            pressed->stretchableImageWithLeftCapWidth(Form::kButtonCap, Form::kButtonCap), ui::ControlStateHighlighted);
    loginLocalRouterBtn_->titleLabel()->setFont(ui::Font::systemFontOfSize(kButtonTitleSize));
    loginLocalRouterBtn_->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    loginLocalRouterBtn_->setTitleColor(ui::Color::white(1, Form::kDisabledTitleAlpha), ui::ControlStateDisabled);
    loginLocalRouterBtn_->setBackgroundColor(ui::Color::rgba(0, 0, 0, 0));
    loginLocalRouterBtn_->setFrame(cg::RectMake(kButtonMarginX, cg::RectGetMaxY(welcomeView_->frame()) + kButtonGap,
                                                bounds.size.width - 2 * kButtonMarginX, Form::kButtonHeight));
    loginLocalRouterBtn_->setEnabled(false);
    loginLocalRouterBtn_->addTarget(self<TAVOBindRouterPswViewController>(),
                                    &TAVOBindRouterPswViewController::loginLocalRouterIsClick,
                                    "loginLocalRouterIsClick", ui::ControlEventTouchUpInside);
    view()->addSubview(loginLocalRouterBtn_);

    listenToAnswers();
    errorSystem_ = TAVOErrorSystemManager::sharedManager();
    errorSystem_->setShouldIgnorePreErrorHandler(true);
}

void TAVOBindRouterPswViewController::listenToAnswers() {
    auto self = this->self<TAVOBindRouterPswViewController>();
    std::weak_ptr<TAVOBindRouterPswViewController> weak = self;
    TAVORequestAnswers::listen<TAVORouterInitCheckRequest>(
        self,
        [weak](const ns::Value& type, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->initCheckResultOK(type);
        },
        [weak](const TAVOErrorPtr&, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->initCheckResultNG();
        });
    TAVORequestAnswers::listen<TAVORouterBindRequest>(
        self,
        [weak](const ns::Value& router, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->bindLocaRouterOK(router);
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->bindLocaRouterNG(error);
        });
    TAVORequestAnswers::listen<TAVORouterBindToAccountRequest>(
        self,
        [weak](const ns::Value& router, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->bindRemoteRouterOK(router);
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->bindRemoteRouterNG(error);
        });
    auto center = ns::NotificationCenter::defaultCenter();
    foregroundObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ns::UIApplicationWillEnterForegroundNotification, {}, nullptr,
                                           [weak](const ns::NotificationPtr&) {
                                               if (auto s = weak.lock()) s->checkCurrentWIFI();
                                           }));
    // Going to the background changes nothing; coming back looks again.
    backgroundObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ns::UIApplicationDidEnterBackgroundNotification, {}, nullptr,
                                           [](const ns::NotificationPtr&) {}));
}

void TAVOBindRouterPswViewController::viewWillAppear(bool animated) {
    TAVOBaseViewController::viewWillAppear(animated);
    checkCurrentWIFI();
}

std::string TAVOBindRouterPswViewController::ssid() const { return wifiInfo_["SSID"].stringValue(); }
std::string TAVOBindRouterPswViewController::bssid() const { return wifiInfo_["BSSID"].stringValue(); }

std::string TAVOBindRouterPswViewController::accountTicket() const {
    auto account = TAVOAccountManager::shareInstance()->currentAccountData();
    return account ? account->qt() : std::string();
}

std::shared_ptr<TAVODeviceDataProvider>& TAVOBindRouterPswViewController::ensureProvider() {
    if (!provider_) provider_ = TAVODeviceDataProvider::create();
    return provider_;
}

void TAVOBindRouterPswViewController::checkCurrentWIFI() {
    ns::Dictionary info = TAVOWIFIUtility::fetchSSIDInfo();
    welcomeView_->setArdoWifiSSID("");
    welcomeView_->welcomeImageView()->setImage(ui::Image::imageNamed(kIndicatorOffImage));
    loginLocalRouterBtn_->setEnabled(false);
    wifiInfo_ = std::move(info);
    welcomeView_->setIndicator(ui::Image::imageNamed(kSpinnerImage));
    checkInit();
}

void TAVOBindRouterPswViewController::checkInit() {
    // A provider means a request of this screen may still run.
    if (provider_) return;
    (void)ensureProvider()->reqData(TAVORequestNumber::RouterInitCheck, ns::Value());
}

void TAVOBindRouterPswViewController::initCheckResultOK(const ns::Value& type) {
    provider_.reset();
    welcomeView_->setIndicator(nullptr);
    welcomeView_->setArdoWifiSSID(ssid());
    welcomeView_->welcomeImageView()->setImage(ui::Image::imageNamed(kIndicatorOnImage));
    loginLocalRouterBtn_->setEnabled(true);
    if (type.intValue() <= kUninitialisedType) showInitialisationReminder();
}

void TAVOBindRouterPswViewController::showInitialisationReminder() {
    auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"),
                                     "\"" + ssid() + "\" " + TAVOLocalizedString("need to initialize the router"));
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), 2, [](const MAAlertViewPtr&) {});
    auto self = this->self<TAVOBindRouterPswViewController>();
    alert->addButtonWithTitle(TAVOLocalizedString("sure"), 0,
                              [self](const MAAlertViewPtr&) { self->doRouterInitialization(); });
    alert->show();
}

void TAVOBindRouterPswViewController::initCheckResultNG() {
    provider_.reset();
    showNotFoundInfo();
}

void TAVOBindRouterPswViewController::showNotFoundInfo() {
    welcomeView_->setIndicator(nullptr);
    closePrompt(false);
    welcomeView_->setErrorInfo(TAVOLocalizedString("not found the Ardo router"));
    loginLocalRouterBtn_->setEnabled(false);
}

void TAVOBindRouterPswViewController::closePrompt(bool animated) {
    if (loginLocalRouterAlerView_) loginLocalRouterAlerView_->dismissAnimated(animated);
}

void TAVOBindRouterPswViewController::loginLocalRouterIsClick() { reqLoginLocalRouter(""); }

void TAVOBindRouterPswViewController::reqLoginLocalRouter(const std::string& message) {
    const std::string name = ssid().empty() ? TAVOLocalizedString("unknown name") : ssid();
    auto prompt = MAPasswordAlertView::create(name);
    prompt->psw()->setPlaceholder(TAVOLocalizedString("placeholder for login router"));
    prompt->addButtonWithTitle(TAVOLocalizedString("cancel"), 2, [](const MAPasswordAlertViewPtr& alert) {
        alert->dismissAnimated(true);
        return std::string();
    });
    std::weak_ptr<TAVOBindRouterPswViewController> weak = self<TAVOBindRouterPswViewController>();
    prompt->addButtonWithTitle(TAVOLocalizedString("connect"), 0, [weak](const MAPasswordAlertViewPtr&) {
        if (auto s = weak.lock()) s->loginLocalRouter();
        return std::string();
    });
    loginLocalRouterAlerView_ = prompt;
    if (!message.empty()) prompt->showErrorMsg(message);
    prompt->show();
}

void TAVOBindRouterPswViewController::loginLocalRouter() {
    auto prompt = loginLocalRouterAlerView_;
    if (!prompt) return;
    const std::string password = prompt->password();
    if (password.empty() || prompt->showErrorInfo()) {
        prompt->showErrorMsg(TAVOLocalizedString("psw is null"));
        return;
    }
    prompt->dismissAnimated(true);
    showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("in login progress"), false);
    auto candidate = TAVORouterModel::create();
    candidate->setAdminPsw(password);
    ensureProvider();
    const std::string ticket = accountTicket();
    if (isCheckRouterArdoAccount_) {
        if (ticket.empty()) {
            showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("fail to bind"));
            return;
        }
        (void)provider_->reqData(TAVORequestNumber::RouterBind,
                                 ns::Value::dictionary({{"router", ns::Value(candidate)}, {"qt", ticket}}));
        return;
    }
    (void)provider_->reqData(TAVORequestNumber::RouterBind, ns::Value::dictionary({{"router", ns::Value(candidate)}}));
}

void TAVOBindRouterPswViewController::bindLocaRouterOK(const ns::Value& result) {
    const std::string password = loginLocalRouterAlerView_ ? loginLocalRouterAlerView_->password() : std::string();
    auto answered = result.as<TAVORouterModel>();
    if (!answered) {
        // A reply without a router record: nothing to keep and nothing to
        // hand to the facade, in either mode.
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("fail to bind"));
        return;
    }
    answered->bssid = bssid();
    answered->setAdminPsw(password);
    router_ = answered;
    if (!router_->ticket.empty())
        TAVORouterPreference::shareInstance()->saveLocalRouterInfo(
            TAVORouterPreference::localRouterRecord(*router_, bssid(), password));
    bindToAccount();
}

void TAVOBindRouterPswViewController::bindToAccount() {
    const std::string ticket = accountTicket();
    if (!ticket.empty() && router_) {
        (void)ensureProvider()->reqData(TAVORequestNumber::RouterBindToAccount,
                                        ns::Value::dictionary({{"router", ns::Value(router_)}, {"qt", ticket}}));
        return;
    }
    if (isCheckRouterArdoAccount_ || !router_) {
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("fail to bind"));
        return;
    }
    popSelf();
}

void TAVOBindRouterPswViewController::popSelf() {
    if (!router_) return;
    router_->bssid = bssid();
    auto facade = TAVOAccountManager::shareInstance();
    facade->setLocalRouter(router_);
    facade->setCurrentRouter(router_);
    closePrompt(false);
    dismissToast();
    if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

void TAVOBindRouterPswViewController::bindLocaRouterNG(const TAVOErrorPtr& error) { askAgainAfter(error, true); }

void TAVOBindRouterPswViewController::bindRemoteRouterNG(const TAVOErrorPtr& error) { askAgainAfter(error, false); }

void TAVOBindRouterPswViewController::askAgainAfter(const TAVOErrorPtr& error, bool withLoginFallback) {
    dismissToast();
    std::string message = getErrMsgFromObject(error);
    if (message.empty()) message = TAVOLocalizedString("unknown error");
    if (message.empty() && withLoginFallback) message = TAVOLocalizedString("fail to login");
    reqLoginLocalRouter(message);
}

void TAVOBindRouterPswViewController::bindRemoteRouterOK(const ns::Value& result) {
    if (!router_) return;
    if (auto bound = result.as<TAVORouterModel>()) {
        router_->router_id = bound->router_id;
        router_->rtoken = bound->rtoken;
    }
    router_->isManagedByArdoAccount = true;
    if (!isCheckRouterArdoAccount_) {
        popSelf();
        return;
    }
    router_->bssid = bssid();
    auto facade = TAVOAccountManager::shareInstance();
    facade->setLocalRouter(router_);
    facade->setCurrentRouter(router_);
    closePrompt(false);
    dismissToast();
    showToastAttachToWindow(CustomizedHUDTypeInfo, TAVOLocalizedString("ok to bind"), true);
    auto nav = navigationController();
    if (!nav) return;
    // The stack the user came through closes; a stack that was not
    // presented (the application's own) gives the screen up instead, so
    // that a finished binding never leaves the user on it.
    if (nav->presentingViewController())
        nav->dismissViewControllerAnimated(true);
    else
        nav->popViewControllerAnimated(true);
}

void TAVOBindRouterPswViewController::doRouterInitialization() {
    if (auto app = ui::Application::existing()) app->openURL(TAVORouterSetupPage::address());
}

void TAVOBindRouterPswViewController::rightNavItemPressed() {
    presentViewController(TAVOGetWIFIHelpViewController::create(), true);
}
