// The feedback form: a text of up to 240 characters and a contact of up to
// 50 (both required), sent with the application, router firmware and
// system versions to the cloud's feedback call.
#pragma once

#include <memory>
#include <string>

#include "core/errors/TAVOError.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Value.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextField.h"
#include "screens/account/TAVOFeedbackInputView.h"
#include "widgets/TAVOBaseViewController.h"

class TAVOFeedbackViewController : public TAVOBaseViewController,
                                   public TAVOFeedbackInputCellDelegate,
                                   public ui::TextFieldDelegate {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVOFeedbackViewController> create() {
        return ui::ViewController::make<TAVOFeedbackViewController>();
    }

    static constexpr std::size_t kMaxContactLength = 50;
    static constexpr double kInputHeight = 168;
    static constexpr double kTopGap = 25;

    // The request's parameters for a feedback text and a contact.
    static ns::Dictionary feedbackParameters(const std::string& feedback, const std::string& contact);

    void viewDidLoad() override;
    void rightNavItemPressed() override { sendFeedback(); }
    void sendFeedback();
    void enableSend();
    void disableSend() {}

    void textViewDidBeginEditing(ui::TextView& textView) override;
    void textViewDidChange(ui::TextView& textView) override;
    void textFieldDidBeginEditing(ui::TextField& field) override;
    bool shouldChangeCharactersInRange(ui::TextField& field, ns::Range range, const std::string& replacement) override;
    bool textFieldShouldReturn(ui::TextField&) override { return true; }

    const std::shared_ptr<ui::ScrollView>& scrollView() const { return scrollView_; }
    const std::shared_ptr<TAVOFeedbackInputView>& inputView() const { return inputView_; }
    const ui::TextFieldPtr& contactField() const { return contactField_; }

private:
    void sendFeedbackOK();
    void sendFeedbackNG(const TAVOErrorPtr& error);
    void keyboardWillShow(const ns::NotificationPtr& notification);
    void keyboardWillHide();
    double scrollTop() const;

    std::shared_ptr<ui::ScrollView> scrollView_;
    std::shared_ptr<TAVOFeedbackInputView> inputView_;
    ui::TextFieldPtr contactField_;
    ns::ScopedObserver keyboardShowObserver_;
    ns::ScopedObserver keyboardHideObserver_;
};
