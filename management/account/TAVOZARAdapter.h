// Between the account facade and the account-service client: checks the
// user's input, sends the account requests, keeps the signed-in account and
// tells the screens every outcome by one notification on the default centre
// (no object; user info "msg", a text for the user, and "data", the result).
//
// Request operations return a text when they refuse the input (nothing is
// sent, nothing is posted) and nullopt when the request went out. All of it
// runs on the main thread.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/records/TAVOAccountModel.h"
#include "management/account/KXHttpOperation.h"
#include "management/account/ZARClentInfoProvider.h"
#include "management/account/ZARERequest.h"

// Outcome notifications.
inline constexpr const char* kZARLoginOKNotification = "zar login ok notification";
inline constexpr const char* kZARLoginNGNotification = "zar login ng notification";
inline constexpr const char* kZARAutoLoginOKNotification = "zar auto login ok notification";
inline constexpr const char* kZARAutoLoginNGNotification = "zar auto login ng notification";
inline constexpr const char* kZAREmailRegOKNotification = "zar email reg ok notification";
inline constexpr const char* kZAREmailRegNGNotification = "zar email reg ng notification";
inline constexpr const char* kZARSmsCodeRegOKNotification = "zar sms code reg ok notification";
inline constexpr const char* kZARSmsCodeRegNGNotification = "zar sms code reg ng notification";
inline constexpr const char* kZARPhoneNumberRegOKNotification = "zar phone number reg ok notification";
inline constexpr const char* kZARPhoneNumberNGNotification = "zar phone number ng notification";
inline constexpr const char* kEmailAuthCodeOKNotification = "email auth code ok notification";
inline constexpr const char* kEmailAuthCodeNGNotification = "email auth code ng notification";

class TAVOZARAdapter : public ns::Object, public ZARClentInfoProvider {
public:
    static std::shared_ptr<TAVOZARAdapter> create();

    // Sign-in; the second form sends a typed captcha and its session code.
    std::optional<std::string> login(const std::string& userName, const std::string& psw);
    std::optional<std::string> loginPswWithCodeWithSC(const std::string& userName, const std::string& psw,
                                                      const std::string& code, const std::string& sc);
    // Sign-in with the stored cookies; both must be non-empty.
    std::optional<std::string> autoLogin(const std::string& q, const std::string& t);
    std::optional<std::string> regUsingEmail(const std::string& email, const std::string& psw);
    std::optional<std::string> regUsingEmailPswWithCodeWithSC(const std::string& email, const std::string& psw,
                                                              const std::string& code, const std::string& sc);
    std::optional<std::string> requestRegSmsCode(const std::string& phoneNumber);
    std::optional<std::string> regUsingPhoneNumber(const std::string& phoneNumber, const std::string& psw,
                                                   const std::string& smsCode);
    // A captcha image of the given size (points).
    void getZARAuthCode(double width, double height);

    // Signs out (sends nothing).
    void quitZAR() { accountData_.reset(); }
    const std::shared_ptr<TAVOAccountModel>& accountData() const { return accountData_; }

    // The text for the user of a client error.
    static std::string getErrMsgFromErr(const ns::ErrorPtr& error);

    using ResultHandler = void (TAVOZARAdapter::*)(const ns::ObjectPtr& operation);
    // Sends the request on a new operation whose completion calls `callback`
    // on this adapter (never once the adapter has gone).
    std::shared_ptr<KXHttpOperation> sendRequest(const std::shared_ptr<ZARERequest>& request, ResultHandler callback);

    // Result handlers, called with the finished operation.
    void loginResult(const ns::ObjectPtr& operation);
    void autoLoginResult(const ns::ObjectPtr& operation);
    void regUsingEmailResult(const ns::ObjectPtr& operation);
    void reqRegSmsCodeResult(const ns::ObjectPtr& operation);
    void regUsingPhoneNumberResult(const ns::ObjectPtr& operation);
    void reqZARAuthCodeResult(const ns::ObjectPtr& operation);

    // ZARClentInfoProvider. The keys are deployment values
    // ("AccountServiceSigKey", "AccountServiceDesKey").
    std::string clientVersion() const override { return "1.0"; }
    std::string clientSigKey() const override;
    std::string clientDesKey() const override;
    std::string clientId() const override { return "vav_router_ios"; }

    static constexpr const char* kDefaultSigKey = "kb7s1gk3y";
    static constexpr const char* kDefaultDesKey = "kbd3sk3y";

    std::string className() const override { return "TAVOZARAdapter"; }

protected:
    TAVOZARAdapter() = default;

private:
    // Sign-in and registration results: success signs the account in.
    void accountResult(const ns::ObjectPtr& operation, const char* okName, const char* ngName,
                       const std::string& okText, const std::string& failText);

    std::shared_ptr<TAVOAccountModel> accountData_;
};
