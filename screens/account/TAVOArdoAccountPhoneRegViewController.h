// The second step of registering with a phone number: the user types the
// SMS code the service sent and a password; the account is registered,
// its cookies stored, the current router bound to it (or the routers list
// fetched) and the main tabs come back. A resend button, locked for 60
// seconds after each code sent, asks for a new code.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "screens/account/TAVOBaseAccountViewController.h"

class TAVOArdoAccountPhoneRegViewController : public TAVOBaseAccountViewController, public ui::TextFieldDelegate {
public:
    using TAVOBaseAccountViewController::TAVOBaseAccountViewController;
    static std::shared_ptr<TAVOArdoAccountPhoneRegViewController> create();

    static constexpr int kResendSeconds = 60;
    static constexpr double kTickSeconds = 1.0;
    static constexpr double kMarginX = 15;
    static constexpr double kTopGap = 25;
    static constexpr double kRowGap = 15;
    static constexpr double kRowHeight = 43;
    static constexpr double kFieldInset = 12;
    static constexpr double kResendWidth = 120;
    static constexpr double kResendGap = 5;
    static constexpr double kButtonTitleSize = 16;
    static constexpr const char* kResendImage = "bg_sms_resend_btn";

    // The resend button's title while it counts: "<resend>  <n> <second>".
    static std::string countDownTitle(int secondsLeft);

    const std::string& phoneNumber() const { return phoneNumber_; }
    // Also shown in the number label.
    void setPhoneNumber(const std::string& number);
    int retainingTime() const { return retainingTime_; }
    const ui::LabelPtr& phoneNumberLabel() const { return phoneNumberLabel_; }
    const ui::TextFieldPtr& smsInput() const { return smsInput_; }
    const ui::TextFieldPtr& pswInput() const { return pswInput_; }
    const ui::ButtonPtr& smsCodeBtn() const { return smsCodeBtn_; }
    const ui::ButtonPtr& completeButton() const { return completeButton_; }

    void viewDidLoad() override;

    void resendSmsCode();
    void submitPhoneReg();
    // One tick of the count-down.
    void updateTimeout();

    void sendSmsCodeOK() override;
    void regOK() override;
    void bindOK() override;
    void bindNG() override;
    void routersListOK() override;
    void routersListNG() override;

    bool textFieldShouldReturn(ui::TextField& field) override;

private:
    std::string phoneNumber_;
    int retainingTime_ = 0;
    ui::LabelPtr phoneNumberLabel_;
    ui::TextFieldPtr smsInput_;
    ui::TextFieldPtr pswInput_;
    ui::ButtonPtr smsCodeBtn_;
    ui::ButtonPtr completeButton_;
    ns::ScopedTimer tick_;
    // Set while the screen has popped itself and still waits for the
    // routers list, so that the answer still brings the user to the tabs.
    std::shared_ptr<TAVOArdoAccountPhoneRegViewController> keptForListAnswer_;
};
