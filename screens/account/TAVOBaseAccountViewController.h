// The common base of the registration screens: it talks to the facade for
// the three registration requests (send an SMS code, register by e-mail,
// register by phone), for binding the current router to the new account and
// for fetching the account's routers list, and turns every answer into one
// of the hooks below, which the concrete screens override.
//
// A registration request's two answers are heard once: the first answer of
// either kind ends both registrations. The bind and list answers are heard
// from the view's load until the screen goes (or removeAllRegistrations).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/NotificationCenter.h"
#include "widgets/TAVOBaseViewController.h"

class TAVOBaseAccountViewController : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;

    static constexpr const char* kFailToSendKey = "fail to send request";
    static constexpr const char* kSendingKey = "send request in progress";
    // The service's texts for a captcha it wants, and one typed wrong.
    static constexpr const char* kCaptchaRequiredText = "需要显示验证码";
    static constexpr const char* kCaptchaWrongText = "验证码错误";
    static bool isCaptchaDemand(const std::string& message) {
        return message == kCaptchaRequiredText || message == kCaptchaWrongText;
    }

    void viewDidLoad() override;

    // Hooks, empty here.
    virtual void sendSmsCodeOK() {}
    virtual void regOK() {}
    virtual void showCaptcha() {}
    virtual void bindOK() {}
    virtual void bindNG() {}
    virtual void routersListOK() {}
    virtual void routersListNG() {}

    // Back to the main tab screen.
    void gotoMainViewController();
    // A warning toast with the text, or with "fail to send request" when
    // there is none.
    void showError(const std::optional<std::string>& text);
    // "msg" of the notification's user info; nothing without user info.
    static std::optional<std::string> getErrMsg(const ns::NotificationPtr& notification);

    void requestSmsCode(const std::string& phoneNumber);
    void submitEmailReg(const std::string& email, const std::string& psw);
    void submitEmailReg(const std::string& email, const std::string& psw, const std::string& code,
                        const std::string& sc);
    void submitPhoneReg(const std::string& phoneNumber, const std::string& smsCode, const std::string& psw);

    // Request 7 for the current router; a refusal calls bindNG at once.
    void bindRemoteRouter();
    // Request 0; without a signed-in account routersListNG at once.
    void requestRoutersList();

    // Ends every registration of the screen: the bind and list answers and
    // any registration request still waiting.
    void removeAllRegistrations();

    // Whether a registration request of that kind waits for its answer.
    bool isWaitingForSmsCode() const { return smsCode_.waiting(); }
    bool isWaitingForEmailReg() const { return emailReg_.waiting(); }
    bool isWaitingForPhoneReg() const { return phoneReg_.waiting(); }

private:
    // The two registrations of one request, ended together.
    struct AnswerPair {
        ns::ScopedObserver ok;
        ns::ScopedObserver ng;
        bool waiting() const { return ok.token() != nullptr; }
        void reset() {
            ok.reset();
            ng.reset();
        }
    };
    using Handler = void (TAVOBaseAccountViewController::*)(const ns::NotificationPtr&);
    // Runs the facade call; a refusal shows the error, a sent request the
    // progress toast and registers the pair.
    void startRequest(const std::optional<std::string>& refusal, AnswerPair& pair, const char* okName,
                      Handler okHandler, const char* ngName, Handler ngHandler);
    ns::ScopedObserver observe(const char* name, Handler handler);

    void smsCodeSendResultOK(const ns::NotificationPtr& notification);
    void smsCodeSendResultNG(const ns::NotificationPtr& notification);
    void emailRegResultOK(const ns::NotificationPtr& notification);
    void emailRegResultNG(const ns::NotificationPtr& notification);
    void phoneRegResultOK(const ns::NotificationPtr& notification);
    void phoneRegResultNG(const ns::NotificationPtr& notification);
    void listenToBindAndList();

    AnswerPair smsCode_;
    AnswerPair emailReg_;
    AnswerPair phoneReg_;
};
