// The emulated user-account service: GET /api.php?parad=...&from=..., the
// parameters decrypted and their signature checked, answering
// UserIntf.getCaptcha (a PNG, its session code in header "sc"),
// UserIntf.login (cookies Q and T as two Set-Cookie headers; after repeated
// failures a captcha is demanded), CommonAccount.getUserInfo (by Cookie),
// CommonAccount.register (e-mail, or phone with the SMS code) and
// CommonAccount.sendSmsCode. Accounts live in an AccountDirectory that the
// emulated cloud can share. Faults go through server().setFault("/api.php").
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "emulator/AccountDirectory.h"
#include "emulator/AccountWire.h"
#include "emulator/HttpServer.h"

namespace emulator {

class AccountService {
public:
    struct Options {
        // Served over HTTPS, as the real service is; plain HTTP only where a
        // test looks at the wire itself.
        bool https = true;
        Identity identity = Identity::Server;  // the certificate it presents (ForeignServer: an impostor)
        std::string sigKey = "kb7s1gk3y";
        std::string desKey = "kbd3sk3y";
        std::string clientId = "vav_router_ios";
        int failuresBeforeCaptcha = 2;  // failed sign-ins of a name before a captcha is demanded
    };

    // The service's answers ("errno", "errmsg").
    enum Errno {
        kBadRequest = 1000,       // parad unreadable, wrong client
        kBadSignature = 1001,
        kUnknownMethod = 1002,
        kWrongPassword = 1003,
        kCaptchaRequired = 1010,  // errmsg "需要显示验证码"
        kCaptchaWrong = 1011,     // errmsg "验证码错误"
        kNotSignedIn = 1020,
        kAccountExists = 1030,
        kSmsCodeWrong = 1031,
        kMissingAccount = 1040,
    };
    static constexpr const char* kCaptchaRequiredText = "需要显示验证码";
    static constexpr const char* kCaptchaWrongText = "验证码错误";

    explicit AccountService(std::shared_ptr<AccountDirectory> accounts = std::make_shared<AccountDirectory>());
    AccountService(std::shared_ptr<AccountDirectory> accounts, Options options);

    bool start() { return server_.start(); }
    void stop() { server_.stop(); }
    // "https://127.0.0.1:<port>/api.php".
    std::string endpointURL() const { return server_.url("/api.php"); }

    // The deployment values that point the application's account client at
    // this service: its endpoint, and the CA file its certificate chains to
    // (the client's trust accepts that CA only when a deployment names it).
    static constexpr const char* kURLVariable = "KEELBOX_ACCOUNT_SERVICE_URL";
    static constexpr const char* kCAFileVariable = "KEELBOX_ACCOUNT_SERVICE_CA_FILE";
    // The test root CA (PEM) that signs the service's own certificate.
    static std::string caFilePath();
    // Sets both variables in this process's environment.
    void exportDeploymentValues() const;
    // Removes both again.
    static void clearDeploymentValues();
    HttpServer& server() { return server_; }
    AccountDirectory& accounts() { return *accounts_; }
    const std::shared_ptr<AccountDirectory>& sharedAccounts() const { return accounts_; }

    // The code a captcha shows, by its session code.
    std::optional<std::string> captchaCode(const std::string& sc) const;
    // The last SMS code sent to a phone number.
    std::optional<std::string> smsCode(const std::string& phone) const;
    // Writes "errno" as text ("1003") instead of a number.
    void setErrnoAsText(bool asText);
    // E-mail registrations must carry a captcha: one without it is refused
    // with kCaptchaRequired, one with a wrong answer with kCaptchaWrong.
    void setCaptchaForEmailRegistration(bool required);
    // The code of the captcha served last, as a person reads it off the
    // picture; nothing before the first.
    std::optional<std::string> lastCaptchaCode() const;

    // Every call as decoded: its method and parameters.
    struct Call {
        std::string method;
        WireParams params;
        bool signatureValid = false;
        std::string plainText;
    };
    std::vector<Call> calls() const;

private:
    void handle(const LoggedRequest& request, Reply& reply);
    void answer(Reply& reply, int code, const std::string& message, const Account* user = nullptr);
    void signInReply(Reply& reply, const Account& account);
    void login(const WireParams& params, Reply& reply);
    void getCaptcha(const WireParams& params, Reply& reply);
    void getUserInfo(const LoggedRequest& request, Reply& reply);
    void registerAccount(const WireParams& params, Reply& reply);
    void sendSmsCode(const WireParams& params, Reply& reply);

    std::shared_ptr<AccountDirectory> accounts_;
    Options options_;
    HttpServer server_;
    mutable std::mutex mutex_;
    std::map<std::string, std::string> captchas_;  // sc -> code
    std::map<std::string, std::string> smsCodes_;  // phone -> code
    std::map<std::string, int> failures_;          // name -> failed sign-ins
    std::vector<Call> calls_;
    bool errnoAsText_ = false;
    bool captchaForEmailRegistration_ = false;
    std::optional<std::string> lastCaptchaCode_;
    int counter_ = 0;
};

}  // namespace emulator
