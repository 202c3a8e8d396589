// The harness's drivers of the main loop and of virtual time.
#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/foundation/Clock.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"
#include "tests/support/Harness.h"

namespace keelbox::test {

namespace {

// A block that keeps re-posting itself would otherwise spin forever.
constexpr int kMaxTurnsPerDrain = 100000;
// How long advance() lets worker loops fire what just became due.
constexpr auto kWorkerSettleLimit = std::chrono::seconds(2);

void letWorkerLoopsSettle(double now) {
    auto deadline = std::chrono::steady_clock::now() + kWorkerSettleLimit;
    while (ns::RunLoop::otherLoopsHaveDueTimers(now) && std::chrono::steady_clock::now() < deadline) {
        drainMainLoop();  // a worker's timer may wait on the main thread
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
}

}  // namespace

void drainMainLoop() {
    auto loop = ns::RunLoop::main();
    int turns = 0;
    while (loop->runMode(ns::kDefaultRunLoopMode, ns::Date::distantPast())) {
        if (++turns >= kMaxTurnsPerDrain) {
            ns::logWarning("drainMainLoop: the main loop never became idle");
            return;
        }
    }
}

void advance(double seconds) {
    if (!ns::Clock::isVirtual()) {
        ADD_FAILURE() << "advance() needs the virtual clock";
        return;
    }
    const double target = ns::Clock::now() + std::max(seconds, 0.0);
    drainMainLoop();
    for (;;) {
        double now = ns::Clock::now();
        double next = std::min(ns::RunLoop::nextTimerDateAfter(now), ns::Thread::nextSleeperWakeAfter(now));
        if (next > target) break;
        ns::Clock::moveVirtualTo(next);
        letWorkerLoopsSettle(next);
        drainMainLoop();
    }
    ns::Clock::moveVirtualTo(target);
    letWorkerLoopsSettle(target);
    drainMainLoop();
}

bool runMainLoopUntil(const std::function<bool()>& predicate, double realTimeoutSeconds) {
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + duration_cast<steady_clock::duration>(
                                                    duration<double>(std::max(realTimeoutSeconds, 0.0)));
    auto loop = ns::RunLoop::main();
    for (;;) {
        if (predicate()) return true;
        auto left = duration<double>(deadline - steady_clock::now()).count();
        if (left <= 0) return predicate();
        loop->runMode(ns::kDefaultRunLoopMode, ns::Date::withTimeIntervalSinceNow(std::min(left, 0.01)));
        loop = ns::RunLoop::main();
    }
}

}  // namespace keelbox::test
