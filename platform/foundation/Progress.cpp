#include "platform/foundation/Progress.h"

#include <cstdio>

namespace ns {

std::shared_ptr<Progress> Progress::progressWithTotalUnitCount(std::int64_t total) {
    std::shared_ptr<Progress> progress(new Progress());
    progress->total_.store(total);
    return progress;
}

double Progress::fractionCompleted() const {
    const std::int64_t total = total_.load();
    return total > 0 ? static_cast<double>(completed_.load()) / static_cast<double>(total) : 0.0;
}

void Progress::setPausingHandler(std::function<void()> handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    pausingHandler_ = std::move(handler);
}

void Progress::setCancellationHandler(std::function<void()> handler) {
    std::lock_guard<std::mutex> lock(mutex_);
    cancellationHandler_ = std::move(handler);
}

void Progress::pause() {
    if (cancelled_.load() || paused_.exchange(true)) return;
    std::function<void()> handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        handler = pausingHandler_;
    }
    if (handler) handler();
}

void Progress::cancel() {
    if (cancelled_.exchange(true)) return;
    std::function<void()> handler;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        handler = cancellationHandler_;
    }
    if (handler) handler();
}

std::string Progress::description() const {
    char text[128];
    std::snprintf(text, sizeof text, "<Progress: %p> Fraction completed: %.4f / Completed: %lld of %lld",
                  static_cast<const void*>(this), fractionCompleted(), static_cast<long long>(completed_.load()),
                  static_cast<long long>(total_.load()));
    return text;
}

}  // namespace ns
