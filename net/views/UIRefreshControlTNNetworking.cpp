#include "net/views/UIRefreshControlTNNetworking.h"

#include "net/views/TNOperationStateFollower.h"
#include "platform/foundation/DispatchQueue.h"

void UIRefreshControlTNNetworking::setRefreshingWithStateOfOperation(const std::shared_ptr<ui::RefreshControl>& control,
                                                                     const TNURLConnectionOperationPtr& operation) {
    TNOperationStateFollower::follow(
        control, operation, [](ui::View& v) { static_cast<ui::RefreshControl&>(v).beginRefreshing(); },
        [](ui::View& v) { static_cast<ui::RefreshControl&>(v).endRefreshing(); });
}

void UIRefreshControlTNNetworking::beginRefreshing(const std::shared_ptr<ui::RefreshControl>& control) {
    std::weak_ptr<ui::RefreshControl> weak = control;
    dispatch::Queue::main()->async([weak] {
        if (auto c = weak.lock()) c->beginRefreshing();
    });
}

void UIRefreshControlTNNetworking::endRefreshing(const std::shared_ptr<ui::RefreshControl>& control) {
    std::weak_ptr<ui::RefreshControl> weak = control;
    dispatch::Queue::main()->async([weak] {
        if (auto c = weak.lock()) c->endRefreshing();
    });
}
