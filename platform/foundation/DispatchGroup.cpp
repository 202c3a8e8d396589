#include "platform/foundation/DispatchGroup.h"

#include <chrono>
#include <cmath>

#include "platform/foundation/Log.h"

namespace dispatch {

std::shared_ptr<Group> Group::create() { return std::shared_ptr<Group>(new Group()); }

void Group::enter() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++count_;
}

void Group::leave() {
    std::vector<std::pair<std::shared_ptr<Queue>, std::function<void()>>> ready;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (count_ == 0) {
            ns::logWarning("dispatch: group left more often than entered; ignored");
            return;
        }
        if (--count_ > 0) return;
        ready.swap(notifications_);
    }
    empty_.notify_all();
    for (auto& [queue, block] : ready) queue->async(std::move(block));
}

void Group::async(const std::shared_ptr<Queue>& queue, std::function<void()> block) {
    if (!queue || !block) return;
    enter();
    auto self = std::static_pointer_cast<Group>(shared_from_this());
    queue->async([self, block = std::move(block)] {
        block();
        self->leave();
    });
}

void Group::notify(const std::shared_ptr<Queue>& queue, std::function<void()> block) {
    if (!queue || !block) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (count_ > 0) {
            notifications_.emplace_back(queue, std::move(block));
            return;
        }
    }
    queue->async(std::move(block));
}

bool Group::wait(double realTimeoutSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (std::isinf(realTimeoutSeconds)) {
        empty_.wait(lock, [&] { return count_ == 0; });
        return true;
    }
    return empty_.wait_for(lock, std::chrono::duration<double>(std::max(realTimeoutSeconds, 0.0)),
                           [&] { return count_ == 0; });
}

}  // namespace dispatch
