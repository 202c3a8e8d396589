#include "screens/account/TAVOBaseAccountViewController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOViewControllerState.h"
#include "management/account/TAVOZARAdapter.h"
#include "management/facade/TAVOAccountManager.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORouterBindToAccountRequest.h"
#include "protocol/requests/catalogue/TAVORoutersListRequest.h"

void TAVOBaseAccountViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    listenToBindAndList();
}

void TAVOBaseAccountViewController::listenToBindAndList() {
    std::weak_ptr<TAVOBaseAccountViewController> weak = self<TAVOBaseAccountViewController>();
    TAVORequestAnswers::listen<TAVORouterBindToAccountRequest>(
        self<TAVOBaseAccountViewController>(),
        [weak](const ns::Value& result, const ns::Dictionary&) {
            auto screen = weak.lock();
            if (!screen) return;
            // The bound router, as the router reported it, becomes the
            // account's current router.
            if (auto router = result.as<TAVORouterModel>()) {
                router->isManagedByArdoAccount = true;
                TAVOAccountManager::shareInstance()->setCurrentRouter(router);
            }
            screen->bindOK();
        },
        [weak](const TAVOErrorPtr&, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->bindNG();
        });
    TAVORequestAnswers::listen<TAVORoutersListRequest>(
        self<TAVOBaseAccountViewController>(),
        [weak](const ns::Value&, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->routersListOK();
        },
        [weak](const TAVOErrorPtr&, const ns::Dictionary&) {
            if (auto screen = weak.lock()) screen->routersListNG();
        });
}

void TAVOBaseAccountViewController::gotoMainViewController() { TAVOViewControllerState::backToTabViewController(); }

void TAVOBaseAccountViewController::showError(const std::optional<std::string>& text) {
    if (text && !text->empty()) {
        showToast(CustomizedHUDTypeWarning, *text);
        return;
    }
    showToast(CustomizedHUDTypeWarning, TAVOLocalizedString(kFailToSendKey));
}

std::optional<std::string> TAVOBaseAccountViewController::getErrMsg(const ns::NotificationPtr& notification) {
    if (!notification || notification->userInfo().empty()) return std::nullopt;
    const ns::Value msg = notification->userInfo()["msg"];
    if (msg.isNilOrNull()) return std::nullopt;
    return msg.stringValue();
}

ns::ScopedObserver TAVOBaseAccountViewController::observe(const char* name, Handler handler) {
    std::weak_ptr<TAVOBaseAccountViewController> weak = self<TAVOBaseAccountViewController>();
    auto center = ns::NotificationCenter::defaultCenter();
    return ns::ScopedObserver(center, center->addObserverForName(name, {}, nullptr,
                                                                 [weak, handler](const ns::NotificationPtr& n) {
                                                                     if (auto screen = weak.lock())
                                                                         ((*screen).*handler)(n);
                                                                 }));
}

void TAVOBaseAccountViewController::startRequest(const std::optional<std::string>& refusal, AnswerPair& pair,
                                                 const char* okName, Handler okHandler, const char* ngName,
                                                 Handler ngHandler) {
    if (refusal) {
        // The facade's own text names the field; the screens say only that
        // nothing was sent.
        showError(TAVOLocalizedString(kFailToSendKey));
        return;
    }
    showToast(CustomizedHUDTypeSpinningCircle, TAVOLocalizedString(kSendingKey));
    pair.ok = observe(okName, okHandler);
    pair.ng = observe(ngName, ngHandler);
}

void TAVOBaseAccountViewController::requestSmsCode(const std::string& phoneNumber) {
    startRequest(TAVOAccountManager::shareInstance()->requestRegSmsCode(phoneNumber), smsCode_,
                 kZARSmsCodeRegOKNotification, &TAVOBaseAccountViewController::smsCodeSendResultOK,
                 kZARSmsCodeRegNGNotification, &TAVOBaseAccountViewController::smsCodeSendResultNG);
}

void TAVOBaseAccountViewController::submitEmailReg(const std::string& email, const std::string& psw) {
    startRequest(TAVOAccountManager::shareInstance()->regUsingEmail(email, psw), emailReg_,
                 kZAREmailRegOKNotification, &TAVOBaseAccountViewController::emailRegResultOK,
                 kZAREmailRegNGNotification, &TAVOBaseAccountViewController::emailRegResultNG);
}

void TAVOBaseAccountViewController::submitEmailReg(const std::string& email, const std::string& psw,
                                                   const std::string& code, const std::string& sc) {
    startRequest(TAVOAccountManager::shareInstance()->regUsingEmailWithCode(email, psw, code, sc), emailReg_,
                 kZAREmailRegOKNotification, &TAVOBaseAccountViewController::emailRegResultOK,
                 kZAREmailRegNGNotification, &TAVOBaseAccountViewController::emailRegResultNG);
}

void TAVOBaseAccountViewController::submitPhoneReg(const std::string& phoneNumber, const std::string& smsCode,
                                                   const std::string& psw) {
    startRequest(TAVOAccountManager::shareInstance()->regUsingPhoneNumber(phoneNumber, psw, smsCode), phoneReg_,
                 kZARPhoneNumberRegOKNotification, &TAVOBaseAccountViewController::phoneRegResultOK,
                 kZARPhoneNumberNGNotification, &TAVOBaseAccountViewController::phoneRegResultNG);
}

void TAVOBaseAccountViewController::smsCodeSendResultOK(const ns::NotificationPtr&) {
    dismissToast();
    smsCode_.reset();
    sendSmsCodeOK();
}

void TAVOBaseAccountViewController::smsCodeSendResultNG(const ns::NotificationPtr& notification) {
    showError(getErrMsg(notification));
    smsCode_.reset();
}

void TAVOBaseAccountViewController::emailRegResultOK(const ns::NotificationPtr&) {
    emailReg_.reset();
    regOK();
}

void TAVOBaseAccountViewController::emailRegResultNG(const ns::NotificationPtr& notification) {
    const auto message = getErrMsg(notification);
    emailReg_.reset();
    if (message && isCaptchaDemand(*message)) {
        showCaptcha();
        return;
    }
    showError(message);
}

void TAVOBaseAccountViewController::phoneRegResultOK(const ns::NotificationPtr&) {
    phoneReg_.reset();
    regOK();
}

void TAVOBaseAccountViewController::phoneRegResultNG(const ns::NotificationPtr& notification) {
    showError(getErrMsg(notification));
    phoneReg_.reset();
}

void TAVOBaseAccountViewController::bindRemoteRouter() {
    if (TAVOAccountManager::shareInstance()->bindRouter() < 0) bindNG();
}

void TAVOBaseAccountViewController::requestRoutersList() {
    if (TAVOAccountManager::shareInstance()->requestRoutersList() < 0) routersListNG();
}

void TAVOBaseAccountViewController::removeAllRegistrations() {
    TAVORequestAnswers::stopListening<TAVORouterBindToAccountRequest>(this);
    TAVORequestAnswers::stopListening<TAVORoutersListRequest>(this);
    smsCode_.reset();
    emailReg_.reset();
    phoneReg_.reset();
}
