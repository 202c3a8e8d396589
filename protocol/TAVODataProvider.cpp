#include "protocol/TAVODataProvider.h"

#include <algorithm>

#include "core/errors/TAVOErrorSystemManager.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "protocol/TAVODataProviderCommon.h"
#include "protocol/TAVORequestAnswers.h"

std::int32_t TAVODataProvider::reqData(TAVORequestNumber no, const ns::Value& param) {
    return reqData(TAVORequestNumberValue(no), param);
}

std::int32_t TAVODataProvider::reqData(int no, const ns::Value& param) {
    std::int32_t result;
    if (!checkParam(no, param))
        result = kRefusedParam;
    else if (!checkRequestStatus(no, param))
        result = kRefusedStatus;
    else
        result = execReq(no, param);
    if (result >= 0) return result;

    auto error = TAVORequestAnswers::refusalError(result);
    const std::string name = failedNotificationName(TAVODataProviderCommon::shareInstance()->classNameForRequest(no));
    auto self = this->self<TAVODataProvider>();
    dispatch::Queue::main()->async([self, name, error] { self->notify(name, ns::Value(error), nullptr); });
    return 0;
}

bool TAVODataProvider::checkParam(int, const ns::Value&) { return true; }
bool TAVODataProvider::checkRequestStatus(int, const ns::Value&) { return true; }
std::int32_t TAVODataProvider::execReq(int, const ns::Value&) { return kRefusedNotImplemented; }

std::shared_ptr<TAVODataRequestDelegate> TAVODataProvider::delegateSelf() {
    return std::static_pointer_cast<TAVODataProvider>(shared_from_this());
}

void TAVODataProvider::addReqQueue(const TAVODataRequestPtr& request) {
    if (!request) return;
    request->setDelegate(delegateSelf());
    addReqQueue(request, request->isCacheRequest() ? cacheRequests_ : remoteRequests_);
}

void TAVODataProvider::removeReq(const TAVODataRequestPtr& request) {
    if (!request) return;
    request->setDelegate(nullptr);
    removeReq(request, request->isCacheRequest() ? cacheRequests_ : remoteRequests_);
}

void TAVODataProvider::addReqQueue(const TAVODataRequestPtr& request, std::vector<TAVODataRequestPtr>& queue) {
    if (std::find(queue.begin(), queue.end(), request) == queue.end()) queue.push_back(request);
}

void TAVODataProvider::removeReq(const TAVODataRequestPtr& request, std::vector<TAVODataRequestPtr>& queue) {
    queue.erase(std::remove(queue.begin(), queue.end(), request), queue.end());
}

TAVODataRequestPtr TAVODataProvider::findExecReqByToken(std::int32_t token, const std::vector<TAVODataRequestPtr>& queue) {
    for (const auto& request : queue)
        if (request->token() == token) return request;
    return nullptr;
}

void TAVODataProvider::cancelReqData(std::int32_t token) {
    for (auto* queue : {&cacheRequests_, &remoteRequests_}) {
        if (auto request = findExecReqByToken(token, *queue)) {
            request->setDelegate(nullptr);
            removeReq(request, *queue);
        }
    }
}

void TAVODataProvider::resetDataProvider() {
    cacheRequests_.clear();
    remoteRequests_.clear();
}

std::string TAVODataProvider::successfulNotificationName(const std::string& requestClassName) {
    return TAVORequestAnswers::succeededName(requestClassName);
}

std::string TAVODataProvider::failedNotificationName(const std::string& requestClassName) {
    return TAVORequestAnswers::failedName(requestClassName);
}

void TAVODataProvider::notify(const std::string& name, const ns::Value& object, const TAVODataRequestPtr& request) {
    auto center = ns::NotificationCenter::defaultCenter();
    if (request && !request->param().isNil())
        center->postNotificationName(name, object, ns::Dictionary{{"param", request->param()}, {"local", request->isLocal()}});
    else
        center->postNotificationName(name, object);
}

void TAVODataProvider::requestSucceedWithData(const TAVODataRequestPtr& request, const ns::Value& result) {
    removeReq(request);
    auto self = this->self<TAVODataProvider>();
    dispatch::Queue::main()->async([self, request, result] {
        self->notify(successfulNotificationName(request->className()), result, request);
    });
}

void TAVODataProvider::requestFailedWithError(const TAVODataRequestPtr& request, const ns::ErrorPtr& error) {
    removeReq(request);
    auto self = this->self<TAVODataProvider>();
    dispatch::Queue::main()->async([self, request, error] {
        self->notify(failedNotificationName(request->className()), ns::Value(error), request);
    });
}

void TAVODataProvider::requestFailedWithTAVOError(const TAVODataRequestPtr& request, const TAVOErrorPtr& error) {
    removeReq(request);
    auto self = this->self<TAVODataProvider>();
    dispatch::Queue::main()->async([self, request, error] {
        TAVOErrorSystemManager::sharedManager()->handleError(error);
        self->notify(failedNotificationName(request->className()), ns::Value(error), request);
    });
}
