#include "core/errors/TAVOErrorSystemManager.h"

#include <algorithm>

#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Singleton.h"

std::shared_ptr<TAVOErrorSystemManager> TAVOErrorSystemManager::sharedManager() {
    return ns::Singleton<TAVOErrorSystemManager>::get();
}

std::shared_ptr<TAVOErrorSystemManager> TAVOErrorSystemManager::create() {
    return std::shared_ptr<TAVOErrorSystemManager>(new TAVOErrorSystemManager());
}

TAVOErrorPtr TAVOErrorSystemManager::transferRouterError(const ns::ErrorPtr& error) {
    int errcode = error ? static_cast<int>(error->code()) : 0;
    int code = 100000;
    std::string msg;
    switch (errcode) {
        case -1100: code = 100001; msg = TAVOLocalizedString("router is not exist"); break;
        case -1101: code = 100002; msg = TAVOLocalizedString("router is not online"); break;
        case -1102: code = 100003; msg = TAVOLocalizedString("router is not binded"); break;
        case -1002: code = 100004; msg = TAVOLocalizedString("router lost connect"); break;
        case -1009:
        case -1004:
        case -516:
        case -502: code = 100005; msg = TAVOLocalizedString("router don't support the feature"); break;
        case -3001: code = 100006; msg = TAVOLocalizedString("router lost connect"); break;
        case -1018: code = 100008; msg = TAVOLocalizedString("account is locked"); break;
        // The reply parser puts the wrong-password text with the tries left
        // into the domain; it is shown as it stands.
        case -1010: code = 100009; msg = error ? error->domain() : std::string(); break;
        case 11008: code = 100010; msg = TAVOLocalizedString("device not support or not exist"); break;
        case -1021: code = 130001; msg = TAVOLocalizedString("local account error"); break;
        case -1007: code = 160001; msg = TAVOLocalizedString("remote account error"); break;
        default: code = 100000; msg = TAVOLocalizedString("server is exception"); break;
    }
    return TAVOError::errorWithType(TAVOErrorTypeRouter, code, std::move(msg), error);
}

TAVOErrorPtr TAVOErrorSystemManager::transferSystemError(const ns::ErrorPtr& error) {
    int platformCode = error ? static_cast<int>(error->code()) : 0;
    int code = 200000;
    std::string key = "network exception";
    switch (platformCode) {
        case ns::kURLErrorTimedOut: code = 200004; key = "network request timeout"; break;
        case ns::kURLErrorNotConnectedToInternet: code = 200001; break;
        case ns::kURLErrorCannotConnectToHost: code = 200002; break;
        default: break;
    }
    return TAVOError::errorWithType(TAVOErrorTypeSystem, code, TAVOLocalizedString(key), error);
}

TAVOErrorPtr TAVOErrorSystemManager::getErrorOfType(int type, int code, std::string msg) {
    return TAVOError::errorWithType(type, code, std::move(msg), nullptr);
}

void TAVOErrorSystemManager::registeHandler(TAVOErrorHandlerPtr handler, int priority) {
    if (!handler) return;
    auto& list = errorHandlerContainer_[priority];
    list.insert(list.begin(), std::move(handler));
}

void TAVOErrorSystemManager::registeHandlers(const std::vector<TAVOErrorHandlerPtr>& handlers) {
    for (const auto& h : handlers) registeHandler(h);
}

void TAVOErrorSystemManager::unRegisteHandler(const TAVOErrorHandlerPtr& handler) {
    // Only this handler leaves: the other handlers of its priority stay.
    for (auto it = errorHandlerContainer_.begin(); it != errorHandlerContainer_.end();) {
        auto& list = it->second;
        list.erase(std::remove(list.begin(), list.end(), handler), list.end());
        it = list.empty() ? errorHandlerContainer_.erase(it) : std::next(it);
    }
}

void TAVOErrorSystemManager::removeAllHandlers() { errorHandlerContainer_.clear(); }

std::vector<TAVOErrorHandlerPtr> TAVOErrorSystemManager::sortedHandlers() const {
    std::vector<TAVOErrorHandlerPtr> out;
    for (int priority = 0; priority <= 2; ++priority) {
        if (auto list = getHandlersByPriority(priority)) out.insert(out.end(), list->begin(), list->end());
    }
    return out;
}

const std::vector<TAVOErrorHandlerPtr>* TAVOErrorSystemManager::getHandlersByPriority(int priority) const {
    auto it = errorHandlerContainer_.find(priority);
    return it == errorHandlerContainer_.end() ? nullptr : &it->second;
}

bool TAVOErrorSystemManager::handleError(const TAVOErrorPtr& error) {
    if (shouldIgnorePreErrorHandler_ || !error) return false;
    // A copy: a handler may register or remove handlers while it runs.
    for (const auto& handler : sortedHandlers()) {
        handler->setError(error);
        bool notHandled = handler->run();
        handler->setError(nullptr);
        if (!notHandled) return true;
    }
    return false;
}
