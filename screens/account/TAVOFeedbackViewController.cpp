#include "screens/account/TAVOFeedbackViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/AppInfoUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "management/pollers/TAVORouterStatusLisener.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/Utf16.h"
#include "platform/ui/Device.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/KeyboardNotifications.h"
#include "platform/ui/Label.h"
#include "protocol/TAVOAppInfoProvider.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVOAppFeedbackRequest.h"

namespace {
constexpr double kSideMargin = 15;
constexpr double kFieldHeight = 40;
constexpr double kFieldBoxHeight = 44;
constexpr long kInputCaps = 7;
constexpr const char* kAppId = "2";
constexpr const char* kContactTypePhone = "1";
}  // namespace

ns::Dictionary TAVOFeedbackViewController::feedbackParameters(const std::string& feedback,
                                                              const std::string& contact) {
    ns::Dictionary param;
    if (!feedback.empty()) param.set("feedback", feedback);
    param.set("app_id", kAppId);
    auto listener = TAVOAccountManager::shareInstance()->statusLisener();
    auto status = listener ? listener->status() : nullptr;
    const std::string rom = status && status->hardwareInfo ? status->hardwareInfo->rom_version : std::string();
    if (!rom.empty()) param.set("rom_version", rom);
    const std::string appVersion = AppInfoUtility::currentBundleVersionString();
    if (!appVersion.empty()) param.set("app_version", appVersion);
    // The float system version, widened: 7.1 goes as 7.100000.
    param.set("os_version", ns::format("%f", static_cast<double>(static_cast<float>(AppInfoUtility::systemVersion()))));
    if (!contact.empty()) {
        param.set("contact_type", kContactTypePhone);
        param.set("contact_content", contact);
    }
    return param;
}

double TAVOFeedbackViewController::scrollTop() const { return cg::RectGetMaxY(navBar()->frame()) + kTopGap; }

void TAVOFeedbackViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    view()->setBackgroundColor(ui::Color::white(248 / 255.0));
    view()->setOpaque(true);
    navBar()->setRightBarItemText(TAVOLocalizedString("send"), AppNavigationBar::RightStyleText);
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    enableSend();
    navBar()->setTitle(TAVOLocalizedString("user feed back"));

    const cg::Rect b = view()->bounds();
    const double top = scrollTop();
    scrollView_ = ui::ScrollView::create(cg::RectMake(b.origin.x, top, b.size.width, b.size.height - top));
    inputView_ = TAVOFeedbackInputView::create(cg::RectMake(0, 0, b.size.width, kInputHeight));
    inputView_->delegate = self<TAVOFeedbackViewController>();
    scrollView_->addSubview(inputView_);

    const double inputBottom = cg::RectGetMaxY(inputView_->frame());
    auto box = ui::ImageView::create(cg::RectMake(kSideMargin, inputBottom + 8, b.size.width - 2 * kSideMargin, kFieldBoxHeight));
    if (auto image = ui::Image::imageNamed("bg_reg_input")) box->setImage(image->stretchableImageWithLeftCapWidth(kInputCaps, kInputCaps));
    scrollView_->addSubview(box);

    contactField_ = ui::TextField::create(cg::RectMake(30, inputBottom + 10, b.size.width - 60, kFieldHeight));
    contactField_->traits.autocapitalizationType = 0;
    contactField_->setFont(ui::Font::systemFontOfSize(16));
    contactField_->setTextColor(ui::Color::blackColor());
    contactField_->clearButtonMode = ui::TextFieldViewMode::WhileEditing;
    contactField_->setContentVerticalAlignment(ui::ControlContentVerticalAlignment::Center);
    contactField_->setBackgroundColor(ui::Color::clearColor());
    contactField_->setPlaceholder(TAVOLocalizedString("contact ways"));
    contactField_->setDelegate(self<TAVOFeedbackViewController>());
    scrollView_->addSubview(contactField_);

    auto hint = ui::Label::create(cg::RectMake(kSideMargin, cg::RectGetMaxY(contactField_->frame()) + 10, 290, 40));
    hint->setText(TAVOLocalizedString("contact ways will be known by us"));
    hint->setFont(ui::Font::systemFontOfSize(13));
    hint->setTextColor(ui::Color::white(1.0 / 3.0));
    hint->setTextAlignment(ui::TextAlignment::Left);
    hint->setNumberOfLines(0);
    hint->setBackgroundColor(ui::Color::clearColor());
    scrollView_->addSubview(hint);
    scrollView_->setContentSize(cg::SizeMake(b.size.width, cg::RectGetMaxY(hint->frame())));
    view()->addSubview(scrollView_);

    auto self = this->self<TAVOFeedbackViewController>();
    std::weak_ptr<TAVOFeedbackViewController> weak = self;
    TAVORequestAnswers::listen<TAVOAppFeedbackRequest>(
        self,
        [weak](const ns::Value&, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->sendFeedbackOK();
        },
        [weak](const TAVOErrorPtr& error, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->sendFeedbackNG(error);
        });
    auto center = ns::NotificationCenter::defaultCenter();
    keyboardShowObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ui::KeyboardWillShowNotification, {}, nullptr,
                                           [weak](const ns::NotificationPtr& n) {
                                               if (auto screen = weak.lock()) screen->keyboardWillShow(n);
                                           }));
    keyboardHideObserver_ = ns::ScopedObserver(
        center, center->addObserverForName(ui::KeyboardWillHideNotification, {}, nullptr,
                                           [weak](const ns::NotificationPtr&) {
                                               if (auto screen = weak.lock()) screen->keyboardWillHide();
                                           }));
}

void TAVOFeedbackViewController::enableSend() {
    navBar()->setEnableRightBarItem(true);
    if (auto button = navBar()->rightBarButtonItem())
        button->setTitleColor(ui::Color::rgb255(10, 167, 75), ui::ControlStateNormal);
}

void TAVOFeedbackViewController::textViewDidBeginEditing(ui::TextView&) {
    scrollView_->setContentOffset(cg::PointMake(0, 0), true);
}

void TAVOFeedbackViewController::textViewDidChange(ui::TextView& textView) {
    if (textView.text().empty())
        disableSend();
    else
        enableSend();
}

void TAVOFeedbackViewController::textFieldDidBeginEditing(ui::TextField& field) {
    scrollView_->setContentOffset(cg::PointMake(0, field.frame().origin.y), true);
}

bool TAVOFeedbackViewController::shouldChangeCharactersInRange(ui::TextField& field, ns::Range range,
                                                                const std::string&) {
    return !(ns::utf16::length(field.text()) >= kMaxContactLength && range.length == 0);
}

void TAVOFeedbackViewController::keyboardWillShow(const ns::NotificationPtr& notification) {
    if (ui::Device::currentDevice()->userInterfaceIdiom != 0) return;
    auto endFrame = notification->userInfo()[ui::KeyboardFrameEndUserInfoKey].as<ui::RectValue>();
    const double keyboardHeight = endFrame ? endFrame->rect.size.height : 0;
    cg::Rect frame = scrollView_->frame();
    frame.size.height = view()->bounds().size.height - scrollTop() - keyboardHeight;
    scrollView_->setFrame(frame);
}

void TAVOFeedbackViewController::keyboardWillHide() {
    if (ui::Device::currentDevice()->userInterfaceIdiom != 0) return;
    cg::Rect frame = scrollView_->frame();
    frame.size.height = view()->bounds().size.height - scrollTop();
    scrollView_->setFrame(frame);
}

void TAVOFeedbackViewController::sendFeedback() {
    view()->endEditing(true);
    const std::string feedback = inputView_->textView()->text();
    const std::string contact = contactField_->text();
    if (feedback.empty()) {
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("feedback content tip"));
        return;
    }
    // The placeholder's own text is no contact.
    if (contact.empty() || contact == TAVOLocalizedString("contact ways")) {
        showToast(CustomizedHUDTypeWarning, TAVOLocalizedString("feedback telephone tip"));
        return;
    }
    (void)TAVOAppInfoProvider::shareInstance()->sendFeedback(ns::Value(feedbackParameters(feedback, contact)));
    showToastAutoDismiss(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString("send feedback in progress"), false);
}

void TAVOFeedbackViewController::sendFeedbackOK() {
    auto keep = self<TAVOFeedbackViewController>();
    leftNavItemPressed();
    showToastAttachToWindow(CustomizedHUDTypeInfo, TAVOLocalizedString("ok to send feedback"), true);
}

void TAVOFeedbackViewController::sendFeedbackNG(const TAVOErrorPtr& error) {
    std::string message = getErrMsgFromObject(error);
    if (message.empty()) message = TAVOLocalizedString("fail to send feedback");
    showToast(CustomizedHUDTypeWarning, message);
}
