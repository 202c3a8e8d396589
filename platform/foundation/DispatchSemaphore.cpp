#include "platform/foundation/DispatchSemaphore.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace dispatch {

std::shared_ptr<Semaphore> Semaphore::create(long value) {
    auto semaphore = std::shared_ptr<Semaphore>(new Semaphore());
    semaphore->value_ = std::max(value, 0L);
    return semaphore;
}

bool Semaphore::signal() {
    // Notified under the lock: a waiter that returns may free the semaphore
    // at once, and it cannot return before this thread has let go of it.
    std::lock_guard<std::mutex> lock(mutex_);
    ++value_;
    const bool woke = waiters_ > 0;
    available_.notify_one();
    return woke;
}

bool Semaphore::wait(double realTimeoutSeconds) {
    std::unique_lock<std::mutex> lock(mutex_);
    ++waiters_;
    bool got;
    if (std::isinf(realTimeoutSeconds)) {
        available_.wait(lock, [&] { return value_ > 0; });
        got = true;
    } else {
        got = available_.wait_for(lock, std::chrono::duration<double>(std::max(realTimeoutSeconds, 0.0)),
                                  [&] { return value_ > 0; });
    }
    --waiters_;
    if (got) --value_;
    return got;
}

}  // namespace dispatch
