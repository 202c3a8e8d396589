#include "emulator/AccountService.h"

#include <cstdlib>

#include "emulator/CaptchaImage.h"
#include "platform/foundation/JSONSerialization.h"
#include "platform/foundation/Value.h"

namespace emulator {
namespace {

// A cookie of a Cookie header ("Q=...; T=..."), matched at a cookie's start.
std::string cookieValue(const std::string& header, const std::string& name) {
    std::size_t start = 0;
    while (start < header.size()) {
        std::size_t end = header.find(';', start);
        if (end == std::string::npos) end = header.size();
        std::string piece = header.substr(start, end - start);
        std::size_t first = piece.find_first_not_of(' ');
        if (first != std::string::npos && piece.compare(first, name.size() + 1, name + "=") == 0) {
            return piece.substr(first + name.size() + 1);
        }
        start = end + 1;
    }
    return {};
}

ns::Value userValue(const Account& a) {
    return ns::Value::dictionary({{"qid", a.qid},
                                  {"username", a.username},
                                  {"nickname", a.nickname},
                                  {"head_pic", a.headPic},
                                  {"loginemail", a.loginEmail}});
}

}  // namespace

AccountService::AccountService(std::shared_ptr<AccountDirectory> accounts)
    : AccountService(std::move(accounts), Options{}) {}

AccountService::AccountService(std::shared_ptr<AccountDirectory> accounts, Options options)
    : accounts_(std::move(accounts)), options_(std::move(options)), server_(HttpServer::Options{.https = options_.https, .identity = options_.identity}) {
    server_.route("GET", "/api.php", [this](const LoggedRequest& request, Reply& reply) { handle(request, reply); });
}

std::string AccountService::caFilePath() { return TestPKI::path("root-ca", "pem"); }

void AccountService::exportDeploymentValues() const {
    ::setenv(kURLVariable, endpointURL().c_str(), 1);
    ::setenv(kCAFileVariable, caFilePath().c_str(), 1);
}

void AccountService::clearDeploymentValues() {
    ::unsetenv(kURLVariable);
    ::unsetenv(kCAFileVariable);
}

std::optional<std::string> AccountService::captchaCode(const std::string& sc) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (auto found = captchas_.find(sc); found != captchas_.end()) return found->second;
    return std::nullopt;
}

std::optional<std::string> AccountService::smsCode(const std::string& phone) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (auto found = smsCodes_.find(phone); found != smsCodes_.end()) return found->second;
    return std::nullopt;
}

void AccountService::setErrnoAsText(bool asText) {
    std::lock_guard<std::mutex> lock(mutex_);
    errnoAsText_ = asText;
}

void AccountService::setCaptchaForEmailRegistration(bool required) {
    std::lock_guard<std::mutex> lock(mutex_);
    captchaForEmailRegistration_ = required;
}

std::optional<std::string> AccountService::lastCaptchaCode() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastCaptchaCode_;
}

std::vector<AccountService::Call> AccountService::calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

void AccountService::answer(Reply& reply, int code, const std::string& message, const Account* user) {
    bool asText;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        asText = errnoAsText_;
    }
    ns::Value body = ns::Value::dictionary(
        {{"errno", asText ? ns::Value(std::to_string(code)) : ns::Value(code)}, {"errmsg", message}});
    if (user) body.mutableDictionary().set("user", userValue(*user));
    reply.status = 200;
    reply.contentType = "application/json; charset=utf-8";
    reply.body = ns::JSONSerialization::dataWithJSONObject(body).value_or(ns::Data()).toString();
}

void AccountService::signInReply(Reply& reply, const Account& account) {
    auto signedIn = accounts_->signIn(account.qid);
    if (!signedIn) return answer(reply, kMissingAccount, "no such account");
    reply.headers.emplace_back("Set-Cookie", "Q=" + signedIn->q + "; path=/");
    reply.headers.emplace_back("Set-Cookie", "T=" + signedIn->t + "; path=/; HttpOnly");
    answer(reply, 0, "", &*signedIn);
}

void AccountService::handle(const LoggedRequest& request, Reply& reply) {
    auto parad = request.field("parad");
    std::optional<DecodedParad> decoded;
    if (parad && request.field("from") == options_.clientId) decoded = decodeParad(*parad, options_.desKey);
    if (!decoded) return answer(reply, kBadRequest, "bad request");
    bool signatureValid = signatureMatches(*decoded, options_.sigKey);
    std::string method = paramValue(decoded->params, "method");
    {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back({method, decoded->params, signatureValid, decoded->plainText});
    }
    if (!signatureValid) return answer(reply, kBadSignature, "sig error");
    const WireParams& params = decoded->params;
    if (method == "UserIntf.getCaptcha") return getCaptcha(params, reply);
    if (method == "UserIntf.login") return login(params, reply);
    if (method == "CommonAccount.getUserInfo") return getUserInfo(request, reply);
    if (method == "CommonAccount.register") return registerAccount(params, reply);
    if (method == "CommonAccount.sendSmsCode") return sendSmsCode(params, reply);
    answer(reply, kUnknownMethod, "unknown method");
}

void AccountService::getCaptcha(const WireParams& params, Reply& reply) {
    std::string sc, code;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++counter_;
        sc = "sc" + std::to_string(counter_) + "x" + std::to_string(counter_ * 7919 % 10007);
        code = std::to_string(1000 + counter_ * 37 % 9000);
        captchas_[sc] = code;
        lastCaptchaCode_ = code;
    }
    int width = static_cast<int>(std::atof(paramValue(params, "width").c_str()));
    int height = static_cast<int>(std::atof(paramValue(params, "height").c_str()));
    reply.status = 200;
    reply.contentType = "image/png";
    reply.headers.emplace_back("sc", sc);
    reply.body = captchaPNG(code, width > 0 ? width : 80, height > 0 ? height : 30);
}

void AccountService::login(const WireParams& params, Reply& reply) {
    std::string name = paramValue(params, "username");
    int failures;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        failures = failures_[name];
    }
    if (failures >= options_.failuresBeforeCaptcha) {
        std::string sc = paramValue(params, "sc");
        std::string uc = paramValue(params, "uc");
        if (sc.empty() || uc.empty()) return answer(reply, kCaptchaRequired, kCaptchaRequiredText);
        bool right;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            auto found = captchas_.find(sc);
            right = found != captchas_.end() && found->second == uc;
            if (found != captchas_.end()) captchas_.erase(found);  // a captcha is good for one try
        }
        if (!right) return answer(reply, kCaptchaWrong, kCaptchaWrongText);
    }
    auto account = accounts_->find(name);
    if (!account || account->passwordMd5 != paramValue(params, "password")) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ++failures_[name];
        }
        return answer(reply, kWrongPassword, "wrong user name or password");
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        failures_.erase(name);
    }
    signInReply(reply, *account);
}

void AccountService::getUserInfo(const LoggedRequest& request, Reply& reply) {
    std::string cookie = request.header("Cookie").value_or("");
    auto account = accounts_->accountForCookies(cookieValue(cookie, "Q"), cookieValue(cookie, "T"));
    if (!account) return answer(reply, kNotSignedIn, "login expired");
    answer(reply, 0, "", &*account);
}

void AccountService::registerAccount(const WireParams& params, Reply& reply) {
    std::string name = paramValue(params, "account");
    std::string type = paramValue(params, "type");
    if (name.empty()) return answer(reply, kMissingAccount, "account missing");
    if (type == "2") {
        auto expected = smsCode(name);
        if (!expected || *expected != paramValue(params, "smscode")) return answer(reply, kSmsCodeWrong, "sms code error");
    }
    std::string sc = paramValue(params, "sc");
    bool captchaRequired;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        captchaRequired = captchaForEmailRegistration_ && type != "2";
    }
    if (captchaRequired && sc.empty()) return answer(reply, kCaptchaRequired, kCaptchaRequiredText);
    if (!sc.empty()) {
        auto code = captchaCode(sc);
        if (!code || *code != paramValue(params, "uc")) return answer(reply, kCaptchaWrong, kCaptchaWrongText);
    }
    auto qid = type == "2" ? accounts_->addAccountWithPasswordMd5(name, paramValue(params, "password"), {}, name)
                           : accounts_->addAccountWithPasswordMd5(name, paramValue(params, "password"), name);
    if (!qid) return answer(reply, kAccountExists, "account exists");
    if (type == "2") {
        std::lock_guard<std::mutex> lock(mutex_);
        smsCodes_.erase(name);  // used up
    }
    signInReply(reply, *accounts_->find(name));
}

void AccountService::sendSmsCode(const WireParams& params, Reply& reply) {
    std::string phone = paramValue(params, "account");
    if (phone.empty()) return answer(reply, kMissingAccount, "account missing");
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++counter_;
        smsCodes_[phone] = std::to_string(100000 + counter_ * 7919 % 900000);
    }
    answer(reply, 0, "");
}

}  // namespace emulator
