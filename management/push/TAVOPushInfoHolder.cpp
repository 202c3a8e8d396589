#include "management/push/TAVOPushInfoHolder.h"

#include "management/push/TAVOPushInfoFactory.h"
#include "platform/foundation/Singleton.h"

std::shared_ptr<TAVOPushInfoHolder> TAVOPushInfoHolder::create() {
    return std::shared_ptr<TAVOPushInfoHolder>(new TAVOPushInfoHolder());
}

std::shared_ptr<TAVOPushInfoHolder> TAVOPushInfoHolder::shareInstance() {
    return ns::Singleton<TAVOPushInfoHolder>::get();
}

void TAVOPushInfoHolder::addPushInfo(const ns::Value& notification) {
    queue_.clear();
    if (auto info = TAVOPushInfoFactory::createPushInfoByType(notification["rudi"])) queue_.push_back(info);
}

TAVOPushInfoPtr TAVOPushInfoHolder::firstPushInfo() const { return queue_.empty() ? nullptr : queue_.front(); }

void TAVOPushInfoHolder::removeFirstPushInfo() {
    if (!queue_.empty()) queue_.erase(queue_.begin());
}
