#include "core/app/TAVOObserverProxy.h"

#include <algorithm>

#include "platform/foundation/NotificationCenter.h"

void TAVOObserverProxy::addObserverForName(const std::string& name, const ns::ObjectPtr& object,
                                           const std::shared_ptr<ns::OperationQueue>& queue, Block block) {
    if (name.empty() || !block) return;
    if (observerHolderForName(name, object)) return;
    auto center = ns::NotificationCenter::defaultCenter();
    auto token = center->addObserverForName(name, object ? ns::Value(object) : ns::Value(), queue, std::move(block));
    auto holder = TAVOObserverHolder::observerHolderForNotification(name, object, token);
    if (!holder) {
        center->removeObserver(token);
        return;
    }
    addObserverHoldersObject(std::move(holder));
}

void TAVOObserverProxy::removeObserverForName(const std::string& name, const ns::ObjectPtr& object) {
    if (auto holder = observerHolderForName(name, object)) removeObserverHoldersObject(holder);
}

std::shared_ptr<TAVOObserverHolder> TAVOObserverProxy::observerHolderForName(const std::string& name,
                                                                             const ns::ObjectPtr& object) const {
    for (const auto& holder : holders_) {
        if (holder->notification() != name) continue;
        if (object) {
            auto sender = holder->object();
            if (sender && (sender == object || sender->isEqual(*object))) return holder;
        } else if (holder->unsafeObject() == 0) {
            return holder;
        }
    }
    return nullptr;
}

void TAVOObserverProxy::addObserverHoldersObject(std::shared_ptr<TAVOObserverHolder> holder) {
    if (holder) holders_.push_back(std::move(holder));
}

void TAVOObserverProxy::removeObserverHoldersObject(const std::shared_ptr<TAVOObserverHolder>& holder) {
    holders_.erase(std::remove(holders_.begin(), holders_.end(), holder), holders_.end());
}
