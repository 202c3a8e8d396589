// A timer held as a member of the object it works for (a screen's poll, a
// watch). Unlike a target timer it retains nothing: its block may capture the
// owner's `this`, because the timer cannot outlive the member. It stops when
// stopped, restarted or destroyed, so a hidden or freed screen never keeps
// polling and never stays alive through its timer.
//
// Times are ns::Clock times (virtual in tests); the timer runs on the run
// loop of the thread that starts it, in the default mode, and is started,
// stopped and destroyed on that thread.
#pragma once

#include <functional>
#include <memory>

namespace ns {

class Timer;

class ScopedTimer {
public:
    using Block = std::function<void()>;

    ScopedTimer() = default;
    ScopedTimer(const ScopedTimer&) = delete;
    ScopedTimer& operator=(const ScopedTimer&) = delete;
    ~ScopedTimer();

    // Runs `block` after `interval` seconds (and then every `interval`
    // seconds when repeating), in place of any earlier schedule.
    void start(double interval, bool repeats, Block block);
    void stop();
    // Scheduled and not yet stopped (a one-shot timer stops after firing).
    bool isRunning() const;

private:
    std::shared_ptr<Timer> timer_;
};

}  // namespace ns
