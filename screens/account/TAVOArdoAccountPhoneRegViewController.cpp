#include "screens/account/TAVOArdoAccountPhoneRegViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/Image.h"
#include "platform/ui/NavigationController.h"
#include "screens/account/TAVOAccountFormControls.h"

namespace {
using Form = TAVOAccountFormControls;
}  // namespace

std::shared_ptr<TAVOArdoAccountPhoneRegViewController> TAVOArdoAccountPhoneRegViewController::create() {
    return ui::ViewController::make<TAVOArdoAccountPhoneRegViewController>();
}

std::string TAVOArdoAccountPhoneRegViewController::countDownTitle(int secondsLeft) {
    return TAVOLocalizedString("resend the verified code") + "  " + std::to_string(secondsLeft) + " " +
           TAVOLocalizedString("second");
}

void TAVOArdoAccountPhoneRegViewController::setPhoneNumber(const std::string& number) {
    phoneNumber_ = number;
    if (phoneNumberLabel_) phoneNumberLabel_->setText(number);
}

void TAVOArdoAccountPhoneRegViewController::viewDidLoad() {
    TAVOBaseAccountViewController::viewDidLoad();
    navBar()->setLeftBarItemText(TAVOLocalizedString("cancel"), AppNavigationBar::LeftStyleText);
    if (auto left = navBar()->leftBarButtonItem()) left->setTitleColor(Form::accentColor(), ui::ControlStateNormal);
    navBar()->setTitle(TAVOLocalizedString("register the Ardo account"));
    view()->setBackgroundColor(Form::pageColor());
    auto self = this->self<TAVOArdoAccountPhoneRegViewController>();

    const double width = view()->bounds().size.width - 2 * kMarginX;
    double y = cg::RectGetMaxY(navBar()->frame()) + kTopGap;
    auto sentLabel = ui::Label::create(cg::RectMake(kMarginX, y, width, 15));
    sentLabel->setText(TAVOLocalizedString("has sent the verified code"));
    sentLabel->setFont(ui::Font::systemFontOfSize(12));
    sentLabel->setTextColor(ui::Color::white(0.4));
    view()->addSubview(sentLabel);
    y = cg::RectGetMaxY(sentLabel->frame()) + 2;
    phoneNumberLabel_ = ui::Label::create(cg::RectMake(kMarginX, y, width, 18));
    phoneNumberLabel_->setFont(ui::Font::systemFontOfSize(14));
    phoneNumberLabel_->setTextColor(ui::Color::white(0.2));
    phoneNumberLabel_->setText(phoneNumber_);
    view()->addSubview(phoneNumberLabel_);

    y = cg::RectGetMaxY(phoneNumberLabel_->frame()) + kRowGap;
    const double codeBoxWidth = width - kResendWidth - kResendGap;
    auto codeBox = Form::inputBox(cg::RectMake(kMarginX, y, codeBoxWidth, kRowHeight));
    smsInput_ = Form::plainField(cg::RectMake(kFieldInset, 0, codeBoxWidth - 2 * kFieldInset, kRowHeight),
                                 TAVOLocalizedString("placeholder of inputing the verified code"),
                                 ui::ReturnKeyType::Next);
    smsInput_->setDelegate(self);
    codeBox->addSubview(smsInput_);
    view()->addSubview(codeBox);
    smsCodeBtn_ = ui::Button::create(cg::RectMake(cg::RectGetMaxX(codeBox->frame()) + kResendGap, y, kResendWidth,
                                                  kRowHeight));
    smsCodeBtn_->titleLabel()->setFont(ui::Font::systemFontOfSize(12));
    smsCodeBtn_->setTitleColor(ui::Color::white(0.2), ui::ControlStateNormal);
    smsCodeBtn_->setTitleColor(ui::Color::white(0.2), ui::ControlStateDisabled);
    if (auto image = ui::Image::imageNamed(kResendImage))
        smsCodeBtn_->setBackgroundImage(image->stretchableImageWithLeftCapWidth(7, 7), ui::ControlStateNormal);
    smsCodeBtn_->setEnabled(false);
    smsCodeBtn_->addTarget(self, &TAVOArdoAccountPhoneRegViewController::resendSmsCode, "resendSmsCode",
                           ui::ControlEventTouchUpInside);
    view()->addSubview(smsCodeBtn_);

    y = cg::RectGetMaxY(codeBox->frame()) + kRowGap;
    auto pswBox = Form::inputBox(cg::RectMake(kMarginX, y, width, kRowHeight));
    pswInput_ = Form::field(cg::RectMake(kFieldInset, 0, width - 2 * kFieldInset, kRowHeight),
                            TAVOLocalizedString("set the Ardo account psw"), ui::ReturnKeyType::Done);
    pswInput_->setSecureTextEntry(true);
    pswInput_->setDelegate(self);
    pswBox->addSubview(pswInput_);
    view()->addSubview(pswBox);

    y = cg::RectGetMaxY(pswBox->frame()) + kRowGap;
    completeButton_ = Form::actionButton(cg::RectMake(kMarginX, y, width, Form::kButtonHeight),
                                         TAVOLocalizedString("complete to reg"), kButtonTitleSize);
    completeButton_->addTarget(self, &TAVOArdoAccountPhoneRegViewController::submitPhoneReg, "submitPhoneReg",
                               ui::ControlEventTouchUpInside);
    view()->addSubview(completeButton_);

    retainingTime_ = kResendSeconds;
    updateTimeout();
}

void TAVOArdoAccountPhoneRegViewController::updateTimeout() {
    phoneNumberLabel_->setText(phoneNumber_);
    if (retainingTime_ != 0) {
        smsCodeBtn_->setEnabled(false);
        smsCodeBtn_->setTitle(countDownTitle(retainingTime_), ui::ControlStateDisabled);
        --retainingTime_;
        std::weak_ptr<TAVOArdoAccountPhoneRegViewController> weak = self<TAVOArdoAccountPhoneRegViewController>();
        tick_.start(kTickSeconds, false, [weak] {
            if (auto screen = weak.lock()) screen->updateTimeout();
        });
        return;
    }
    smsCodeBtn_->setEnabled(true);
    smsCodeBtn_->setTitle(TAVOLocalizedString("resend the verified code"), ui::ControlStateNormal);
}

void TAVOArdoAccountPhoneRegViewController::resendSmsCode() { requestSmsCode(phoneNumber_); }

void TAVOArdoAccountPhoneRegViewController::sendSmsCodeOK() {
    retainingTime_ = kResendSeconds;
    updateTimeout();
}

void TAVOArdoAccountPhoneRegViewController::submitPhoneReg() {
    const std::string code = smsInput_->text();
    const std::string psw = pswInput_->text();
    if (code.empty() || psw.empty()) {
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("the verified code or psw is nil"));
        return;
    }
    view()->endEditing(true);
    TAVOBaseAccountViewController::submitPhoneReg(phoneNumber_, code, psw);
}

void TAVOArdoAccountPhoneRegViewController::regOK() {
    auto facade = TAVOAccountManager::shareInstance();
    if (auto account = facade->currentAccountData())
        TAVORouterPreference::shareInstance()->saveQT(account->q(), account->t());
    auto router = facade->currentRouter();
    if (router && !router->ticket.empty()) {
        bindRemoteRouter();
        return;
    }
    // The screen leaves at once but stays alive for the list's answer,
    // which takes the user on to the tabs.
    keptForListAnswer_ = self<TAVOArdoAccountPhoneRegViewController>();
    requestRoutersList();
    if (keptForListAnswer_)
        if (auto nav = navigationController()) nav->popViewControllerAnimated(true);
}

void TAVOArdoAccountPhoneRegViewController::bindOK() {
    dismissToast();
    gotoMainViewController();
}

void TAVOArdoAccountPhoneRegViewController::bindNG() {
    dismissToast();
    gotoMainViewController();
}

void TAVOArdoAccountPhoneRegViewController::routersListOK() {
    auto facade = TAVOAccountManager::shareInstance();
    const auto routers = facade->currentRoutersList();
    if (!facade->currentRouter() && !routers.empty()) facade->selectPreviousRouter(routers);
    routersListNG();
}

void TAVOArdoAccountPhoneRegViewController::routersListNG() {
    showToastAttachToWindow(CustomizedHUDTypeInfo, TAVOLocalizedString("ok to login"), true);
    gotoMainViewController();
    keptForListAnswer_.reset();
}

bool TAVOArdoAccountPhoneRegViewController::textFieldShouldReturn(ui::TextField& field) {
    if (&field == smsInput_.get()) {
        pswInput_->becomeFirstResponder();
    } else if (&field == pswInput_.get()) {
        pswInput_->resignFirstResponder();
        if (!field.text().empty()) submitPhoneReg();
    }
    return true;
}
