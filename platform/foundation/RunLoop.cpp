#include "platform/foundation/RunLoop.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

#include "platform/foundation/Clock.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/Timer.h"

namespace ns {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Waits are cut into slices of at most this many real seconds so a loop
// notices a switch between real and virtual time.
constexpr double kMaxWaitSlice = 1.0;

// Every live loop, so that moving virtual time can wake them all and the
// harness can find the next due timer.
struct Registry {
    std::mutex mutex;
    std::set<RunLoop*> loops;
};
Registry& registry() {
    static auto* r = new Registry;  // never destroyed: worker loops may outlive static teardown
    return *r;
}

struct MainHolder {
    std::mutex mutex;
    std::shared_ptr<RunLoop> loop;
};
MainHolder& mainHolder() {
    static auto* h = new MainHolder;
    return *h;
}

thread_local std::shared_ptr<RunLoop> tCurrentLoop;

void wakeAllLoops() {
    auto& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    for (RunLoop* loop : r.loops) loop->wakeUp();
}

// Moving virtual time wakes every loop and every sleeping worker.
const bool kClockListenerInstalled = [] {
    Clock::setVirtualTimeListener([] {
        wakeAllLoops();
        Thread::clockMoved();
    });
    return true;
}();

}  // namespace

RunLoop::RunLoop() {
    auto& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.loops.insert(this);
}

RunLoop::~RunLoop() {
    auto& r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.loops.erase(this);
}

std::shared_ptr<RunLoop> RunLoop::main() {
    auto& h = mainHolder();
    std::lock_guard<std::mutex> lock(h.mutex);
    if (!h.loop) {
        h.loop = std::make_shared<RunLoop>();
        h.loop->isMain_ = true;
    }
    return h.loop;
}

std::shared_ptr<RunLoop> RunLoop::current() {
    if (Thread::isMainThread()) return main();
    if (!tCurrentLoop) tCurrentLoop = std::make_shared<RunLoop>();
    return tCurrentLoop;
}

void RunLoop::bindCurrent(std::shared_ptr<RunLoop> loop) { tCurrentLoop = std::move(loop); }

bool RunLoop::isMain() const { return isMain_; }

bool RunLoop::perform(std::function<void()> block, RunLoopModes modes) {
    if (modes.size() == 1 && modes[0] == kRunLoopCommonModes) modes.clear();
    if (modes.empty()) return perform(std::move(block));
    return enqueue({std::move(block), std::move(modes)});
}

bool RunLoop::perform(std::function<void()> block) { return enqueue({std::move(block), {}}); }

bool RunLoop::enqueue(PendingBlock pending) {
    if (!pending.block) return false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (retired_) return false;  // a finished test's loop: the block is dropped
        blocks_.push_back(std::move(pending));
        wakePending_ = true;
    }
    wake_.notify_all();
    return true;
}

void RunLoop::addTimer(const std::shared_ptr<Timer>& timer, const std::string& mode) {
    if (!timer || !timer->isValid()) return;
    if (!timer->attachTo(std::static_pointer_cast<RunLoop>(shared_from_this()))) {
        logWarning("RunLoop: a timer can be scheduled on one run loop only; ignored");
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (retired_) return;
        auto it = std::find_if(timers_.begin(), timers_.end(),
                               [&](const TimerEntry& e) { return e.timer == timer; });
        if (it == timers_.end()) {
            timers_.push_back({timer, {mode}});
        } else {
            it->modes.insert(mode);
        }
        wakePending_ = true;
    }
    wake_.notify_all();
}

void RunLoop::removeTimer(const Timer* timer) {
    std::shared_ptr<Timer> keep;  // released after the lock
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const TimerEntry& e) { return e.timer.get() == timer; });
    if (it != timers_.end()) {
        keep = std::move(it->timer);
        timers_.erase(it);
    }
}

void RunLoop::wakeUp() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        wakePending_ = true;
    }
    wake_.notify_all();
}

void RunLoop::stop() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopRequested_ = true;
    }
    wake_.notify_all();
}

std::string RunLoop::currentMode() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return modeStack_.empty() ? std::string() : modeStack_.back();
}

template <class Modes>
bool RunLoop::modeMatches(const std::string& mode, const Modes& modes) {
    auto contains = [&](const std::string& m) { return std::find(modes.begin(), modes.end(), m) != modes.end(); };
    if (contains(mode)) return true;
    bool isCommon = mode == kDefaultRunLoopMode || mode == kTrackingRunLoopMode;
    return isCommon && contains(kRunLoopCommonModes);
}

bool RunLoop::blockRunsIn(const std::string& mode, const PendingBlock& pending) {
    if (pending.modes.empty()) return mode == kDefaultRunLoopMode || mode == kTrackingRunLoopMode;
    return modeMatches(mode, pending.modes);
}

bool RunLoop::hasReadyBlockLocked(const std::string& mode) const {
    for (const auto& b : blocks_) {
        if (blockRunsIn(mode, b)) return true;
    }
    return false;
}

double RunLoop::earliestTimerLocked(const std::string& mode) const {
    double earliest = kInfinity;
    for (const auto& e : timers_) {
        if (!modeMatches(mode, e.modes) || !e.timer->isValid()) continue;
        earliest = std::min(earliest, e.timer->fireWall());
    }
    return earliest;
}

bool RunLoop::runOneTurn(const std::string& mode) {
    bool ran = false;
    // Blocks posted while this batch runs wait for the next turn.
    std::vector<std::function<void()>> batch;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto it = blocks_.begin(); it != blocks_.end();) {
            if (blockRunsIn(mode, *it)) {
                batch.push_back(std::move(it->block));
                it = blocks_.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (auto& block : batch) {
        block();
        block = nullptr;  // release captures before the next block runs
        ran = true;
    }

    double now = Clock::now();
    std::vector<std::shared_ptr<Timer>> due;
    std::vector<std::shared_ptr<Timer>> dead;  // released after the lock
    {
        std::lock_guard<std::mutex> lock(mutex_);
        firingTimers_ = true;
        for (auto it = timers_.begin(); it != timers_.end();) {
            if (!it->timer->isValid()) {
                dead.push_back(std::move(it->timer));
                it = timers_.erase(it);
                continue;
            }
            if (modeMatches(mode, it->modes) && it->timer->fireWall() <= now) due.push_back(it->timer);
            ++it;
        }
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const auto& a, const auto& b) { return a->fireWall() < b->fireWall(); });
    for (auto& timer : due) {
        if (!timer->isValid() || timer->fireWall() > now) continue;  // changed by an earlier timer
        timer->fireFromRunLoop(now);
        ran = true;
    }
    due.clear();
    std::lock_guard<std::mutex> lock(mutex_);
    firingTimers_ = false;
    return ran;
}

RunLoop::RunResult RunLoop::runInternal(const std::string& mode, double limitWall) {
    using namespace std::chrono;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (stopRequested_) {
            stopRequested_ = false;
            return RunResult::Stopped;
        }
        modeStack_.push_back(mode);
    }
    struct PopMode {
        RunLoop* loop;
        ~PopMode() {
            std::lock_guard<std::mutex> lock(loop->mutex_);
            loop->modeStack_.pop_back();
        }
    } popMode{this};

    const auto realStart = steady_clock::now();
    const double wallStart = Clock::now();
    // With a virtual clock nobody may move time while we wait, so a wait
    // for a limit also ends after the same span of real time.
    const double realSpan = std::max(0.0, limitWall - wallStart);

    for (;;) {
        if (runOneTurn(mode)) return RunResult::Handled;
        std::unique_lock<std::mutex> lock(mutex_);
        if (stopRequested_) {
            stopRequested_ = false;
            return RunResult::Stopped;
        }
        if (wakePending_) {
            wakePending_ = false;
            if (hasReadyBlockLocked(mode)) continue;
        }
        double now = Clock::now();
        if (now >= limitWall) return RunResult::TimedOut;
        double nextTimer = earliestTimerLocked(mode);
        if (nextTimer <= now) continue;

        double realElapsed = duration<double>(steady_clock::now() - realStart).count();
        double wait;
        if (Clock::isVirtual()) {
            wait = realSpan - realElapsed;
        } else {
            wait = std::min(limitWall, nextTimer) - now;
        }
        if (wait <= 0) return RunResult::TimedOut;
        wait = std::min(wait, kMaxWaitSlice);
        wake_.wait_for(lock, duration<double>(wait), [&] { return wakePending_ || stopRequested_; });
    }
}

bool RunLoop::runMode(const std::string& mode, Date limit) {
    return runInternal(mode, limit.timeIntervalSince1970()) == RunResult::Handled;
}

void RunLoop::runUntilDate(Date limit) {
    using namespace std::chrono;
    const double limitWall = limit.timeIntervalSince1970();
    const auto realStart = steady_clock::now();
    const double realSpan = std::max(0.0, limitWall - Clock::now());
    for (;;) {
        if (runInternal(kDefaultRunLoopMode, limitWall) == RunResult::Stopped) return;
        if (Clock::now() >= limitWall) return;
        if (Clock::isVirtual() && duration<double>(steady_clock::now() - realStart).count() >= realSpan) return;
    }
}

void RunLoop::run() {
    const double forever = Date::distantFuture().timeIntervalSince1970();
    while (runInternal(kDefaultRunLoopMode, forever) != RunResult::Stopped) {
    }
}

double RunLoop::nextTimerDateAfter(double wallTime) {
    double earliest = kInfinity;
    auto& r = registry();
    std::lock_guard<std::mutex> registryLock(r.mutex);
    for (RunLoop* loop : r.loops) {
        std::lock_guard<std::mutex> lock(loop->mutex_);
        for (const auto& e : loop->timers_) {
            if (!e.timer->isValid()) continue;
            double at = e.timer->fireWall();
            if (at > wallTime) earliest = std::min(earliest, at);
        }
    }
    return earliest;
}

bool RunLoop::otherLoopsHaveDueTimers(double wallTime) {
    auto& r = registry();
    std::lock_guard<std::mutex> registryLock(r.mutex);
    for (RunLoop* loop : r.loops) {
        std::lock_guard<std::mutex> lock(loop->mutex_);
        if (loop->isMain_ || loop->retired_ || loop->modeStack_.empty()) continue;
        if (loop->firingTimers_) return true;
        if (loop->earliestTimerLocked(loop->modeStack_.back()) <= wallTime) return true;
    }
    return false;
}

void RunLoop::resetMainForTesting() {
    std::shared_ptr<RunLoop> old;
    {
        auto& h = mainHolder();
        std::lock_guard<std::mutex> lock(h.mutex);
        old.swap(h.loop);
    }
    if (!old) return;
    std::deque<PendingBlock> blocks;
    std::vector<TimerEntry> timers;
    {
        std::lock_guard<std::mutex> lock(old->mutex_);
        old->retired_ = true;
        blocks.swap(old->blocks_);
        timers.swap(old->timers_);
    }
    for (auto& e : timers) e.timer->invalidate();
}

}  // namespace ns
