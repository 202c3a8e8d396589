#include "screens/home/TAVORootViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/app/TAVOWIFIUtility.h"
#include "core/crypto/ControlFactory.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "core/records/TAVORouterModel.h"
#include "management/account/TAVOZARAdapter.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterBindRequest.h"
#include "protocol/requests/catalogue/TAVORouterBindToAccountRequest.h"
#include "protocol/requests/catalogue/TAVORouterInitCheckRequest.h"
#include "protocol/requests/catalogue/TAVORouterTicketVerificationRequest.h"
#include "protocol/requests/catalogue/TAVORoutersListRequest.h"
#include "uikit/MAAlertView.h"
#include "uikit/TKTabBarController.h"
#include "widgets/TAVOAccountLoginTaking.h"
#include "widgets/TAVORouterSetupPage.h"
#include "widgets/TAVOScreenClassRegistry.h"
#include "widgets/TAVOWIFIViewControler.h"

namespace {

constexpr const char* kButtonImage = "public_btn01";
constexpr const char* kButtonPressedImage = "public_btn01_pre";
constexpr long kButtonCap = 8;
constexpr const char* kHelpImage = "icon_help_getwifi_button_bind";
constexpr const char* kIndicatorOnImage = "icon_welcome_indicator_on_bind.jpg";
constexpr const char* kIndicatorOffImage = "icon_welcome_indicator_off_bind.jpg";
constexpr const char* kSpinnerImage = "loadingIcon_white";
constexpr const char* kTabNames[] = {"TAVOMyWiFiViewController", "TAVOSafeProtectionViewController",
                                     "TAVOFileBrowserViewController"};

ui::Color tabGrey() { return ui::Color::rgb255(42, 47, 47); }

}  // namespace

TAVORootViewController::~TAVORootViewController() {
    if (startupView_) startupView_->setDelegate(nullptr);
}

std::shared_ptr<TKTabBarController> TAVORootViewController::createTabViewControllers() {
    auto tabs = TKTabBarController::create(kTabBarHeight);
    if (auto background = TAVOCommonUtility::createImageFromColor(tabGrey(), cg::SizeMake(4, 4)))
        tabs->backgroundImage = background->stretchableImageWithLeftCapWidth(1, 1);
    tabs->textColor = ui::Color::rgb255(128, 128, 128);
    tabs->selectedTextColor = ui::Color::rgb255(26, 202, 69);
    tabs->tabEdgeColor = tabGrey();
    tabs->selectedTabEdgeColor = tabGrey();
    std::vector<ui::ViewControllerPtr> stacks;
    for (const char* name : kTabNames) {
        // A tab whose screen is not registered is left out.
        auto screen = TAVOScreenClassRegistry::create(name);
        if (!screen) continue;
        if (auto tab = std::dynamic_pointer_cast<TAVOWIFIViewControler>(screen)) tab->setTabBarController(tabs);
        stacks.push_back(ui::NavigationController::create(screen));
    }
    tabs->setViewControllers(stacks);
    return tabs;
}

// ---- life cycle ----

void TAVORootViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    view()->setBackgroundColor(ui::Color::white(248.0 / 255.0, 1));
    const cg::Rect bounds = view()->bounds();
    welcomeView_ = TAVOWelcomeView::create(cg::RectMake(0, 0, bounds.size.width, bounds.size.height - kWelcomeBottomSpace));
    view()->addSubview(welcomeView_);
    layoutButtons();

    if (TAVORouterPreference::shareInstance()->shouldShowIntroduce())
        showIntroduceView();
    else
        showStartupView(true);

    std::weak_ptr<TAVORootViewController> weak = self<TAVORootViewController>();
    auto center = ns::NotificationCenter::defaultCenter();
    const auto observe = [&](const std::string& name, void (TAVORootViewController::*handler)()) {
        return ns::ScopedObserver(center, center->addObserverForName(name, {}, nullptr,
                                                                      [weak, handler](const ns::NotificationPtr&) {
                                                                          if (auto s = weak.lock()) ((*s).*handler)();
                                                                      }));
    };
    // Going to the background changes nothing; coming back looks again.
    backgroundObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ns::UIApplicationDidEnterBackgroundNotification, {}, nullptr,
                                           [](const ns::NotificationPtr&) {}));
    foregroundObserver_ = observe(ns::UIApplicationWillEnterForegroundNotification,
                                  &TAVORootViewController::applicationWillEnterForeground);
    autoLoginOKObserver_ = observe(kZARAutoLoginOKNotification, &TAVORootViewController::autoLoginOK);
    autoLoginNGObserver_ = observe(kZARAutoLoginNGNotification, &TAVORootViewController::autoLoginNG);

    const ns::Value account = TAVORouterPreference::shareInstance()->accountDic();
    if (account.isDictionary()) {
        const auto refused = TAVOAccountManager::shareInstance()->autoLogin(account["q"].stringValue(),
                                                                            account["t"].stringValue());
        if (!refused) viewState_ = ViewStateAccountLogin;
    }
}

void TAVORootViewController::layoutButtons() {
    const cg::Rect bounds = view()->bounds();
    loginLocalRouterBtn_ = ControlFactory::createButton(TAVOLocalizedString("join to current router"),
                                                        ui::Font::systemFontOfSize(15), ui::Color::whiteColor());
    if (auto normal = ui::Image::imageNamed(kButtonImage)) {
        auto stretched = normal->stretchableImageWithLeftCapWidth(kButtonCap, kButtonCap);
        loginLocalRouterBtn_->setBackgroundImage(stretched, ui::ControlStateNormal);
        loginLocalRouterBtn_->setBackgroundImage(stretched, ui::ControlStateDisabled);
    }
    if (auto pressed = ui::Image::imageNamed(kButtonPressedImage))
        loginLocalRouterBtn_->setBackgroundImage(pressed->stretchableImageWithLeftCapWidth(kButtonCap, kButtonCap),
                                                 ui::ControlStateHighlighted);
    loginLocalRouterBtn_->titleLabel()->setFont(ui::Font::systemFontOfSize(16));
    loginLocalRouterBtn_->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    loginLocalRouterBtn_->setTitleColor(ui::Color::white(1, 0.3), ui::ControlStateDisabled);
    loginLocalRouterBtn_->setEnabled(false);
    loginLocalRouterBtn_->setFrame(
        cg::RectMake(25, cg::RectGetMaxY(welcomeView_->frame()) + 24, bounds.size.width - 50, 43));
    loginLocalRouterBtn_->setBackgroundColor(ui::Color::clearColor());
    loginLocalRouterBtn_->addTarget(self<TAVORootViewController>(), &TAVORootViewController::logingLocalRouter,
                                    "logingLocalRouter", ui::ControlEventTouchUpInside);
    view()->addSubview(loginLocalRouterBtn_);

    loginArdoAccountBtn_ = ControlFactory::createButton(TAVOLocalizedString("login to Ardo to manage the routers"),
                                                        ui::Font::systemFontOfSize(13),
                                                        ui::Color::rgb255(10, 167, 75));
    loginArdoAccountBtn_->setFrame(
        cg::RectMake(0, cg::RectGetMaxY(loginLocalRouterBtn_->frame()) + 40, bounds.size.width, 30));
    loginArdoAccountBtn_->setContentHorizontalAlignment(ui::ControlContentHorizontalAlignment::Center);
    loginArdoAccountBtn_->titleLabel()->setFont(ui::Font::systemFontOfSize(13));
    loginArdoAccountBtn_->setEnabled(true);
    loginArdoAccountBtn_->addTarget(self<TAVORootViewController>(), &TAVORootViewController::loginArdoAccountBtnClick,
                                    "loginArdoAccountBtnClick", ui::ControlEventTouchUpInside);
    view()->addSubview(loginArdoAccountBtn_);

    helpButton_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
    helpButton_->setFrame(cg::RectMake(kHelpButtonX, kHelpButtonY, kHelpButtonSize, kHelpButtonSize));
    helpButton_->setImage(ui::Image::imageNamed(kHelpImage), ui::ControlStateNormal);
    helpButton_->addTarget(self<TAVORootViewController>(), &TAVORootViewController::showGetWifiHelp, "showGetWifiHelp",
                           ui::ControlEventTouchUpInside);
    view()->addSubview(helpButton_);
}

void TAVORootViewController::viewWillAppear(bool animated) {
    TAVOBaseViewController::viewWillAppear(animated);
    if (viewState_ == ViewStateSettled) showStartupView(false);
    if (viewState_ == ViewStateInitial || viewState_ == ViewStateSettled) checkCurrentWIFI();
    listenToRouterAnswers();
}

void TAVORootViewController::viewWillDisappear(bool animated) {
    TAVOBaseViewController::viewWillDisappear(animated);
    stopListeningToRouterAnswers();
}

void TAVORootViewController::applicationWillEnterForeground() { checkCurrentWIFI(); }

void TAVORootViewController::listenToRouterAnswers() {
    listenTo<TAVORouterInitCheckRequest>([](Self& s, const ns::Value& type) { s.initCheckResultOK(type); },
                                         [](Self& s, const TAVOErrorPtr& error) { s.initCheckResultNG(error); });
    listenTo<TAVORouterBindRequest>([](Self& s, const ns::Value& router) { s.loginLocalRouterOK(router); },
                                    [](Self& s, const TAVOErrorPtr& error) { s.loginLocalRouterNG(error); });
    listenTo<TAVORouterBindToAccountRequest>([](Self& s, const ns::Value& router) { s.bindRemoteRouterOK(router); },
                                             [](Self& s, const TAVOErrorPtr&) { s.bindRemoteRouterNG(); });
}

void TAVORootViewController::stopListeningToRouterAnswers() {
    TAVORequestAnswers::stopListening<TAVORouterInitCheckRequest>(this);
    TAVORequestAnswers::stopListening<TAVORouterBindRequest>(this);
    TAVORequestAnswers::stopListening<TAVORouterBindToAccountRequest>(this);
}

template <class Request>
void TAVORootViewController::listenTo(Succeeded succeeded, Failed failed) {
    // Registered afresh each time: stopped first, so that no answer is
    // heard twice.
    TAVORequestAnswers::stopListening<Request>(this);
    std::weak_ptr<Self> weak = self<Self>();
    TAVORequestAnswers::listen<Request>(
        self<Self>(),
        [weak, succeeded](const ns::Value& result, const ns::Dictionary&) {
            if (auto s = weak.lock()) succeeded(*s, result);
        },
        [weak, failed](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto s = weak.lock()) failed(*s, error);
        });
}

void TAVORootViewController::failIfRefused(std::int32_t token, Failed failed) {
    std::weak_ptr<Self> weak = self<Self>();
    (void)TAVORequestAnswers::deliverRefusal(token, self<Self>(),
                                             [weak, failed](const TAVOErrorPtr& error, const ns::Dictionary&) {
                                                 if (auto s = weak.lock()) failed(*s, error);
                                             });
}

// ---- the splash ----

void TAVORootViewController::showStartupView(bool show) {
    if (!show) {
        if (startupView_) startupView_->setHidden(true);
        return;
    }
    if (!startupView_) {
        startupView_ = TAVORouterStartupView::create(view()->bounds());
        // It continues the launch picture the system showed.
        startupView_->bgView()->setImage(
            ui::Image::imageNamed(TAVOCommonUtility::is4InchScreen() ? "Default-568h" : "Default"));
        startupView_->setDelegate(self<TAVORootViewController>());
        view()->addSubview(startupView_);
    }
    startupView_->setHidden(false);
    view()->bringSubviewToFront(startupView_);
    startupView_->startAnimation();
}

bool TAVORootViewController::splashAnimating() const { return startupView_ && startupView_->isAnimating(); }

void TAVORootViewController::runOrDefer(std::function<void()> step) {
    if (splashAnimating()) {
        nextStep_ = std::move(step);  // a later step replaces an earlier one
        return;
    }
    step();
}

void TAVORootViewController::whenSplashEnds(void (TAVORootViewController::*step)()) {
    std::weak_ptr<TAVORootViewController> weak = self<TAVORootViewController>();
    runOrDefer([weak, step] {
        if (auto s = weak.lock()) ((*s).*step)();
    });
}

void TAVORootViewController::checkHideStartView(bool atOnce) {
    if (!atOnce && splashAnimating()) {
        std::weak_ptr<TAVORootViewController> weak = self<TAVORootViewController>();
        nextStep_ = [weak] {
            if (auto s = weak.lock()) s->checkHideStartView(false);
        };
        return;
    }
    showStartupView(false);
}

void TAVORootViewController::startupAnimationStop() {
    // Taken out first: the step may defer nothing more, but it may show
    // the splash's successor screens.
    auto step = std::move(nextStep_);
    nextStep_ = nullptr;
    if (step) step();
}

// ---- the Wi-Fi and the welcome panel ----

void TAVORootViewController::checkCurrentWIFI() {
    if (viewState_ == ViewStateAccountLogin) return;
    wifiInfo_ = TAVOWIFIUtility::fetchSSIDInfo();
    clearSSIDName();
    if (wifiInfo_.count() == 0 || ssid().empty()) {
        showNotFoundInfo();
        return;
    }
    welcomeView_->setIndicator(ui::Image::imageNamed(kSpinnerImage));
    failIfRefused(TAVOAccountManager::shareInstance()->checkRouterInit(),
                  [](Self& s, const TAVOErrorPtr& error) { s.initCheckResultNG(error); });
}

void TAVORootViewController::clearSSIDName() {
    welcomeView_->setArdoWifiSSID("");
    welcomeView_->welcomeImageView()->setImage(ui::Image::imageNamed(kIndicatorOffImage));
    loginLocalRouterBtn_->setEnabled(false);
}

void TAVORootViewController::showNotFoundInfo() {
    welcomeView_->setIndicator(nullptr);
    closePrompt(false);
    welcomeView_->setErrorInfo(TAVOLocalizedString("not found the Ardo router"));
    loginLocalRouterBtn_->setEnabled(false);
    auto preferences = TAVORouterPreference::shareInstance();
    if (preferences->shouldShowIntroduce()) showGetWifiHelp();
    checkHideStartView();
    preferences->finishStartup();
}

void TAVORootViewController::showSSIDName() {
    welcomeView_->setIndicator(nullptr);
    welcomeView_->setArdoWifiSSID(ssid());
    welcomeView_->welcomeImageView()->setImage(ui::Image::imageNamed(kIndicatorOnImage));
    loginLocalRouterBtn_->setEnabled(true);
    loginArdoAccountBtn_->setEnabled(true);
    checkHideStartView();
    TAVORouterPreference::shareInstance()->finishStartup();
}

void TAVORootViewController::showNetPermitInfo() {
    showToastAttachToWindow(CustomizedHUDTypeWarning, TAVOLocalizedString("netpermit has opened, cann't join the network"),
                            true);
}

void TAVORootViewController::showGetWifiHelp() {
    if (auto help = TAVOScreenClassRegistry::create("TAVOGetWIFIHelpViewController"))
        presentViewController(help, true);
}

void TAVORootViewController::initCheckResultOK(const ns::Value& type) {
    if (type.intValue() <= kUninitialisedType) {
        whenSplashEnds(&TAVORootViewController::showUnInitDialog);
        return;
    }
    if (viewState_ != ViewStateInitial) {
        whenSplashEnds(&TAVORootViewController::showSSIDName);
        return;
    }
    const ns::Value record = TAVORouterPreference::shareInstance()->getLocalRouterInfoAccording(
        ns::Dictionary{{kLocalRouterBssid, bssid()}});
    if (record.isDictionary()) {
        savedLocalRouterInfo_ = record.asDictionary();
        autoLoginLocalRouter(savedLocalRouterInfo_);
        return;
    }
    whenSplashEnds(&TAVORootViewController::showSSIDName);
}

void TAVORootViewController::initCheckResultNG(const TAVOErrorPtr& error) {
    showNotFoundInfo();
    if (error && error->errorCode() == kNetPermitErrorCode) showNetPermitInfo();
}

void TAVORootViewController::showUnInitDialog() {
    checkHideStartView(true);
    auto alert = MAAlertView::create(TAVOLocalizedString("dialog reminder"),
                                     "\"" + ssid() + "\" " + TAVOLocalizedString("need to initialize the router"));
    alert->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel, [](const MAAlertViewPtr&) {});
    std::weak_ptr<TAVORootViewController> weak = self<TAVORootViewController>();
    alert->addButtonWithTitle(TAVOLocalizedString("sure"), MAAlertViewButtonTypeDefault, [weak](const MAAlertViewPtr&) {
        if (auto s = weak.lock()) s->doRouterInitialization();
    });
    alert->show();
    showSSIDName();
}

void TAVORootViewController::doRouterInitialization() {
    ui::Application::sharedApplication()->openURL(TAVORouterSetupPage::address());
}

// ---- the local road ----

void TAVORootViewController::logingLocalRouter() {
    const ns::Value record = TAVORouterPreference::shareInstance()->getLocalRouterInfoAccording(
        ns::Dictionary{{kLocalRouterBssid, bssid()}});
    if (record.isDictionary()) {
        savedLocalRouterInfo_ = record.asDictionary();
        autoLoginLocalRouter(savedLocalRouterInfo_);
        return;
    }
    viewState_ = ViewStateSettled;
    reqLoginLocalRouter();
}

void TAVORootViewController::autoLoginLocalRouter(const ns::Dictionary& record) {
    viewState_ = ViewStateTicketCheck;
    const std::string ticket = record[kLocalRouterTicket].stringValue();
    if (ticket.empty()) {
        // Nothing to check: as for a ticketless record once checked.
        ticketCheckResultOK();
        return;
    }
    listenTo<TAVORouterTicketVerificationRequest>([](Self& s, const ns::Value&) { s.ticketCheckResultOK(); },
                                                  [](Self& s, const TAVOErrorPtr&) { s.ticketCheckResultNG(); });
    failIfRefused(TAVOAccountManager::shareInstance()->ticketCheck(ticket),
                  [](Self& s, const TAVOErrorPtr&) { s.ticketCheckResultNG(); });
}

void TAVORootViewController::ticketCheckResultOK() {
    TAVORequestAnswers::stopListening<TAVORouterTicketVerificationRequest>(this);
    const auto& saved = savedLocalRouterInfo_;
    ns::Dictionary fields;
    const auto put = [&fields](const std::string& key, const std::string& value) {
        if (!value.empty()) fields.set(key, value);
    };
    put("mac", saved[kLocalRouterMac].stringValue());
    put("router_id", saved[kLocalRouterRouterId].stringValue());
    put("ticket", saved[kLocalRouterTicket].stringValue());
    put("ssid", ssid());
    viewState_ = ViewStateSettled;
    if (saved[kLocalRouterTicket].stringValue().empty()) {
        std::weak_ptr<TAVORootViewController> weak = self<TAVORootViewController>();
        runOrDefer([weak] {
            if (auto s = weak.lock()) s->reqLoginLocalRouter();
        });
        return;
    }
    auto router = TAVORouterModel::initWithDictionary(ns::Value(fields));
    if (!router) return;
    router->bssid = bssid();
    router->setAdminPsw(saved[kLocalRouterAdmin].stringValue());
    auto facade = TAVOAccountManager::shareInstance();
    facade->setLocalRouter(router);
    facade->setCurrentRouter(router);
    showRouterStateViewController();
}

void TAVORootViewController::ticketCheckResultNG() {
    viewState_ = ViewStateSettled;
    TAVORequestAnswers::stopListening<TAVORouterTicketVerificationRequest>(this);
    reqLoginLocalRouter();
}

void TAVORootViewController::closePrompt(bool animated) {
    if (loginLocalRouterAlerView_) loginLocalRouterAlerView_->dismissAnimated(animated);
}

void TAVORootViewController::reqLoginLocalRouter(const std::string& error) {
    checkHideStartView(true);
    showSSIDName();
    const std::string title = ssid().empty() ? TAVOLocalizedString("unknown name") : ssid();
    auto prompt = MAPasswordAlertView::create(title);
    prompt->psw()->setPlaceholder(TAVOLocalizedString("placeholder for login router"));
    prompt->addButtonWithTitle(TAVOLocalizedString("cancel"), MAAlertViewButtonTypeCancel,
                               [](const MAPasswordAlertViewPtr& alert) {
                                   alert->dismissAnimated(true);
                                   return std::string();
                               });
    std::weak_ptr<TAVORootViewController> weak = self<TAVORootViewController>();
    prompt->addButtonWithTitle(TAVOLocalizedString("connect"), MAAlertViewButtonTypeDefault,
                               [weak](const MAPasswordAlertViewPtr& alert) {
                                   if (auto s = weak.lock()) s->loginLocalRouter(alert->password());
                                   return std::string();
                               });
    // A prompt still up gives way to the new one.
    closePrompt(false);
    loginLocalRouterAlerView_ = prompt;
    if (!error.empty()) prompt->showErrorMsg(error);
    prompt->show();
}

void TAVORootViewController::loginLocalRouter(const std::string& password) {
    auto prompt = loginLocalRouterAlerView_;
    if (password.empty() || (prompt && prompt->showErrorInfo())) {
        if (prompt) prompt->showErrorMsg(TAVOLocalizedString("psw is null"));
        return;
    }
    closePrompt(true);
    showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("in login progress"), false);
    auto candidate = TAVORouterModel::create();
    candidate->setAdminPsw(password);
    auto facade = TAVOAccountManager::shareInstance();
    facade->setCurrentRouter(candidate);
    failIfRefused(facade->loginRouter(), [](Self& s, const TAVOErrorPtr& error) { s.loginLocalRouterNG(error); });
}

void TAVORootViewController::loginLocalRouterOK(const ns::Value& answer) {
    const std::string password = loginLocalRouterAlerView_ ? loginLocalRouterAlerView_->password() : std::string();
    closePrompt(false);
    auto router = answer.as<TAVORouterModel>();
    if (!router) {
        // A reply without a router record signs nothing in.
        loginLocalRouterNG(nullptr);
        return;
    }
    router->bssid = bssid();
    auto facade = TAVOAccountManager::shareInstance();
    facade->setLocalRouter(router);
    facade->setCurrentRouter(router);
    if (auto current = facade->currentRouter()) current->setAdminPsw(password);
    if (!router->ticket.empty())
        TAVORouterPreference::shareInstance()->saveLocalRouterInfo(
            TAVORouterPreference::localRouterRecord(*router, bssid(), password));
    auto account = facade->currentAccountData();
    if (account && !account->qt().empty()) {
        bindToAccount();
        return;
    }
    dismissToast();
    loginArdoAccount(false);
}

void TAVORootViewController::loginLocalRouterNG(const TAVOErrorPtr& error) {
    TAVOAccountManager::shareInstance()->setCurrentRouter(nullptr);
    dismissToast();
    std::string message = getErrMsgFromObject(error);
    if (message.empty()) message = TAVOLocalizedString("fail to login");
    reqLoginLocalRouter(message);
}

void TAVORootViewController::bindToAccount() {
    if (TAVOAccountManager::shareInstance()->bindRouter() < 0) {
        // Refused at once: the router stays local.
        showRouterStateViewController();
        return;
    }
}

void TAVORootViewController::bindRemoteRouterOK(const ns::Value& answer) {
    dismissToast();
    auto router = answer.as<TAVORouterModel>();
    if (!router) return;
    router->isManagedByArdoAccount = true;
    router->bssid = bssid();
    auto facade = TAVOAccountManager::shareInstance();
    facade->setLocalRouter(router);
    facade->setCurrentRouter(router);
    showRouterStateViewController();
}

void TAVORootViewController::bindRemoteRouterNG() { dismissToast(); }

// ---- the account road ----

void TAVORootViewController::autoLoginOK() {
    listenTo<TAVORoutersListRequest>([](Self& s, const ns::Value&) { s.requestRoutersListOK(); },
                                     [](Self& s, const TAVOErrorPtr&) { s.requestRoutersListNG(); });
    failIfRefused(TAVOAccountManager::shareInstance()->requestRoutersList(),
                  [](Self& s, const TAVOErrorPtr&) { s.requestRoutersListNG(); });
}

void TAVORootViewController::autoLoginNG() {
    viewState_ = ViewStateSettled;
    std::weak_ptr<TAVORootViewController> weak = self<TAVORootViewController>();
    runOrDefer([weak] {
        if (auto s = weak.lock()) s->loginArdoAccount(true);
    });
}

void TAVORootViewController::requestRoutersListOK() {
    TAVORequestAnswers::stopListening<TAVORoutersListRequest>(this);
    auto facade = TAVOAccountManager::shareInstance();
    const auto routers = facade->currentRoutersList();
    if (!facade->currentRouter() && !routers.empty()) facade->selectPreviousRouter(routers);
    viewState_ = ViewStateSettled;
    showRouterStateViewController();
}

void TAVORootViewController::requestRoutersListNG() {
    viewState_ = ViewStateSettled;
    TAVORequestAnswers::stopListening<TAVORoutersListRequest>(this);
    checkCurrentWIFI();
}

void TAVORootViewController::loginArdoAccount(bool force) {
    auto login = TAVOScreenClassRegistry::create("TAVOArdoAccountLoginViewController");
    if (!login) return;
    if (auto taking = std::dynamic_pointer_cast<TAVOAccountLoginTaking>(login)) {
        taking->setForceLogin(force);
        taking->setShowWay(TAVOAccountLoginTaking::kShowWayModal);
    }
    auto stack = ui::NavigationController::create(login);
    stack->setNavigationBarHidden(true);
    presentViewController(stack, true);
}

// ---- the tabs ----

void TAVORootViewController::showRouterStateViewController() {
    if (splashAnimating()) {
        whenSplashEnds(&TAVORootViewController::showRouterStateViewController);
        return;
    }
    checkHideStartView(true);
    dismissToast();
    auto nav = navigationController();
    if (!nav) return;
    nav->pushViewController(createTabViewControllers(), false);
}
