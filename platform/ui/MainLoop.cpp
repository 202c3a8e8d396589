#include "platform/ui/MainLoop.h"

#include <map>
#include <memory>
#include <mutex>

#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Singleton.h"
#include "platform/foundation/Timer.h"

namespace ui::mainloop {

namespace {

struct Call {
    std::function<void()> fn;
    std::shared_ptr<ns::Timer> timer;
};

struct Table {
    std::mutex mutex;
    std::map<Handle, std::shared_ptr<Call>> calls;
    Handle next = 1;
};

Table& table() {
    static Table* t = [] {
        auto* created = new Table();
        ns::onTestReset([created] {
            std::map<Handle, std::shared_ptr<Call>> old;
            {
                std::lock_guard<std::mutex> lock(created->mutex);
                old.swap(created->calls);
            }
            for (auto& [h, c] : old)
                if (c->timer) c->timer->invalidate();
        });
        return created;
    }();
    return *t;
}

// Takes the call out of the table; null when cancelled or already run.
std::shared_ptr<Call> take(Handle h) {
    auto& t = table();
    std::lock_guard<std::mutex> lock(t.mutex);
    auto it = t.calls.find(h);
    if (it == t.calls.end()) return nullptr;
    auto call = it->second;
    t.calls.erase(it);
    return call;
}

void run(Handle h) {
    if (auto call = take(h))
        if (call->fn) call->fn();
}

}  // namespace

Handle performAfter(double delay, std::function<void()> fn) {
    auto& t = table();
    auto call = std::make_shared<Call>();
    call->fn = std::move(fn);
    Handle h;
    {
        std::lock_guard<std::mutex> lock(t.mutex);
        h = t.next++;
        t.calls[h] = call;
    }
    if (delay > 0) {
        call->timer = ns::Timer::timerWithTimeInterval(delay, false, [h](std::shared_ptr<ns::Timer>) { run(h); });
        ns::RunLoop::main()->addTimer(call->timer, ns::kRunLoopCommonModes);
    } else {
        ns::RunLoop::main()->perform([h] { run(h); });
    }
    return h;
}

Handle performLater(std::function<void()> fn) { return performAfter(0, std::move(fn)); }

void cancel(Handle handle) {
    if (auto call = take(handle))
        if (call->timer) call->timer->invalidate();
}

bool isPending(Handle handle) {
    auto& t = table();
    std::lock_guard<std::mutex> lock(t.mutex);
    return t.calls.count(handle) != 0;
}

}  // namespace ui::mainloop
