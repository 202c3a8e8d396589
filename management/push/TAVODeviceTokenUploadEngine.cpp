#include "management/push/TAVODeviceTokenUploadEngine.h"

#include "core/app/TAVORouterPreference.h"
#include "core/crypto/AppInfoUtility.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Perform.h"
#include "platform/foundation/Singleton.h"
#include "protocol/TAVOAppInfoProvider.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVOClearDeviceTokenRequest.h"
#include "protocol/requests/catalogue/TAVORegDeviceTokenRequest.h"

namespace {
constexpr const char* kRegName = "doRegDeviceToken";
constexpr const char* kClearName = "doClearDeviceToken";

std::string deviceToken() { return TAVORouterPreference::shareInstance()->deviceToken().value_or(""); }
}  // namespace

std::shared_ptr<TAVODeviceTokenUploadEngine> TAVODeviceTokenUploadEngine::shareInstance() {
    return ns::Singleton<TAVODeviceTokenUploadEngine>::get([] {
        auto engine = std::shared_ptr<TAVODeviceTokenUploadEngine>(new TAVODeviceTokenUploadEngine());
        engine->observeAnswers();
        TAVODeviceTokenUploading::setShared(engine);
        return engine;
    });
}

TAVODeviceTokenUploadEngine::~TAVODeviceTokenUploadEngine() {
    // A scheduled sending keeps the engine alive, so none is left here.
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
}

void TAVODeviceTokenUploadEngine::observeAnswers() {
    auto self = shared_from_this();
    TAVORequestAnswers::listen<TAVORegDeviceTokenRequest>(
        self, [this](const ns::Value&, const ns::Dictionary&) { regAnswered(true); },
        [this](const TAVOErrorPtr&, const ns::Dictionary&) { regAnswered(false); });
    TAVORequestAnswers::listen<TAVOClearDeviceTokenRequest>(
        self, [this](const ns::Value&, const ns::Dictionary&) { clearAnswered(true); },
        [this](const TAVOErrorPtr&, const ns::Dictionary&) { clearAnswered(false); });
}

void TAVODeviceTokenUploadEngine::uploadDeviceTokenWithRouter(const std::vector<std::string>& routerIds) {
    retryRegCount_ = kRetries;
    routerIds_.clear();
    for (const auto& id : routerIds) {
        if (!routerIds_.empty()) routerIds_ += ",";
        routerIds_ += id;
    }
    ns::cancelPreviousPerformRequests(shared_from_this(), kRegName);
    doRegDeviceToken();
}

void TAVODeviceTokenUploadEngine::clearDeviceToken() {
    retryClearCount_ = kRetries;
    ns::cancelPreviousPerformRequests(shared_from_this(), kClearName);
    doClearDeviceToken();
}

void TAVODeviceTokenUploadEngine::doRegDeviceToken() {
    const std::string token = deviceToken();
    if (token.empty() || routerIds_.empty()) return;
    // The answer (or the provider's refusal) comes back as a notification.
    (void)TAVOAccountManager::shareInstance()->regDeviceToken(
        {{"app_id", AppInfoUtility::currentBundleName()},
         {"version", std::to_string(TAVOAppInfoProvider::currentAppVersionCode())},
         {"router_ids", routerIds_},
         {"device_token", token}});
}

void TAVODeviceTokenUploadEngine::doClearDeviceToken() {
    const std::string token = deviceToken();
    if (token.empty()) return;
    (void)TAVOAccountManager::shareInstance()->clearDeviceToken({{"device_token", token}});
}

void TAVODeviceTokenUploadEngine::regAnswered(bool ok) {
    if (ok || retryRegCount_ == 0) {
        retryRegCount_ = 0;
        return;
    }
    --retryRegCount_;
    auto self = shared_from_this();
    ns::cancelPreviousPerformRequests(self, kRegName);
    std::weak_ptr<TAVODeviceTokenUploadEngine> weak = this->self<TAVODeviceTokenUploadEngine>();
    ns::performAfterDelay(self, kRegName, kRetryDelay, [weak] {
        if (auto s = weak.lock()) s->doRegDeviceToken();
    });
}

void TAVODeviceTokenUploadEngine::clearAnswered(bool ok) {
    if (ok || retryClearCount_ == 0) {
        retryClearCount_ = 0;
        return;
    }
    --retryClearCount_;
    auto self = shared_from_this();
    ns::cancelPreviousPerformRequests(self, kClearName);
    std::weak_ptr<TAVODeviceTokenUploadEngine> weak = this->self<TAVODeviceTokenUploadEngine>();
    ns::performAfterDelay(self, kClearName, kRetryDelay, [weak] {
        if (auto s = weak.lock()) s->doClearDeviceToken();
    });
}
