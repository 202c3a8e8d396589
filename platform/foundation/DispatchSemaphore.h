// A counting semaphore.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/Object.h"

namespace dispatch {

class Semaphore : public ns::Object {
public:
    static std::shared_ptr<Semaphore> create(long value);

    // Returns true when it woke a waiter.
    bool signal();
    // Waits up to `realTimeoutSeconds` of real time; true when it got the
    // semaphore, false on time-out.
    bool wait(double realTimeoutSeconds = kForever);

private:
    Semaphore() = default;
    std::mutex mutex_;
    std::condition_variable available_;
    long value_ = 0;
    long waiters_ = 0;
};

}  // namespace dispatch
