#include "management/account/TAVOZARAdapter.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/AppInfoUtility.h"
#include "core/crypto/CommonUtility.h"
#include "management/TAVOAuthCodeModel.h"
#include "management/account/ZARECommonAccountRegReq.h"
#include "management/account/ZARECommonAccountSmsCodeRequest.h"
#include "management/account/ZAREGetCaptchaReq.h"
#include "management/account/ZAREGetCaptchaResp.h"
#include "management/account/ZAREUserAutoLoginReq.h"
#include "management/account/ZAREUserIntfLoginReq.h"
#include "management/account/ZAREUserIntfLoginResp.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/NotificationCenter.h"

namespace {

void post(const char* name, ns::Dictionary userInfo) {
    ns::NotificationCenter::defaultCenter()->postNotificationName(name, {}, userInfo);
}

ns::Dictionary message(const std::string& text) { return ns::Dictionary{{"msg", text}}; }

}  // namespace

std::shared_ptr<TAVOZARAdapter> TAVOZARAdapter::create() {
    return std::shared_ptr<TAVOZARAdapter>(new TAVOZARAdapter());
}

std::string TAVOZARAdapter::clientSigKey() const {
    return ns::Bundle::deploymentValue("AccountServiceSigKey", kDefaultSigKey);
}

std::string TAVOZARAdapter::clientDesKey() const {
    return ns::Bundle::deploymentValue("AccountServiceDesKey", kDefaultDesKey);
}

std::shared_ptr<KXHttpOperation> TAVOZARAdapter::sendRequest(const std::shared_ptr<ZARERequest>& request,
                                                             ResultHandler callback) {
    auto operation = KXHttpOperation::create();
    operation->setTarget(weakSelf());
    operation->setCompleteSelector([callback](ns::Object& target, const std::shared_ptr<KXOperation>& op) {
        (static_cast<TAVOZARAdapter&>(target).*callback)(op);
    });
    request->clientInfoProvider = std::static_pointer_cast<ZARClentInfoProvider>(self<TAVOZARAdapter>());
    operation->request = request;
    operation->start();
    return operation;
}

std::optional<std::string> TAVOZARAdapter::login(const std::string& userName, const std::string& psw) {
    return loginPswWithCodeWithSC(userName, psw, {}, {});
}

std::optional<std::string> TAVOZARAdapter::loginPswWithCodeWithSC(const std::string& userName, const std::string& psw,
                                                                  const std::string& code, const std::string& sc) {
    if (CommonUtility::isValidUserName(userName) != 0) return TAVOLocalizedString("the user name is invalid");
    auto request = ZAREUserIntfLoginReq::create();
    request->userName = userName;
    request->password = psw;
    request->uc = code;
    request->sc = sc;
    sendRequest(request, &TAVOZARAdapter::loginResult);
    return std::nullopt;
}

std::optional<std::string> TAVOZARAdapter::autoLogin(const std::string& q, const std::string& t) {
    if (q.empty() || t.empty()) return TAVOLocalizedString("param is not right");
    sendRequest(ZAREUserAutoLoginReq::initWithQ(q, t), &TAVOZARAdapter::autoLoginResult);
    return std::nullopt;
}

std::optional<std::string> TAVOZARAdapter::regUsingEmail(const std::string& email, const std::string& psw) {
    return regUsingEmailPswWithCodeWithSC(email, psw, {}, {});
}

std::optional<std::string> TAVOZARAdapter::regUsingEmailPswWithCodeWithSC(const std::string& email,
                                                                          const std::string& psw,
                                                                          const std::string& code,
                                                                          const std::string& sc) {
    if (CommonUtility::isValidEmail(email) != 0) return TAVOLocalizedString("the email format is invalid");
    if (CommonUtility::isValidPSW(psw) != 0) return TAVOLocalizedString("the password is weak");
    auto request = ZARECommonAccountRegReq::create();
    request->userName = email;
    request->regType = "1";
    request->mid = AppInfoUtility::uniqueueIdentifier();
    request->psw = psw;
    request->uc = code;
    request->sc = sc;
    sendRequest(request, &TAVOZARAdapter::regUsingEmailResult);
    return std::nullopt;
}

std::optional<std::string> TAVOZARAdapter::requestRegSmsCode(const std::string& phoneNumber) {
    if (CommonUtility::isValidPhoneNumber(phoneNumber) != 0) return TAVOLocalizedString("the phone number is invalid");
    auto request = ZARECommonAccountSmsCodeRequest::create();
    request->phoneNumber = phoneNumber;
    request->mid = AppInfoUtility::uniqueueIdentifier();
    sendRequest(request, &TAVOZARAdapter::reqRegSmsCodeResult);
    return std::nullopt;
}

std::optional<std::string> TAVOZARAdapter::regUsingPhoneNumber(const std::string& phoneNumber, const std::string& psw,
                                                               const std::string& smsCode) {
    if (CommonUtility::isValidPhoneNumber(phoneNumber) != 0) return TAVOLocalizedString("the phone number is invalid");
    if (CommonUtility::isValidPSW(psw) != 0) return TAVOLocalizedString("the password is weak");
    if (smsCode.empty()) return TAVOLocalizedString("the smscode is invalid");
    auto request = ZARECommonAccountRegReq::create();
    request->userName = phoneNumber;
    request->regType = "2";
    request->mid = AppInfoUtility::uniqueueIdentifier();
    request->psw = psw;
    request->smsCode = smsCode;
    sendRequest(request, &TAVOZARAdapter::regUsingPhoneNumberResult);
    return std::nullopt;
}

void TAVOZARAdapter::getZARAuthCode(double width, double height) {
    auto request = ZAREGetCaptchaReq::create();
    request->width = width;
    request->height = height;
    sendRequest(request, &TAVOZARAdapter::reqZARAuthCodeResult);
}

std::string TAVOZARAdapter::getErrMsgFromErr(const ns::ErrorPtr& error) {
    if (!error) return TAVOLocalizedString("unknown error");
    if (error->domain() == kZARDomainNetwork) return TAVOLocalizedString("network issue, please try a later");
    if (error->domain() == kZARDomainParser) return TAVOLocalizedString("request is failed");
    if (error->domain() == kZARDomainUserCenter) {
        if (error->code() == 0) return TAVOLocalizedString("ok");
        const ns::Value& text = error->userInfo()["error msg"];
        // A refusal without a text of its own still tells the user it failed.
        return text.isString() ? text.asString() : TAVOLocalizedString("request is failed");
    }
    return TAVOLocalizedString("unknown error");
}

void TAVOZARAdapter::accountResult(const ns::ObjectPtr& argument, const char* okName, const char* ngName,
                                   const std::string& okText, const std::string& failText) {
    auto operation = std::dynamic_pointer_cast<KXHttpOperation>(argument);
    if (!operation || (operation->error() && operation->error()->code() != 0)) {
        post(ngName, message(TAVOLocalizedString(failText)));
        return;
    }
    if (operation->response() && operation->response()->error) {
        post(ngName, message(getErrMsgFromErr(operation->response()->error)));
        return;
    }
    // A reply without account data (or without the session cookies) signs
    // nobody in: an account without a ticket would fail every later request.
    auto reply = std::dynamic_pointer_cast<ZAREUserIntfLoginResp>(operation->response());
    auto account = reply ? TAVOAccountModel::initWithDictionary(reply->userDic) : nullptr;
    if (!reply || !reply->userDic.isDictionary() || account->qt().empty()) {
        post(ngName, message(TAVOLocalizedString(failText)));
        return;
    }
    accountData_ = account;
    ns::Dictionary info = message(TAVOLocalizedString(okText));
    info.set("data", ns::Value(accountData_));
    post(okName, info);
}

void TAVOZARAdapter::loginResult(const ns::ObjectPtr& operation) {
    accountResult(operation, kZARLoginOKNotification, kZARLoginNGNotification, "ok to login", "failed to login");
}

void TAVOZARAdapter::autoLoginResult(const ns::ObjectPtr& operation) {
    accountResult(operation, kZARAutoLoginOKNotification, kZARAutoLoginNGNotification, "ok to login",
                  "failed to login");
}

void TAVOZARAdapter::regUsingEmailResult(const ns::ObjectPtr& operation) {
    accountResult(operation, kZAREmailRegOKNotification, kZAREmailRegNGNotification, "ok to reg", "failed to reg");
}

void TAVOZARAdapter::regUsingPhoneNumberResult(const ns::ObjectPtr& operation) {
    accountResult(operation, kZARPhoneNumberRegOKNotification, kZARPhoneNumberNGNotification, "ok to reg",
                  "failed to reg");
}

void TAVOZARAdapter::reqRegSmsCodeResult(const ns::ObjectPtr& argument) {
    auto operation = std::dynamic_pointer_cast<KXHttpOperation>(argument);
    if (!operation || (operation->error() && operation->error()->code() != 0)) {
        post(kZARSmsCodeRegNGNotification, message(TAVOLocalizedString("failed to req sms code")));
    } else if (operation->response() && operation->response()->error) {
        post(kZARSmsCodeRegNGNotification, message(getErrMsgFromErr(operation->response()->error)));
    } else {
        post(kZARSmsCodeRegOKNotification, message(TAVOLocalizedString("ok to req sms code")));
    }
}

void TAVOZARAdapter::reqZARAuthCodeResult(const ns::ObjectPtr& argument) {
    auto operation = std::dynamic_pointer_cast<KXHttpOperation>(argument);
    if (!operation || (operation->error() && operation->error()->code() != 0)) {
        post(kEmailAuthCodeNGNotification, {});
        return;
    }
    auto reply = std::dynamic_pointer_cast<ZAREGetCaptchaResp>(operation->response());
    if (reply && reply->error) {
        post(kEmailAuthCodeNGNotification, message(getErrMsgFromErr(reply->error)));
        return;
    }
    auto code = TAVOAuthCodeModel::create();
    if (reply) {
        code->sc = reply->sc;
        code->codeImage = reply->image;
    }
    post(kEmailAuthCodeOKNotification, ns::Dictionary{{"data", ns::Value(code)}});
}
