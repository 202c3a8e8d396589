#include "core/app/TAVOObserverHolder.h"

#include "platform/foundation/NotificationCenter.h"

std::shared_ptr<TAVOObserverHolder> TAVOObserverHolder::observerHolderForNotification(const std::string& name,
                                                                                      const ns::ObjectPtr& object,
                                                                                      const ns::ObjectPtr& observer) {
    if (name.empty() || !observer) return nullptr;
    std::shared_ptr<TAVOObserverHolder> holder(new TAVOObserverHolder());
    holder->notification_ = name;
    holder->object_ = object;
    holder->unsafeObject_ = reinterpret_cast<std::uintptr_t>(object.get());
    holder->observer_ = observer;
    return holder;
}

TAVOObserverHolder::~TAVOObserverHolder() {
    if (auto token = observer_.lock()) ns::NotificationCenter::defaultCenter()->removeObserver(token.get());
}
