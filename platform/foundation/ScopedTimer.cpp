#include "platform/foundation/ScopedTimer.h"

#include "platform/foundation/Timer.h"

namespace ns {

ScopedTimer::~ScopedTimer() { stop(); }

void ScopedTimer::start(double interval, bool repeats, Block block) {
    stop();
    if (!block) return;
    timer_ = Timer::scheduledTimerWithTimeInterval(interval, repeats,
                                                   [block = std::move(block)](std::shared_ptr<Timer>) { block(); });
}

void ScopedTimer::stop() {
    if (timer_) timer_->invalidate();
    timer_.reset();
}

bool ScopedTimer::isRunning() const { return timer_ && timer_->isValid(); }

}  // namespace ns
