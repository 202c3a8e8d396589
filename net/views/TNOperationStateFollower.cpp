#include "net/views/TNOperationStateFollower.h"

#include <vector>

#include "net/http/TNNetworkingNotifications.h"
#include "net/imageloader/AssociatedObject.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"

namespace {

// A view's registrations; they end with the view.
struct Registrations {
    std::vector<ns::ScopedObserver> observers;
};

AssociatedObject<Registrations>& registrations() {
    static AssociatedObject<Registrations> table;
    return table;
}

}  // namespace

void TNOperationStateFollower::follow(const std::shared_ptr<ui::View>& view, const TNURLConnectionOperationPtr& operation,
                                      std::function<void(ui::View&)> start, std::function<void(ui::View&)> stop) {
    if (!view) return;
    auto entry = registrations().getOrMake(view, [] { return std::make_shared<Registrations>(); });
    entry->observers.clear();
    if (!operation || operation->isFinished()) return;

    if (operation->isExecuting())
        start(*view);
    else
        stop(*view);

    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<ui::View> weakView = view;
    auto onMain = [weakView](std::function<void(ui::View&)> action) {
        return [weakView, action](const ns::NotificationPtr&) {
            dispatch::Queue::main()->async([weakView, action] {
                if (auto v = weakView.lock()) action(*v);
            });
        };
    };
    // The operation is matched by identity and not retained by the centre.
    const ns::Value sender(std::static_pointer_cast<ns::Object>(operation));
    entry->observers.emplace_back(center, center->addObserverForName(TNNetworkingOperationDidStartNotification, sender,
                                                                     nullptr, onMain(start)));
    entry->observers.emplace_back(center, center->addObserverForName(TNNetworkingOperationDidFinishNotification, sender,
                                                                     nullptr, onMain(stop)));
}
