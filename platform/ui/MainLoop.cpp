#include "platform/ui/MainLoop.h"

#include <map>
#include <utility>

#include "platform/foundation/Clock.h"
#include "platform/foundation/Singleton.h"

namespace ui::mainloop {

namespace {

struct Pending {
    double due;
    std::function<void()> fn;
};

struct Queue {
    // (due time, sequence) -> call; the sequence keeps FIFO order.
    std::map<std::pair<double, Handle>, std::function<void()>> calls;
    std::map<Handle, double> dueOf;
    Handle next = 1;
    bool resetRegistered = false;
};

Queue& queue() {
    static Queue q;
    if (!q.resetRegistered) {
        q.resetRegistered = true;
        ns::onTestReset([] {
            auto& qq = queue();
            auto calls = std::move(qq.calls);  // destroyed outside the queue
            qq.calls.clear();
            qq.dueOf.clear();
        });
    }
    return q;
}

// Runs the earliest call due at or before `limit`; false when none.
bool runOne(double limit) {
    auto& q = queue();
    if (q.calls.empty()) return false;
    auto it = q.calls.begin();
    if (it->first.first > limit) return false;
    auto fn = std::move(it->second);
    q.dueOf.erase(it->first.second);
    q.calls.erase(it);
    if (fn) fn();
    return true;
}

}  // namespace

Handle performAfter(double delay, std::function<void()> fn) {
    auto& q = queue();
    Handle h = q.next++;
    double due = ns::Clock::monotonic() + (delay > 0 ? delay : 0);
    q.calls.emplace(std::make_pair(due, h), std::move(fn));
    q.dueOf[h] = due;
    return h;
}

Handle performLater(std::function<void()> fn) { return performAfter(0, std::move(fn)); }

void cancel(Handle handle) {
    auto& q = queue();
    auto it = q.dueOf.find(handle);
    if (it == q.dueOf.end()) return;
    auto node = q.calls.extract(std::make_pair(it->second, handle));
    q.dueOf.erase(it);
}

bool isPending(Handle handle) { return queue().dueOf.count(handle) != 0; }

void runUntilIdle() {
    while (runOne(ns::Clock::monotonic())) {
    }
}

void advance(double seconds) {
    const double target = ns::Clock::monotonic() + (seconds > 0 ? seconds : 0);
    runUntilIdle();
    for (;;) {
        auto& q = queue();
        if (q.calls.empty() || q.calls.begin()->first.first > target) break;
        double due = q.calls.begin()->first.first;
        double now = ns::Clock::monotonic();
        if (due > now) ns::Clock::moveVirtual(due - now);
        runUntilIdle();
    }
    double now = ns::Clock::monotonic();
    if (target > now) ns::Clock::moveVirtual(target - now);
    runUntilIdle();
}

}  // namespace ui::mainloop
