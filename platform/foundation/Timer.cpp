#include "platform/foundation/Timer.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/Clock.h"
#include "platform/foundation/RunLoop.h"

namespace ns {

namespace {
// The platform turns a non-positive repeat interval into 0.1 ms rather than
// spinning.
constexpr double kMinimumRepeatInterval = 0.0001;
}  // namespace

std::shared_ptr<Timer> Timer::make(double fireWall, double interval, bool repeats, ObjectPtr target, Block block,
                                   Value userInfo) {
    auto timer = std::shared_ptr<Timer>(new Timer());
    timer->fireWall_ = fireWall;
    timer->repeats_ = repeats;
    timer->interval_ = repeats ? std::max(interval, kMinimumRepeatInterval) : 0.0;
    timer->target_ = std::move(target);
    timer->block_ = std::move(block);
    timer->userInfo_ = std::move(userInfo);
    return timer;
}

std::shared_ptr<Timer> Timer::timerWithTimeInterval(double interval, bool repeats, Block block) {
    return make(Clock::now() + std::max(interval, 0.0), interval, repeats, nullptr, std::move(block), Value());
}

std::shared_ptr<Timer> Timer::timerWithTimeInterval(double interval, ObjectPtr target, Block action, Value userInfo,
                                                    bool repeats) {
    return make(Clock::now() + std::max(interval, 0.0), interval, repeats, std::move(target), std::move(action),
                std::move(userInfo));
}

std::shared_ptr<Timer> Timer::timerWithFireDate(Date fireDate, double interval, bool repeats, Block block) {
    return make(fireDate.timeIntervalSince1970(), interval, repeats, nullptr, std::move(block), Value());
}

std::shared_ptr<Timer> Timer::scheduledTimerWithTimeInterval(double interval, bool repeats, Block block) {
    auto timer = timerWithTimeInterval(interval, repeats, std::move(block));
    RunLoop::current()->addTimer(timer, kDefaultRunLoopMode);
    return timer;
}

std::shared_ptr<Timer> Timer::scheduledTimerWithTimeInterval(double interval, ObjectPtr target, Block action,
                                                             Value userInfo, bool repeats) {
    auto timer = timerWithTimeInterval(interval, std::move(target), std::move(action), std::move(userInfo), repeats);
    RunLoop::current()->addTimer(timer, kDefaultRunLoopMode);
    return timer;
}

void Timer::fire() {
    Block block;
    bool repeats;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!valid_) return;
        block = block_;  // a copy: the block may invalidate (and release) the timer's own
        repeats = repeats_;
    }
    auto self = std::static_pointer_cast<Timer>(shared_from_this());
    if (block) block(self);
    if (!repeats) invalidate();
}

void Timer::fireFromRunLoop(double nowWall) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!valid_) return;
        if (repeats_) {
            // Stay on the original grid; missed firings are skipped, not queued.
            double next = fireWall_ + interval_;
            if (next <= nowWall) next += std::floor((nowWall - next) / interval_ + 1.0) * interval_;
            fireWall_ = next;
        }
    }
    fire();
}

void Timer::invalidate() {
    ObjectPtr target;
    Block block;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!valid_) return;
        valid_ = false;
        target.swap(target_);
        block.swap(block_);
    }
    // target and block are released here, outside the lock.
}

bool Timer::isValid() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return valid_;
}

Date Timer::fireDate() const { return Date::withTimeIntervalSince1970(fireWall()); }

double Timer::fireWall() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return fireWall_;
}

void Timer::setFireDate(Date date) {
    std::shared_ptr<RunLoop> loop;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        fireWall_ = date.timeIntervalSince1970();
        loop = loop_.lock();
    }
    if (loop) loop->wakeUp();
}

double Timer::timeInterval() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return interval_;
}

Value Timer::userInfo() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return userInfo_;
}

ObjectPtr Timer::target() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return target_;
}

bool Timer::attachTo(const std::shared_ptr<RunLoop>& loop) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (attached_) return loop_.lock() == loop;
    attached_ = true;
    loop_ = loop;
    return true;
}

}  // namespace ns
