// Block registrations for notifications, tied to the object that made them.
//
// An object that registers this way owns a TAVOObserverProxy (as a member):
// each registration lives in a holder kept by the proxy, so it ends when the
// object (and with it the proxy) is freed, and one (name, sender) pair is
// registered at most once per object: the first registration wins.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/app/TAVOObserverHolder.h"
#include "platform/foundation/Notification.h"

namespace ns {
class OperationQueue;
}

class TAVOObserverProxy {
public:
    using Block = std::function<void(const ns::NotificationPtr&)>;

    TAVOObserverProxy() = default;
    TAVOObserverProxy(const TAVOObserverProxy&) = delete;
    TAVOObserverProxy& operator=(const TAVOObserverProxy&) = delete;

    // Ignored for an empty name, an empty block, or a (name, sender) pair
    // already registered here. The block runs on the queue when one is given,
    // else on the posting thread.
    void addObserverForName(const std::string& name, const ns::ObjectPtr& object,
                            const std::shared_ptr<ns::OperationQueue>& queue, Block block);
    void removeObserverForName(const std::string& name, const ns::ObjectPtr& object);
    // The first holder for the name whose sender is the given one (for a nil
    // sender: a holder registered for any sender).
    std::shared_ptr<TAVOObserverHolder> observerHolderForName(const std::string& name,
                                                              const ns::ObjectPtr& object) const;

    const std::vector<std::shared_ptr<TAVOObserverHolder>>& observerHolders() const { return holders_; }
    void addObserverHoldersObject(std::shared_ptr<TAVOObserverHolder> holder);
    void removeObserverHoldersObject(const std::shared_ptr<TAVOObserverHolder>& holder);

private:
    std::vector<std::shared_ptr<TAVOObserverHolder>> holders_;
};
