// The run loop: one per thread, created on demand.
//
// The main thread's loop runs every screen, timer, notification and provider
// result; worker threads (URL loading, for one) run their own. Work reaches a
// loop as performed blocks (thread-safe, FIFO, always on a later turn than
// the call that posted it) and as timers. Both are tagged with modes; a turn
// in a mode runs only what was posted for that mode or for the common modes.
//
// Time is ns::Clock: with a virtual clock a timer becomes due only when a
// test moves the clock (tests/support advance()).
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

namespace ns {

class Timer;
class Thread;

inline const std::string kDefaultRunLoopMode = "kCFRunLoopDefaultMode";
inline const std::string kRunLoopCommonModes = "kCFRunLoopCommonModes";
// The mode the interface runs while a finger drags a scroll view.
inline const std::string kTrackingRunLoopMode = "UITrackingRunLoopMode";

using RunLoopModes = std::vector<std::string>;

class RunLoop : public Object {
public:
    RunLoop();
    ~RunLoop() override;

    // The main thread's loop.
    static std::shared_ptr<RunLoop> main();
    // The calling thread's loop (created on first use).
    static std::shared_ptr<RunLoop> current();

    // Runs `block` on this loop's thread on a later turn, in FIFO order with
    // the other blocks. Safe from any thread. Returns false when the loop no
    // longer accepts work (a finished test's main loop).
    bool perform(std::function<void()> block, RunLoopModes modes);
    // The same in the common modes (the usual case, kept cheap).
    bool perform(std::function<void()> block);
    // Schedules a timer in a mode (kRunLoopCommonModes for all common ones).
    // A timer belongs to one loop; adding it to a second is refused.
    void addTimer(const std::shared_ptr<Timer>& timer, const std::string& mode);

    // Runs one batch of work in `mode`, waiting until something ran or
    // `limit` passed. Returns whether anything ran. A limit in the past makes
    // a single pass without waiting.
    bool runMode(const std::string& mode, Date limit);
    // Runs turns in the default mode until `limit` passes or stop() is called.
    void runUntilDate(Date limit);
    // Runs turns in the default mode until stop() is called.
    void run();
    // Makes the innermost run() / runUntilDate() / runMode() return.
    void stop();
    // Wakes the loop so it re-checks its work (I/O threads call it after
    // handing over data by other means).
    void wakeUp();

    // The mode of the turn being run, empty when the loop is not running.
    std::string currentMode() const;
    bool isMain() const;

    // Earliest fire date (wall seconds) after `wallTime` among the valid
    // timers of every loop; +infinity when none (the harness steps to it).
    static double nextTimerDateAfter(double wallTime);
    // Whether a running loop other than the main one has a timer due at
    // `wallTime` that it has not fired, or is firing timers right now (the
    // harness lets them settle).
    static bool otherLoopsHaveDueTimers(double wallTime);

    // Tests: drops the main loop's pending blocks and timers and starts a
    // fresh main loop, so one test's leftovers never run in the next.
    static void resetMainForTesting();

private:
    friend class Thread;
    friend class Timer;

    struct PendingBlock {
        std::function<void()> block;
        RunLoopModes modes;  // empty: the common modes
    };
    struct TimerEntry {
        std::shared_ptr<Timer> timer;
        std::set<std::string> modes;
    };
    enum class RunResult { Handled, TimedOut, Stopped };

    // Makes `loop` the calling thread's current loop (a starting Thread).
    static void bindCurrent(std::shared_ptr<RunLoop> loop);
    RunResult runInternal(const std::string& mode, double limitWall);
    bool runOneTurn(const std::string& mode);
    bool enqueue(PendingBlock pending);
    static bool blockRunsIn(const std::string& mode, const PendingBlock& pending);
    bool hasReadyBlockLocked(const std::string& mode) const;
    double earliestTimerLocked(const std::string& mode) const;
    void removeTimer(const Timer* timer);
    template <class Modes>
    static bool modeMatches(const std::string& mode, const Modes& modes);

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<PendingBlock> blocks_;
    std::vector<TimerEntry> timers_;
    std::vector<std::string> modeStack_;
    bool wakePending_ = false;
    bool stopRequested_ = false;
    bool retired_ = false;
    bool isMain_ = false;
    bool firingTimers_ = false;
};

}  // namespace ns
