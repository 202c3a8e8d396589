#include "platform/foundation/Perform.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "platform/foundation/Log.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/Timer.h"

namespace ns {

namespace {

struct DelayedRequest {
    const Object* target;
    std::string name;
    Value argument;
    std::weak_ptr<Timer> timer;
    const RunLoop* loop;
};

struct DelayedRequests {
    std::mutex mutex;
    std::vector<DelayedRequest> pending;
};
DelayedRequests& delayedRequests() {
    static auto* r = new DelayedRequests;
    return *r;
}

void forget(const Timer* timer) {
    auto& r = delayedRequests();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.pending.erase(std::remove_if(r.pending.begin(), r.pending.end(),
                                   [&](const DelayedRequest& q) {
                                       auto t = q.timer.lock();
                                       return !t || t.get() == timer;
                                   }),
                    r.pending.end());
}

template <class Match>
void cancelMatching(const ObjectPtr& target, Match match) {
    if (!target) return;
    const RunLoop* loop = RunLoop::current().get();
    std::vector<std::shared_ptr<Timer>> cancelled;
    {
        auto& r = delayedRequests();
        std::lock_guard<std::mutex> lock(r.mutex);
        for (auto it = r.pending.begin(); it != r.pending.end();) {
            if (it->target == target.get() && it->loop == loop && match(*it)) {
                if (auto t = it->timer.lock()) cancelled.push_back(std::move(t));
                it = r.pending.erase(it);
            } else {
                ++it;
            }
        }
    }
    // Invalidating releases the target, which may run its destructor: outside the lock.
    for (auto& t : cancelled) t->invalidate();
}

}  // namespace

void performAfterDelay(ObjectPtr target, std::string name, double delay, std::function<void()> action,
                       Value argument, RunLoopModes modes) {
    if (!target || !action) return;
    auto loop = RunLoop::current();
    const Object* key = target.get();
    auto timer = Timer::timerWithTimeInterval(
        std::max(delay, 0.0), target,
        [action = std::move(action)](std::shared_ptr<Timer> self) {
            forget(self.get());
            action();
        },
        Value(), false);
    {
        auto& r = delayedRequests();
        std::lock_guard<std::mutex> lock(r.mutex);
        r.pending.push_back({key, std::move(name), std::move(argument), timer, loop.get()});
    }
    if (modes.empty()) modes.push_back(kDefaultRunLoopMode);
    for (const auto& mode : modes) loop->addTimer(timer, mode);
}

void cancelPreviousPerformRequests(const ObjectPtr& target) {
    cancelMatching(target, [](const DelayedRequest&) { return true; });
}

void cancelPreviousPerformRequests(const ObjectPtr& target, const std::string& name, const Value& argument) {
    cancelMatching(target, [&](const DelayedRequest& q) { return q.name == name && q.argument.isEqual(argument); });
}

void performOnThread(const std::shared_ptr<Thread>& thread, std::function<void()> block, bool waitUntilDone,
                     RunLoopModes modes) {
    if (!thread || !block) return;
    if (waitUntilDone && Thread::currentThread() == thread) {
        block();
        return;
    }
    if (thread->isFinished()) {
        // Its loop will never turn again: waiting would hang for good.
        logWarning("performOnThread: the thread has finished; block dropped");
        return;
    }
    auto loop = thread->runLoop();
    if (!waitUntilDone) {
        loop->perform(std::move(block), std::move(modes));
        return;
    }
    struct Done {
        std::mutex mutex;
        std::condition_variable condition;
        bool done = false;
    };
    auto done = std::make_shared<Done>();
    bool accepted = loop->perform(
        [block = std::move(block), done] {
            block();
            {
                std::lock_guard<std::mutex> lock(done->mutex);
                done->done = true;
            }
            done->condition.notify_all();
        },
        std::move(modes));
    if (!accepted) return;
    std::unique_lock<std::mutex> lock(done->mutex);
    done->condition.wait(lock, [&] { return done->done; });
}

void performOnMainThread(std::function<void()> block, bool waitUntilDone, RunLoopModes modes) {
    performOnThread(Thread::mainThread(), std::move(block), waitUntilDone, std::move(modes));
}

void performInBackground(std::function<void()> block) {
    if (!block) return;
    Thread::detachNewThread(std::move(block));
}

}  // namespace ns
