// A timer: fires a block on the run loop it is scheduled on, once or
// repeatedly, at times read from ns::Clock.
//
// As on the platform, a scheduled timer is retained by its run loop and
// retains its target until it is invalidated; a one-shot timer invalidates
// itself after firing. A repeating timer keeps its schedule: after a late
// turn it fires once and its next date stays on the original grid.
#pragma once

#include <functional>
#include <memory>
#include <mutex>

#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

namespace ns {

class RunLoop;

class Timer : public Object {
public:
    using Block = std::function<void(std::shared_ptr<Timer>)>;

    // Unscheduled timers: add them to a loop with RunLoop::addTimer.
    static std::shared_ptr<Timer> timerWithTimeInterval(double interval, bool repeats, Block block);
    // Target form: `target` stays alive until the timer is invalidated.
    static std::shared_ptr<Timer> timerWithTimeInterval(double interval, ObjectPtr target, Block action,
                                                        Value userInfo, bool repeats);
    static std::shared_ptr<Timer> timerWithFireDate(Date fireDate, double interval, bool repeats, Block block);

    // Scheduled on the current thread's loop in the default mode.
    static std::shared_ptr<Timer> scheduledTimerWithTimeInterval(double interval, bool repeats, Block block);
    static std::shared_ptr<Timer> scheduledTimerWithTimeInterval(double interval, ObjectPtr target, Block action,
                                                                 Value userInfo, bool repeats);

    // Runs the block now. A one-shot timer is invalidated afterwards; a
    // repeating one keeps its schedule. Does nothing once invalid.
    void fire();
    // Stops the timer for good and releases its target and block.
    void invalidate();
    bool isValid() const;

    Date fireDate() const;
    // Moves the next firing (a repeating timer continues from there).
    void setFireDate(Date date);
    // The repeat interval; 0 for a one-shot timer.
    double timeInterval() const;
    Value userInfo() const;
    ObjectPtr target() const;

private:
    friend class RunLoop;
    Timer() = default;
    static std::shared_ptr<Timer> make(double fireWall, double interval, bool repeats, ObjectPtr target,
                                       Block block, Value userInfo);
    // Called by the run loop when the fire date has come.
    void fireFromRunLoop(double nowWall);
    double fireWall() const;
    bool attachTo(const std::shared_ptr<RunLoop>& loop);

    mutable std::mutex mutex_;
    double fireWall_ = 0;
    double interval_ = 0;
    bool repeats_ = false;
    bool valid_ = true;
    ObjectPtr target_;
    Block block_;
    Value userInfo_;
    std::weak_ptr<RunLoop> loop_;
    bool attached_ = false;
};

}  // namespace ns
