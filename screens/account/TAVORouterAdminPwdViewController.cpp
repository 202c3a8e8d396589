#include "screens/account/TAVORouterAdminPwdViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterUpdateAdminPwdRequest.h"

namespace {
constexpr double kSideMargin = 15;
constexpr double kFieldFontSize = 15;
constexpr double kFieldTopInRow = 6;
constexpr double kFieldHeight = 30;
constexpr double kLabelX = 10;
constexpr double kLabelGap = 10;
constexpr double kTipGap = 15;
constexpr double kTipHeight = 30;
constexpr double kTipFontSize = 13;
constexpr double kButtonFontSize = 16;
constexpr int kInputCaps = 7;
constexpr int kButtonCaps = 8;
constexpr double kDisabledTitleAlpha = 0.3;

ui::LabelPtr makeLabel(const cg::Rect& frame, const std::string& key, double size, double grey) {
    auto label = ui::Label::create(frame);
    label->setText(TAVOLocalizedString(key));
    label->setFont(ui::Font::systemFontOfSize(size));
    label->setTextColor(ui::Color::white(grey));
    label->setBackgroundColor(ui::Color::clearColor());
    return label;
}
}  // namespace

void TAVORouterAdminPwdViewController::viewDidLoad() {
    TAVOWIFIViewControler::viewDidLoad();
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(TAVOLocalizedString("modify the admin pwd"));
    buildLayout();
    oldPwdField_->becomeFirstResponder();

    auto self = this->self<TAVORouterAdminPwdViewController>();
    std::weak_ptr<TAVORouterAdminPwdViewController> weak = self;
    TAVORequestAnswers::listen<TAVORouterUpdateAdminPwdRequest>(
        self,
        [weak](const ns::Value& reply, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->updateAdminPwdOK(reply);
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->updateAdminPwdNG(error);
        });
}

ui::TextFieldPtr TAVORouterAdminPwdViewController::makeField(const cg::Rect& frame, ui::ReturnKeyType returnKey) {
    auto field = ui::TextField::create(frame);
    field->setFont(ui::Font::systemFontOfSize(kFieldFontSize));
    field->setBackgroundColor(ui::Color::clearColor());
    field->setSecureTextEntry(true);
    field->setPlaceholder(TAVOLocalizedString("pwd length tip"));
    field->clearButtonMode = ui::TextFieldViewMode::WhileEditing;
    field->traits.autocorrectionType = 1;     // no
    field->traits.autocapitalizationType = 0;  // none
    field->traits.enablesReturnKeyAutomatically = false;
    field->setReturnKeyType(returnKey);
    field->setDelegate(self<TAVORouterAdminPwdViewController>());
    return field;
}

void TAVORouterAdminPwdViewController::buildLayout() {
    const double width = view()->bounds().size.width;
    const double top = cg::RectGetMaxY(navBar()->frame()) + kBoxTopGap;
    const double boxWidth = width - 2 * kSideMargin;

    auto box = ui::ImageView::create(cg::RectMake(kSideMargin, top, boxWidth, 3 * kRowHeight));
    box->setImage(ui::Image::imageNamed("bg_reg_input")->stretchableImageWithLeftCapWidth(kInputCaps, kInputCaps));
    box->setUserInteractionEnabled(true);
    view()->addSubview(box);
    for (int line = 1; line < 3; ++line) {
        auto separator = ui::ImageView::create(cg::RectMake(0, line * kRowHeight, boxWidth, 0.5));
        separator->setImage(ui::Image::imageNamed("seperator_line"));
        box->addSubview(separator);
    }
    const char* labels[] = {"old pwd", "new pwd", "confirm pwd"};
    const double fieldX = kLabelX + kLabelWidth + kLabelGap;
    ui::TextFieldPtr* fields[] = {&oldPwdField_, &newerPwdField_, &confirmPwdFiled_};
    for (int row = 0; row < 3; ++row) {
        box->addSubview(makeLabel(cg::RectMake(kLabelX, row * kRowHeight, kLabelWidth, kRowHeight), labels[row],
                                  kFieldFontSize, 0.2));
        *fields[row] = makeField(
            cg::RectMake(fieldX, row * kRowHeight + kFieldTopInRow, boxWidth - fieldX - kLabelX, kFieldHeight),
            row < 2 ? ui::ReturnKeyType::Next : ui::ReturnKeyType::Done);
        box->addSubview(*fields[row]);
    }

    auto tip = makeLabel(cg::RectMake(kSideMargin, cg::RectGetMaxY(box->frame()) + kTipGap, boxWidth, kTipHeight),
                         "router pwd tips", kTipFontSize, 0.4);
    view()->addSubview(tip);

    completeBtn_ = ui::Button::buttonWithType(ui::ButtonType::Custom);
    completeBtn_->setFrame(cg::RectMake(kSideMargin, cg::RectGetMaxY(tip->frame()) + kTipGap, boxWidth, kButtonHeight));
    completeBtn_->setTitle(TAVOLocalizedString("finish"), ui::ControlStateNormal);
    completeBtn_->titleLabel()->setFont(ui::Font::systemFontOfSize(kButtonFontSize));
    completeBtn_->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    completeBtn_->setTitleColor(ui::Color::white(1, kDisabledTitleAlpha), ui::ControlStateDisabled);
    auto normal = ui::Image::imageNamed("public_btn01")->stretchableImageWithLeftCapWidth(kButtonCaps, kButtonCaps);
    completeBtn_->setBackgroundImage(normal, ui::ControlStateNormal);
    completeBtn_->setBackgroundImage(normal, ui::ControlStateDisabled);
    completeBtn_->setBackgroundImage(
        ui::Image::imageNamed("public_btn01_pre")->stretchableImageWithLeftCapWidth(kButtonCaps, kButtonCaps),
        ui::ControlStateHighlighted);
    completeBtn_->addTarget(self<TAVORouterAdminPwdViewController>(), &TAVORouterAdminPwdViewController::submit,
                            "submit:", ui::ControlEventTouchUpInside);
    view()->addSubview(completeBtn_);
}

void TAVORouterAdminPwdViewController::submit() {
    // The current password must itself be a valid one before the new ones
    // are looked at.
    std::optional<std::string> message = TAVOCommonUtility::checkRouterAdminPwd(oldPwdField_->text());
    if (!message) {
        if (newerPwdField_->text() == confirmPwdFiled_->text())
            message = TAVOCommonUtility::checkRouterAdminPwd(confirmPwdFiled_->text());
        else
            message = TAVOLocalizedString("the twice pwds are not the same");
    }
    if (message && !message->empty()) {
        showToast(CustomizedHUDTypeWarning, *message);
        return;
    }
    updateAdminPwd(confirmPwdFiled_->text(), oldPwdField_->text());
    view()->endEditing(true);
}

void TAVORouterAdminPwdViewController::updateAdminPwd(const std::string& newPwd,
                                                      const std::optional<std::string>& oldPwd) {
    (void)TAVOAccountManager::shareInstance()->updateAdminPwd(newPwd, oldPwd.value_or(""));
    showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("submit the update admin pwd"), false);
}

bool TAVORouterAdminPwdViewController::textFieldShouldReturn(ui::TextField& field) {
    if (&field == oldPwdField_.get()) {
        newerPwdField_->becomeFirstResponder();
    } else if (&field == newerPwdField_.get()) {
        confirmPwdFiled_->becomeFirstResponder();
    } else if (&field == confirmPwdFiled_.get()) {
        if (!confirmPwdFiled_->text().empty()) {
            if (!newerPwdField_->text().empty()) completeBtn_->setEnabled(true);
            submit();
        } else {
            confirmPwdFiled_->resignFirstResponder();
        }
    }
    return true;
}

void TAVORouterAdminPwdViewController::updateAdminPwdOK(const ns::Value& reply) {
    auto facade = TAVOAccountManager::shareInstance();
    if (auto listener = facade->statusLisener()) listener->setAdminPasswordSafety(0);
    saveNewTicket(reply["ticket"].stringValue());
    // Keep the screen alive through the toast: going back may release it.
    auto keep = self<TAVORouterAdminPwdViewController>();
    leftNavItemPressed();
    showToastAttachToWindow(CustomizedHUDTypeInfo, TAVOLocalizedString("pwd is update ok"), true);
}

void TAVORouterAdminPwdViewController::updateAdminPwdNG(const TAVOErrorPtr& error) {
    std::string message = getErrMsgFromObject(error);
    if (message.empty()) message = TAVOLocalizedString("pwd is update ng");
    showServerError(message);
}

void TAVORouterAdminPwdViewController::saveNewTicket(const std::string& ticket) {
    if (ticket.empty()) return;
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    if (!router) return;
    router->ticket = ticket;
    const std::string password = newerPwdField_ ? newerPwdField_->text() : std::string();
    router->setAdminPsw(password);

    ns::Dictionary record;
    auto put = [&record](const std::string& key, const std::string& value) {
        if (!value.empty()) record.set(key, value);
    };
    put(kLocalRouterTicket, router->ticket);
    put(kLocalRouterMac, router->mac);
    put(kLocalRouterRouterId, router->router_id);
    put(kLocalRouterBssid, router->bssid);
    put(kLocalRouterAdmin, password);
    TAVORouterPreference::shareInstance()->saveLocalRouterInfo(record);
}
