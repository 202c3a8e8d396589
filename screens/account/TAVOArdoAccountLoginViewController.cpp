#include "screens/account/TAVOArdoAccountLoginViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/app/TAVOViewControllerState.h"
#include "management/TAVOAuthCodeModel.h"
#include "management/account/TAVOZARAdapter.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/Application.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TapGestureRecognizer.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterBindToAccountRequest.h"
#include "protocol/requests/catalogue/TAVORoutersListRequest.h"
#include "screens/account/TAVOAccountFormControls.h"
#include "screens/account/TAVOAccountWebAddresses.h"
#include "screens/account/TAVOArdoAccountRegViewController.h"
#include "screens/account/TAVOBaseAccountViewController.h"

namespace {

using Form = TAVOAccountFormControls;

void removeFromSuperview(const ui::ViewPtr& view) {
    if (view) view->removeFromSuperview();
}

}  // namespace

std::shared_ptr<TAVOArdoAccountLoginViewController> TAVOArdoAccountLoginViewController::create() {
    return ui::ViewController::make<TAVOArdoAccountLoginViewController>();
}

void TAVOArdoAccountLoginViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("NOT LOGIN"));
    if (!forceLogin_) {
        navBar()->setRightBarItemText(TAVOLocalizedString("ignore"));
        if (auto right = navBar()->rightBarButtonItem())
            right->setTitleColor(Form::accentColor(), ui::ControlStateNormal);
    }
    buildCentre();
    buildBottom();
}

void TAVOArdoAccountLoginViewController::buildCentre() {
    for (const ui::ViewPtr& old : std::initializer_list<ui::ViewPtr>{bgView_, okButton_, forgetPswButton_, regButton_})
        removeFromSuperview(old);
    authCodeField_.reset();
    codeImageView_.reset();

    const double width = view()->bounds().size.width - 2 * kBoxMarginX;
    const double top = cg::RectGetMaxY(navBar()->frame()) + kBoxTopGap;
    const double boxHeight = showCaptcha_ ? kBoxHeightWithCaptcha : kBoxHeight;
    bgView_ = Form::inputBox(cg::RectMake(kBoxMarginX, top, width, boxHeight));
    view()->addSubview(bgView_);

    auto self = this->self<TAVOArdoAccountLoginViewController>();
    auto addRow = [&](const char* iconName, double y) {
        auto icon = ui::ImageView::createWithImage(ui::Image::imageNamed(iconName));
        const cg::Size size = icon->frame().size;
        icon->setFrame(cg::RectMake(kIconInset, y + (kRowHeight - size.height) / 2, size.width, size.height));
        bgView_->addSubview(icon);
        return cg::RectMake(2 * kIconInset + size.width, y, width - 3 * kIconInset - size.width, kRowHeight);
    };

    accountField_ = Form::plainField(addRow(kUserIcon, 0), TAVOLocalizedString("placeholder for Ardo account"),
                                     ui::ReturnKeyType::Next);
    if (auto last = TAVORouterPreference::shareInstance()->lastArdoAccountName()) accountField_->setText(*last);
    accountField_->setDelegate(self);
    bgView_->addSubview(accountField_);
    bgView_->addSubview(Form::separator(cg::RectMake(0, kRowHeight, width, 0.5)));

    passwdField_ = Form::field(addRow(kPasswordIcon, kRowHeight), TAVOLocalizedString("placeholder for input password"),
                               ui::ReturnKeyType::Done);
    passwdField_->clearButtonMode = ui::TextFieldViewMode::Never;
    passwdField_->setSecureTextEntry(true);
    passwdField_->setDelegate(self);
    bgView_->addSubview(passwdField_);

    if (showCaptcha_) {
        const double y = 2 * kRowHeight;
        const double rowHeight = kBoxHeightWithCaptcha - y;
        bgView_->addSubview(Form::separator(cg::RectMake(0, y, width, 0.5)));
        authCodeField_ = Form::plainField(cg::RectMake(kIconInset, y, width - 2 * kIconInset - kCaptchaWidth, rowHeight),
                                          kCaptchaPlaceholder, ui::ReturnKeyType::Done);
        authCodeField_->setDelegate(self);
        bgView_->addSubview(authCodeField_);
        codeImageView_ = ui::ImageView::create(cg::RectMake(width - kCaptchaWidth, y, kCaptchaWidth, rowHeight));
        codeImageView_->setUserInteractionEnabled(true);
        auto tap = ui::TapGestureRecognizer::create();
        std::weak_ptr<TAVOArdoAccountLoginViewController> weak = self;
        tap->addTarget(self, "tapCodeImage", [weak](ui::GestureRecognizer&) {
            if (auto screen = weak.lock()) screen->tapCodeImage();
        });
        codeImageView_->addGestureRecognizer(tap);
        bgView_->addSubview(codeImageView_);
    }

    const cg::Rect box = bgView_->frame();
    okButton_ = Form::actionButton(cg::RectMake(box.origin.x, cg::RectGetMaxY(box) + kLoginButtonGap, width,
                                                Form::kButtonHeight),
                                   TAVOLocalizedString("login"), kLoginTitleSize);
    okButton_->addTarget(self, &TAVOArdoAccountLoginViewController::onOkButtonPressed, "onOkButtonPressed",
                         ui::ControlEventTouchUpInside);
    view()->addSubview(okButton_);

    const double linkY = cg::RectGetMaxY(okButton_->frame()) + kLinkGap;
    forgetPswButton_ = Form::textButton(cg::RectMake(box.origin.x, linkY, width / 2, kLinkHeight),
                                        TAVOLocalizedString("forget password"), kLinkTitleSize);
    forgetPswButton_->setContentHorizontalAlignment(ui::ControlContentHorizontalAlignment::Left);
    forgetPswButton_->addTarget(self, &TAVOArdoAccountLoginViewController::onForgetButtonPressed,
                                "onForgetButtonPressed", ui::ControlEventTouchUpInside);
    view()->addSubview(forgetPswButton_);
    regButton_ = Form::textButton(cg::RectMake(box.origin.x + width / 2, linkY, width / 2, kLinkHeight),
                                  TAVOLocalizedString("regist"), kLinkTitleSize);
    regButton_->setContentHorizontalAlignment(ui::ControlContentHorizontalAlignment::Right);
    regButton_->addTarget(self, &TAVOArdoAccountLoginViewController::onRegButtonPressed, "onRegButtonPressed",
                          ui::ControlEventTouchUpInside);
    view()->addSubview(regButton_);
    if (bottomPicture_) buildBottom();
}

void TAVOArdoAccountLoginViewController::buildBottom() {
    removeFromSuperview(bottomPicture_);
    removeFromSuperview(introduceLabel_);
    const cg::Rect bounds = view()->bounds();
    introduceLabel_ = ui::Label::create(cg::RectMake(kIntroduceMargin, bounds.size.height - kIntroduceMargin - kIntroduceHeight,
                                                     bounds.size.width - 2 * kIntroduceMargin, kIntroduceHeight));
    introduceLabel_->setText(TAVOLocalizedString("login introduce"));
    introduceLabel_->setFont(ui::Font::systemFontOfSize(kIntroduceFontSize));
    introduceLabel_->setTextColor(ui::Color::white(kIntroduceWhite));
    introduceLabel_->setTextAlignment(ui::TextAlignment::Right);
    introduceLabel_->setNumberOfLines(0);
    view()->addSubview(introduceLabel_);

    // The picture sits in the middle of the room left under the buttons.
    bottomPicture_ = ui::ImageView::createWithImage(ui::Image::imageNamed(kBottomPicture));
    const cg::Size size = bottomPicture_->frame().size;
    const double spaceTop = cg::RectGetMaxY(regButton_->frame());
    const double spaceBottom = introduceLabel_->frame().origin.y;
    bottomPicture_->setFrame(cg::RectMake((bounds.size.width - size.width) / 2,
                                          spaceTop + std::max(0.0, (spaceBottom - spaceTop - size.height) / 2),
                                          size.width, size.height));
    view()->addSubview(bottomPicture_);
}

void TAVOArdoAccountLoginViewController::viewWillAppear(bool animated) {
    TAVOBaseViewController::viewWillAppear(animated);
    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVOArdoAccountLoginViewController> weak = self<TAVOArdoAccountLoginViewController>();
    loginOKObserver_ = ns::ScopedObserver(center, center->addObserverForName(kZARLoginOKNotification, {}, nullptr,
                                                                             [weak](const ns::NotificationPtr&) {
                                                                                 if (auto s = weak.lock()) s->loginOK();
                                                                             }));
    loginNGObserver_ = ns::ScopedObserver(center, center->addObserverForName(kZARLoginNGNotification, {}, nullptr,
                                                                             [weak](const ns::NotificationPtr& n) {
                                                                                 if (auto s = weak.lock()) s->loginNG(n);
                                                                             }));
    TAVORequestAnswers::listen<TAVORouterBindToAccountRequest>(
        self<TAVOArdoAccountLoginViewController>(),
        [weak](const ns::Value& router, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->bindRemoteRouterOK(router);
        },
        [weak](const TAVOErrorPtr&, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->bindRemoteRouterNG();
        });
    TAVORequestAnswers::listen<TAVORoutersListRequest>(
        self<TAVOArdoAccountLoginViewController>(),
        [weak](const ns::Value&, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->requestRoutersListOK();
        },
        [weak](const TAVOErrorPtr&, const ns::Dictionary&) {
            if (auto s = weak.lock()) s->requestRoutersListNG();
        });
}

void TAVOArdoAccountLoginViewController::viewWillDisappear(bool animated) {
    TAVOBaseViewController::viewWillDisappear(animated);
    stopListening();
}

void TAVOArdoAccountLoginViewController::stopListening() {
    loginOKObserver_.reset();
    loginNGObserver_.reset();
    authCodeOKObserver_.reset();
    authCodeNGObserver_.reset();
    TAVORequestAnswers::stopListening<TAVORouterBindToAccountRequest>(this);
    TAVORequestAnswers::stopListening<TAVORoutersListRequest>(this);
}

void TAVOArdoAccountLoginViewController::onOkButtonPressed() {
    const std::string name = accountField_->text();
    const std::string psw = passwdField_->text();
    const std::string code = authCodeField_ ? authCodeField_->text() : std::string();
    if (name.empty() || psw.empty()) {
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("name or psw is null"));
        return;
    }
    if (passwdField_->isFirstResponder()) passwdField_->resignFirstResponder();
    if (showCaptcha_)
        loginWithArdoID(name, psw, code);
    else
        loginWithArdoID(name, psw);
    TAVORouterPreference::shareInstance()->saveLastArdoAccountName(name);
}

void TAVOArdoAccountLoginViewController::loginWithArdoID(const std::string& name, const std::string& psw) {
    startedLogin(TAVOAccountManager::shareInstance()->login(name, psw));
}

void TAVOArdoAccountLoginViewController::loginWithArdoID(const std::string& name, const std::string& psw,
                                                         const std::string& code) {
    startedLogin(TAVOAccountManager::shareInstance()->loginWithCode(name, psw, code, codeSC_));
}

void TAVOArdoAccountLoginViewController::startedLogin(const std::optional<std::string>& refusal) {
    if (refusal) {
        showToast(CustomizedHUDTypeWarning, *refusal);
        return;
    }
    showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("in login progress"), false);
}

void TAVOArdoAccountLoginViewController::loginOK() {
    auto facade = TAVOAccountManager::shareInstance();
    if (auto account = facade->currentAccountData())
        TAVORouterPreference::shareInstance()->saveQT(account->q(), account->t());
    auto router = facade->currentRouter();
    if (router) router->isManagedByArdoAccount = true;
    // The screen waits for the answers.
    if (router && !router->ticket.empty())
        (void)facade->bindRouter();
    else
        (void)facade->requestRoutersList();
}

void TAVOArdoAccountLoginViewController::loginNG(const ns::NotificationPtr& notification) {
    const std::string message = notification->userInfo()["msg"].stringValue();
    if (TAVOBaseAccountViewController::isCaptchaDemand(message)) {
        showCaptcha();
        return;
    }
    showToast(CustomizedHUDTypeWarning,
              message.empty() ? TAVOLocalizedString("fail to login, try it later") : message);
}

void TAVOArdoAccountLoginViewController::bindRemoteRouterOK(const ns::Value& result) {
    if (auto router = result.as<TAVORouterModel>()) {
        router->isManagedByArdoAccount = true;
        TAVOAccountManager::shareInstance()->setCurrentRouter(router);
    }
    dismissToast();
    gotoMainViewController();
}

void TAVOArdoAccountLoginViewController::bindRemoteRouterNG() {
    dismissToast();
    if (showWay_ == ShowWayModal)
        gotoMainViewController();
    else
        leftNavItemPressed();
}

void TAVOArdoAccountLoginViewController::requestRoutersListOK() {
    auto facade = TAVOAccountManager::shareInstance();
    const auto routers = facade->currentRoutersList();
    if (!facade->currentRouter() && !routers.empty()) facade->selectPreviousRouter(routers);
    leaveAfterLogin();
}

void TAVOArdoAccountLoginViewController::requestRoutersListNG() {
    // The sign-in itself succeeded; only the list is missing.
    leaveAfterLogin();
}

void TAVOArdoAccountLoginViewController::leaveAfterLogin() {
    dismissToast();
    showToastAttachToWindow(CustomizedHUDTypeInfo, TAVOLocalizedString("ok to login"), true);
    if (showWay_ == ShowWayModal)
        gotoMainViewController();
    else
        leftNavItemPressed();
}

void TAVOArdoAccountLoginViewController::gotoMainViewController() {
    TAVOViewControllerState::backToTabViewController();
}

void TAVOArdoAccountLoginViewController::leftNavItemPressed() {
    if (showWay_ == ShowWayModal) {
        if (auto nav = navigationController()) nav->dismissViewControllerAnimated(true);
        return;
    }
    TAVOBaseViewController::leftNavItemPressed();
}

void TAVOArdoAccountLoginViewController::rightNavItemPressed() {
    if (!forceLogin_) gotoMainViewController();
}

void TAVOArdoAccountLoginViewController::onForgetButtonPressed() {
    if (auto app = ui::Application::existing()) app->openURL(TAVOAccountWebAddresses::passwordRecoveryPage());
}

void TAVOArdoAccountLoginViewController::onRegButtonPressed() {
    if (auto nav = navigationController()) nav->pushViewController(TAVOArdoAccountRegViewController::create(), true);
}

void TAVOArdoAccountLoginViewController::showCaptcha() {
    if (showCaptcha_) {
        showToastAttachToWindow(CustomizedHUDTypeWarning, kCaptchaAgainText, true);
    } else {
        showToastAttachToWindow(CustomizedHUDTypeWarning, kCaptchaPromptText, true);
        showCaptcha_ = true;
        buildCentre();
    }
    getAuthCode(codeImageView_ ? codeImageView_->frame().size : cg::Size{});
}

void TAVOArdoAccountLoginViewController::tapCodeImage() {
    getAuthCode(codeImageView_ ? codeImageView_->frame().size : cg::Size{});
}

void TAVOArdoAccountLoginViewController::getAuthCode(const cg::Size& size) {
    TAVOAccountManager::shareInstance()->getZARAuthCode(size.width, size.height);
    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVOArdoAccountLoginViewController> weak = self<TAVOArdoAccountLoginViewController>();
    authCodeOKObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(kEmailAuthCodeOKNotification, {}, nullptr, [weak](const ns::NotificationPtr& n) {
            if (auto s = weak.lock()) s->authCodeResultOK(n);
        }));
    authCodeNGObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(kEmailAuthCodeNGNotification, {}, nullptr, [weak](const ns::NotificationPtr&) {
            if (auto s = weak.lock()) s->authCodeResultNG();
        }));
}

void TAVOArdoAccountLoginViewController::authCodeResultOK(const ns::NotificationPtr& notification) {
    if (auto code = notification->userInfo()["data"].as<TAVOAuthCodeModel>()) {
        if (codeImageView_ && code->codeImage) codeImageView_->setImage(ui::Image::imageWithCGImage(code->codeImage));
        codeSC_ = code->sc;
    }
    authCodeOKObserver_.reset();
    authCodeNGObserver_.reset();
}

void TAVOArdoAccountLoginViewController::authCodeResultNG() {
    authCodeOKObserver_.reset();
    authCodeNGObserver_.reset();
}

bool TAVOArdoAccountLoginViewController::textFieldShouldReturn(ui::TextField& field) {
    if (&field == accountField_.get()) {
        passwdField_->becomeFirstResponder();
    } else if (&field == passwdField_.get()) {
        passwdField_->resignFirstResponder();
        if (!passwdField_->text().empty()) onOkButtonPressed();
    }
    return true;
}
