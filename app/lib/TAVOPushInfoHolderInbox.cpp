#include "app/lib/TAVOPushInfoHolderInbox.h"

#include "management/push/TAVOPushInfoHolder.h"

void TAVOPushInfoHolderInbox::addPushInfo(const ns::Dictionary& payload) {
    TAVOPushInfoHolder::shareInstance()->addPushInfo(ns::Value(payload));
}

std::optional<int> TAVOPushInfoHolderInbox::firstPushInfoType() {
    auto first = TAVOPushInfoHolder::shareInstance()->firstPushInfo();
    if (!first) return std::nullopt;
    return first->type;
}

void TAVOPushInfoHolderInbox::removeFirstPushInfo() { TAVOPushInfoHolder::shareInstance()->removeFirstPushInfo(); }
