// Registers a new cloud account, with a phone number (the service sends an
// SMS code and the phone step takes over) or with an e-mail address and a
// password (registered from here, with a captcha once the service asks for
// one). After an e-mail registration it stores the account's cookies and
// binds the current router to the account or fetches the routers list,
// then returns to the main tabs.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/TextField.h"
#include "screens/account/TAVOBaseAccountViewController.h"
#include "widgets/SGExtendSegControl.h"

class TAVOArdoAccountRegViewController : public TAVOBaseAccountViewController, public ui::TextFieldDelegate {
public:
    using TAVOBaseAccountViewController::TAVOBaseAccountViewController;
    static std::shared_ptr<TAVOArdoAccountRegViewController> create();

    static constexpr double kMarginX = 30;
    static constexpr double kGap = 15;
    static constexpr double kSegmentHeight = 30;
    static constexpr double kSegmentFontSize = 15;
    static constexpr double kSegmentCorner = 5;
    static constexpr double kRowHeight = 43;
    static constexpr double kFieldInset = 12;
    static constexpr double kCaptchaRowHeight = 40;
    static constexpr double kCaptchaWidth = 75;
    static constexpr double kPhonePartHeight = 107;
    static constexpr double kButtonTitleSize = 16;
    static constexpr double kSwitchSeconds = 0.2;
    static constexpr const char* kSegmentSelectedImage = "bg_reg_segment_select";
    static constexpr const char* kSegmentImage = "StartViewResources.bundle/Images/videoshow/channel_normal.png";
    static constexpr const char* kCaptchaPlaceholder = "请输入验证码";
    static constexpr const char* kCaptchaPromptText = "需要输入验证码";
    static constexpr const char* kCaptchaAgainText = "请重新输入验证码";

    int currentSegControlIndex() const { return currentSegControlIndex_; }
    bool isShowingCaptcha() const { return showCaptcha_; }
    const std::string& codeSC() const { return codeSC_; }
    const std::shared_ptr<SGExtendSegControl>& segmentControl() const { return segmentControl_; }
    const ui::ViewPtr& phoneNumberRegView() const { return phoneNumberRegView_; }
    const ui::ViewPtr& emailRegView() const { return emailRegView_; }
    const ui::TextFieldPtr& phoneNumberInput() const { return phoneNumberInput_; }
    const ui::ButtonPtr& nextStep() const { return nextStep_; }
    const ui::TextFieldPtr& emailInput() const { return emailInput_; }
    const ui::TextFieldPtr& pswForEmailRegInput() const { return pswForEmailRegInput_; }
    const ui::TextFieldPtr& authCodeField() const { return authCodeField_; }
    const ui::ImageViewPtr& codeImageView() const { return codeImageView_; }
    const ui::ButtonPtr& completeReg() const { return completeReg_; }

    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void segmentControlValueChange();
    void doNextStep();
    void submitEmailReg();
    void tapCodeImage();

    void sendSmsCodeOK() override;
    void regOK() override;
    void showCaptcha() override;
    void bindOK() override;
    void bindNG() override;
    void routersListOK() override;
    void routersListNG() override;

    bool textFieldShouldReturn(ui::TextField& field) override;

private:
    cg::Rect partFrame(double height) const;
    void buildPhonePart();
    void buildEmailPart();
    void getAuthCode(const cg::Size& size);
    void authCodeResultOK(const ns::NotificationPtr& notification);
    void endAuthCodeRequest();

    std::shared_ptr<SGExtendSegControl> segmentControl_;
    int currentSegControlIndex_ = 0;
    ui::ViewPtr phoneNumberRegView_;
    ui::ViewPtr emailRegView_;
    ui::TextFieldPtr phoneNumberInput_;
    ui::ButtonPtr nextStep_;
    ui::TextFieldPtr emailInput_;
    ui::TextFieldPtr pswForEmailRegInput_;
    ui::TextFieldPtr authCodeField_;
    ui::ImageViewPtr codeImageView_;
    ui::ButtonPtr completeReg_;
    bool showCaptcha_ = false;
    bool keyboardGiven_ = false;
    std::string codeSC_;
    std::string cachedEmailName_;
    std::string cachedPassword_;
    ns::ScopedObserver authCodeOKObserver_;
    ns::ScopedObserver authCodeNGObserver_;
};
