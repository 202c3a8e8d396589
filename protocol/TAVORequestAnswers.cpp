#include "protocol/TAVORequestAnswers.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "protocol/TAVODataProviderCommon.h"

namespace {

std::string baseName(const std::string& requestClassName) {
    return TAVODataProviderCommon::shareInstance()->notificationBase(requestClassName);
}

// The one place where a request's base name becomes its answer names.
std::string answerName(const std::string& requestClassName, const char* suffix) {
    return baseName(requestClassName) + suffix;
}

}  // namespace

std::string TAVORequestAnswers::succeededName(const std::string& requestClassName) {
    return answerName(requestClassName, "_OK");
}

std::string TAVORequestAnswers::failedName(const std::string& requestClassName) {
    return answerName(requestClassName, "_NG");
}

void TAVORequestAnswers::listen(const std::string& requestClassName, const ns::ObjectPtr& owner, Succeeded succeeded,
                                Failed failed) {
    if (!owner || baseName(requestClassName).empty()) return;
    const std::string ok = succeededName(requestClassName), ng = failedName(requestClassName);
    auto center = ns::NotificationCenter::defaultCenter();
    if (succeeded) {
        center->addObserver(
            owner, [succeeded](const ns::NotificationPtr& n) { succeeded(n->object(), n->userInfo()); }, ok);
    }
    if (failed) {
        center->addObserver(
            owner, [failed](const ns::NotificationPtr& n) { failed(failureOf(n->object()), n->userInfo()); }, ng);
    }
}

void TAVORequestAnswers::stopListening(const std::string& requestClassName, const ns::Object* owner) {
    if (!owner || baseName(requestClassName).empty()) return;
    auto center = ns::NotificationCenter::defaultCenter();
    center->removeObserver(owner, succeededName(requestClassName));
    center->removeObserver(owner, failedName(requestClassName));
}

TAVOErrorPtr TAVORequestAnswers::failureOf(const ns::Value& object) {
    if (auto error = object.as<TAVOError>()) return error;
    auto error = object.as<ns::Error>();
    if (!error) return nullptr;
    auto errors = TAVOErrorSystemManager::sharedManager();
    return error->domain() == ns::kURLErrorDomain ? errors->transferSystemError(error)
                                                  : errors->transferRouterError(error);
}

TAVOErrorPtr TAVORequestAnswers::refusalError(int code) {
    return TAVOError::errorWithType(TAVOErrorTypeParse, code, TAVOLocalizedString("architecture error param invalid"),
                                    ns::Error::create("domain tavo", code));
}

std::int32_t TAVORequestAnswers::deliverRefusal(std::int32_t result, const ns::ObjectPtr& owner, Failed failed) {
    if (result != kTAVONothingSent || !failed) return result;
    std::weak_ptr<ns::Object> weakOwner = owner;
    dispatch::Queue::main()->async([weakOwner, failed] {
        auto alive = weakOwner.lock();
        if (alive) failed(refusalError(kTAVONothingSent), {});
    });
    return result;
}
