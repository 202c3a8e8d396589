#include "screens/account/TAVOArdoAccountRegViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/crypto/CommonUtility.h"
#include "management/TAVOAuthCodeModel.h"
#include "management/account/TAVOZARAdapter.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/TapGestureRecognizer.h"
#include "platform/ui/ViewAnimation.h"
#include "screens/account/TAVOAccountFormControls.h"
#include "screens/account/TAVOArdoAccountPhoneRegViewController.h"

namespace {
using Form = TAVOAccountFormControls;
}  // namespace

std::shared_ptr<TAVOArdoAccountRegViewController> TAVOArdoAccountRegViewController::create() {
    return ui::ViewController::make<TAVOArdoAccountRegViewController>();
}

void TAVOArdoAccountRegViewController::viewDidLoad() {
    TAVOBaseAccountViewController::viewDidLoad();
    navBar()->setLeftBarItemText(TAVOLocalizedString("cancel"), AppNavigationBar::LeftStyleText);
    if (auto left = navBar()->leftBarButtonItem()) left->setTitleColor(Form::accentColor(), ui::ControlStateNormal);
    navBar()->setTitle(TAVOLocalizedString("register the Ardo account"));
    view()->setBackgroundColor(Form::pageColor());

    const double width = view()->bounds().size.width - 2 * kMarginX;
    segmentControl_ = SGExtendSegControl::create(
        cg::RectMake(kMarginX, cg::RectGetMaxY(navBar()->frame()) + kGap, width, kSegmentHeight));
    segmentControl_->setFont(ui::Font::systemFontOfSize(kSegmentFontSize));
    segmentControl_->setNormalcolor(Form::accentColor());
    segmentControl_->setSelectedColor(ui::Color::whiteColor());
    if (auto selected = ui::Image::imageNamed(kSegmentSelectedImage))
        segmentControl_->setSelectedImage(selected->stretchableImageWithLeftCapWidth(7, 7));
    if (auto normal = ui::Image::imageNamed(kSegmentImage))
        segmentControl_->setNormalImage(normal->stretchableImageWithLeftCapWidth(9, 17));
    segmentControl_->setSegSpace(0);
    segmentControl_->setItemArray({ns::Value(TAVOLocalizedString("reg with phone number")),
                                   ns::Value(TAVOLocalizedString("reg with email"))});
    segmentControl_->setSelectedIndex(0);
    segmentControl_->layer()->setCornerRadius(kSegmentCorner);
    segmentControl_->setClipsToBounds(true);
    segmentControl_->setBackgroundColor(ui::Color::whiteColor());
    segmentControl_->addTarget(self<TAVOArdoAccountRegViewController>(),
                               &TAVOArdoAccountRegViewController::segmentControlValueChange,
                               "segmentControlValueChange", ui::ControlEventValueChanged);
    view()->addSubview(segmentControl_);

    buildPhonePart();
    buildEmailPart();
    emailRegView_->setHidden(true);
    currentSegControlIndex_ = 0;
}

void TAVOArdoAccountRegViewController::viewDidAppear(bool animated) {
    TAVOBaseAccountViewController::viewDidAppear(animated);
    // The phone field takes the keyboard once, when the screen first shows.
    if (!keyboardGiven_) {
        keyboardGiven_ = true;
        phoneNumberInput_->becomeFirstResponder();
    }
}

void TAVOArdoAccountRegViewController::viewWillDisappear(bool animated) {
    TAVOBaseAccountViewController::viewWillDisappear(animated);
    removeAllRegistrations();
    endAuthCodeRequest();
}

cg::Rect TAVOArdoAccountRegViewController::partFrame(double height) const {
    return cg::RectMake(kMarginX, cg::RectGetMaxY(segmentControl_->frame()) + kGap,
                        const_cast<TAVOArdoAccountRegViewController*>(this)->view()->bounds().size.width - 2 * kMarginX,
                        height);
}

void TAVOArdoAccountRegViewController::buildPhonePart() {
    auto self = this->self<TAVOArdoAccountRegViewController>();
    phoneNumberRegView_ = ui::View::create(partFrame(kPhonePartHeight));
    const double width = phoneNumberRegView_->bounds().size.width;
    auto box = Form::inputBox(cg::RectMake(0, 0, width, kRowHeight));
    phoneNumberInput_ = Form::field(cg::RectMake(kFieldInset, 0, width - 2 * kFieldInset, kRowHeight),
                                    TAVOLocalizedString("placeholder with phone number's reg"), ui::ReturnKeyType::Done);
    phoneNumberInput_->setKeyboardType(ui::KeyboardType::PhonePad);
    phoneNumberInput_->setDelegate(self);
    box->addSubview(phoneNumberInput_);
    phoneNumberRegView_->addSubview(box);
    nextStep_ = Form::actionButton(cg::RectMake(0, kRowHeight + kGap, width, Form::kButtonHeight),
                                   TAVOLocalizedString("next step"), kButtonTitleSize);
    nextStep_->addTarget(self, &TAVOArdoAccountRegViewController::doNextStep, "doNextStep",
                         ui::ControlEventTouchUpInside);
    phoneNumberRegView_->addSubview(nextStep_);
    view()->addSubview(phoneNumberRegView_);
}

void TAVOArdoAccountRegViewController::buildEmailPart() {
    bool hidden = false;
    if (emailRegView_) {
        cachedEmailName_ = emailInput_->text();
        cachedPassword_ = pswForEmailRegInput_->text();
        hidden = emailRegView_->isHidden();
        emailRegView_->removeFromSuperview();
    }
    auto self = this->self<TAVOArdoAccountRegViewController>();
    const double boxHeight = 2 * kRowHeight + (showCaptcha_ ? kCaptchaRowHeight : 0);
    emailRegView_ = ui::View::create(partFrame(boxHeight + kGap + Form::kButtonHeight));
    emailRegView_->setHidden(hidden);
    const double width = emailRegView_->bounds().size.width;
    auto box = Form::inputBox(cg::RectMake(0, 0, width, boxHeight));
    const double fieldWidth = width - 2 * kFieldInset;
    emailInput_ = Form::plainField(cg::RectMake(kFieldInset, 0, fieldWidth, kRowHeight),
                                   TAVOLocalizedString("please input the email"), ui::ReturnKeyType::Next);
    emailInput_->setKeyboardType(ui::KeyboardType::EmailAddress);
    emailInput_->setDelegate(self);
    box->addSubview(emailInput_);
    box->addSubview(Form::separator(cg::RectMake(0, kRowHeight, width, 0.5)));
    pswForEmailRegInput_ = Form::field(cg::RectMake(kFieldInset, kRowHeight, fieldWidth, kRowHeight),
                                       TAVOLocalizedString("set the Ardo account psw"),
                                       showCaptcha_ ? ui::ReturnKeyType::Next : ui::ReturnKeyType::Done);
    pswForEmailRegInput_->setSecureTextEntry(true);
    pswForEmailRegInput_->setDelegate(self);
    box->addSubview(pswForEmailRegInput_);
    authCodeField_.reset();
    codeImageView_.reset();
    if (showCaptcha_) {
        emailInput_->setText(cachedEmailName_);
        pswForEmailRegInput_->setText(cachedPassword_);
        const double y = 2 * kRowHeight;
        box->addSubview(Form::separator(cg::RectMake(0, y, width, 0.5)));
        authCodeField_ = Form::plainField(cg::RectMake(kFieldInset, y, fieldWidth - kCaptchaWidth, kCaptchaRowHeight),
                                          kCaptchaPlaceholder, ui::ReturnKeyType::Done);
        authCodeField_->setDelegate(self);
        box->addSubview(authCodeField_);
        codeImageView_ = ui::ImageView::create(cg::RectMake(width - kCaptchaWidth, y, kCaptchaWidth, kCaptchaRowHeight));
        codeImageView_->setUserInteractionEnabled(true);
        auto tap = ui::TapGestureRecognizer::create();
        std::weak_ptr<TAVOArdoAccountRegViewController> weak = self;
        tap->addTarget(self, "tapCodeImage", [weak](ui::GestureRecognizer&) {
            if (auto screen = weak.lock()) screen->tapCodeImage();
        });
        codeImageView_->addGestureRecognizer(tap);
        box->addSubview(codeImageView_);
    }
    emailRegView_->addSubview(box);
    completeReg_ = Form::actionButton(cg::RectMake(0, boxHeight + kGap, width, Form::kButtonHeight),
                                      TAVOLocalizedString("complete to reg"), kButtonTitleSize);
    completeReg_->addTarget(self, static_cast<void (TAVOArdoAccountRegViewController::*)()>(
                                      &TAVOArdoAccountRegViewController::submitEmailReg),
                            "submitEmailReg", ui::ControlEventTouchUpInside);
    emailRegView_->addSubview(completeReg_);
    view()->addSubview(emailRegView_);
}

void TAVOArdoAccountRegViewController::segmentControlValueChange() {
    const int index = segmentControl_->selectedIndex();
    if (index == currentSegControlIndex_) return;
    currentSegControlIndex_ = index;
    auto phone = phoneNumberRegView_;
    auto email = emailRegView_;
    auto phoneField = phoneNumberInput_;
    auto emailField = emailInput_;
    const bool toEmail = index == 1;
    ui::ViewAnimation::animate(kSwitchSeconds, [=] {
        phone->setHidden(toEmail);
        email->setHidden(!toEmail);
        if (toEmail)
            emailField->becomeFirstResponder();
        else
            phoneField->becomeFirstResponder();
    });
}

void TAVOArdoAccountRegViewController::doNextStep() {
    view()->endEditing(true);
    const std::string phone = phoneNumberInput_->text();
    if (phone.empty()) {
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("the phone number is nil"));
        return;
    }
    if (CommonUtility::isValidPhoneNumber(phone) != 0) {
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("the phone number's format is not right"));
        return;
    }
    requestSmsCode(phone);
}

void TAVOArdoAccountRegViewController::sendSmsCodeOK() {
    auto next = TAVOArdoAccountPhoneRegViewController::create();
    next->setPhoneNumber(phoneNumberInput_->text());
    if (auto nav = navigationController()) nav->pushViewController(next, true);
}

void TAVOArdoAccountRegViewController::submitEmailReg() {
    const std::string email = emailInput_->text();
    const std::string psw = pswForEmailRegInput_->text();
    if (email.empty() || psw.empty()) {
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("name or psw is null"));
        return;
    }
    view()->endEditing(true);
    if (showCaptcha_)
        TAVOBaseAccountViewController::submitEmailReg(email, psw, authCodeField_ ? authCodeField_->text() : "", codeSC_);
    else
        TAVOBaseAccountViewController::submitEmailReg(email, psw);
}

void TAVOArdoAccountRegViewController::regOK() {
    auto facade = TAVOAccountManager::shareInstance();
    if (auto account = facade->currentAccountData())
        TAVORouterPreference::shareInstance()->saveQT(account->q(), account->t());
    auto router = facade->currentRouter();
    if (router && !router->ticket.empty())
        bindRemoteRouter();
    else
        requestRoutersList();
}

void TAVOArdoAccountRegViewController::bindOK() {
    dismissToast();
    gotoMainViewController();
}

void TAVOArdoAccountRegViewController::bindNG() {
    dismissToast();
    gotoMainViewController();
}

void TAVOArdoAccountRegViewController::routersListOK() {
    auto facade = TAVOAccountManager::shareInstance();
    const auto routers = facade->currentRoutersList();
    if (!facade->currentRouter() && !routers.empty()) facade->selectPreviousRouter(routers);
    routersListNG();
}

void TAVOArdoAccountRegViewController::routersListNG() {
    showToastAttachToWindow(CustomizedHUDTypeInfo, TAVOLocalizedString("ok to login"), true);
    gotoMainViewController();
}

void TAVOArdoAccountRegViewController::showCaptcha() {
    if (showCaptcha_) {
        showToastAttachToWindow(CustomizedHUDTypeWarning, kCaptchaAgainText, true);
    } else {
        showToastAttachToWindow(CustomizedHUDTypeWarning, kCaptchaPromptText, true);
        showCaptcha_ = true;
        buildEmailPart();
    }
    getAuthCode(codeImageView_ ? codeImageView_->frame().size : cg::Size{});
}

void TAVOArdoAccountRegViewController::tapCodeImage() {
    getAuthCode(codeImageView_ ? codeImageView_->frame().size : cg::Size{});
}

void TAVOArdoAccountRegViewController::getAuthCode(const cg::Size& size) {
    TAVOAccountManager::shareInstance()->getZARAuthCode(size.width, size.height);
    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<TAVOArdoAccountRegViewController> weak = self<TAVOArdoAccountRegViewController>();
    authCodeOKObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(kEmailAuthCodeOKNotification, {}, nullptr, [weak](const ns::NotificationPtr& n) {
            if (auto s = weak.lock()) s->authCodeResultOK(n);
        }));
    authCodeNGObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(kEmailAuthCodeNGNotification, {}, nullptr, [weak](const ns::NotificationPtr&) {
            if (auto s = weak.lock()) s->endAuthCodeRequest();
        }));
}

void TAVOArdoAccountRegViewController::authCodeResultOK(const ns::NotificationPtr& notification) {
    if (auto code = notification->userInfo()["data"].as<TAVOAuthCodeModel>()) {
        if (codeImageView_ && code->codeImage) codeImageView_->setImage(ui::Image::imageWithCGImage(code->codeImage));
        codeSC_ = code->sc;
    }
    endAuthCodeRequest();
}

void TAVOArdoAccountRegViewController::endAuthCodeRequest() {
    authCodeOKObserver_.reset();
    authCodeNGObserver_.reset();
}

bool TAVOArdoAccountRegViewController::textFieldShouldReturn(ui::TextField& field) {
    if (&field == emailInput_.get()) {
        pswForEmailRegInput_->becomeFirstResponder();
    } else if (&field == pswForEmailRegInput_.get()) {
        pswForEmailRegInput_->resignFirstResponder();
        if (!field.text().empty()) submitEmailReg();
    } else if (&field == phoneNumberInput_.get()) {
        if (!field.text().empty()) doNextStep();
    } else if (authCodeField_ && &field == authCodeField_.get()) {
        if (!field.text().empty()) submitEmailReg();
    }
    return true;
}
