// A dispatch group: counts outstanding work and tells when all of it is done.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Object.h"

namespace dispatch {

class Group : public ns::Object {
public:
    static std::shared_ptr<Group> create();

    void enter();
    // A leave without a matching enter is ignored (the platform would crash).
    void leave();
    // Runs `block` on `queue` as part of the group.
    void async(const std::shared_ptr<Queue>& queue, std::function<void()> block);
    // Submits `block` to `queue` once the group is empty (at once if it is).
    void notify(const std::shared_ptr<Queue>& queue, std::function<void()> block);
    // Waits up to `realTimeoutSeconds` of real time; true when the group emptied.
    bool wait(double realTimeoutSeconds = kForever);

private:
    Group() = default;
    std::mutex mutex_;
    std::condition_variable empty_;
    long count_ = 0;
    std::vector<std::pair<std::shared_ptr<Queue>, std::function<void()>>> notifications_;
};

}  // namespace dispatch
