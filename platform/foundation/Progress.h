// ns::Progress: how much of a piece of work is done, in units, plus the
// handlers that pausing or cancelling it runs. Safe to read and update from
// any thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include "platform/foundation/Object.h"

namespace ns {

class Progress : public Object {
public:
    static std::shared_ptr<Progress> progressWithTotalUnitCount(std::int64_t total);

    std::int64_t totalUnitCount() const { return total_.load(); }
    void setTotalUnitCount(std::int64_t total) { total_.store(total); }
    std::int64_t completedUnitCount() const { return completed_.load(); }
    void setCompletedUnitCount(std::int64_t completed) { completed_.store(completed); }
    // completed / total; 0 while the total is not positive.
    double fractionCompleted() const;

    bool isPausable() const { return pausable_.load(); }
    void setPausable(bool pausable) { pausable_.store(pausable); }
    bool isCancellable() const { return cancellable_.load(); }
    void setCancellable(bool cancellable) { cancellable_.store(cancellable); }
    void setPausingHandler(std::function<void()> handler);
    void setCancellationHandler(std::function<void()> handler);

    // Each marks the progress and runs its handler once; pausing a
    // cancelled progress does nothing.
    void pause();
    void cancel();
    bool isPaused() const { return paused_.load(); }
    bool isCancelled() const { return cancelled_.load(); }

    std::string description() const override;

private:
    Progress() = default;
    std::atomic<std::int64_t> total_{0};
    std::atomic<std::int64_t> completed_{0};
    std::atomic<bool> pausable_{false};
    std::atomic<bool> cancellable_{true};
    std::atomic<bool> paused_{false};
    std::atomic<bool> cancelled_{false};
    mutable std::mutex mutex_;
    std::function<void()> pausingHandler_;
    std::function<void()> cancellationHandler_;
};

using ProgressPtr = std::shared_ptr<Progress>;

}  // namespace ns
