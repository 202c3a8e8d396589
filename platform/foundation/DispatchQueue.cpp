#include "platform/foundation/DispatchQueue.h"

#include <algorithm>
#include <condition_variable>
#include <vector>

#include "platform/foundation/Log.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Singleton.h"
#include "platform/foundation/Thread.h"
#include "platform/foundation/Timer.h"
#include "platform/foundation/WorkerPool.h"

namespace dispatch {

namespace {

// The queues whose blocks the calling thread is running, innermost last.
thread_local std::vector<const Queue*> tQueueStack;

struct QueueScope {
    explicit QueueScope(const Queue* q) { tQueueStack.push_back(q); }
    ~QueueScope() { tQueueStack.pop_back(); }
};

// A one-shot completion a caller can wait on.
struct Completion {
    std::mutex mutex;
    std::condition_variable condition;
    bool done = false;
    void signal() {
        {
            std::lock_guard<std::mutex> lock(mutex);
            done = true;
        }
        condition.notify_all();
    }
    void wait() {
        std::unique_lock<std::mutex> lock(mutex);
        condition.wait(lock, [&] { return done; });
    }
};

// The thread whose run loop holds the timers of after() for queues other
// than the main one.
std::shared_ptr<ns::RunLoop> timerLoop() {
    static std::shared_ptr<ns::RunLoop> loop = [] {
        auto thread = ns::Thread::create([] {
            for (;;) ns::RunLoop::current()->run();
        });
        thread->setName("dispatch-timers");
        thread->start();
        return thread->runLoop();
    }();
    return loop;
}

// Pending after() timers of the other queues. A test's leftovers are
// cancelled when it ends (the main loop's own timers go with the main loop).
struct PendingAfters {
    std::mutex mutex;
    std::vector<std::weak_ptr<ns::Timer>> timers;
};
PendingAfters& pendingAfters() {
    static auto* p = [] {
        auto* pending = new PendingAfters;
        ns::onTestReset([pending] {
            std::vector<std::weak_ptr<ns::Timer>> timers;
            {
                std::lock_guard<std::mutex> lock(pending->mutex);
                timers.swap(pending->timers);
            }
            for (auto& weak : timers) {
                if (auto timer = weak.lock()) timer->invalidate();
            }
        });
        return pending;
    }();
    return *p;
}

void rememberAfter(const std::shared_ptr<ns::Timer>& timer) {
    auto& p = pendingAfters();
    std::lock_guard<std::mutex> lock(p.mutex);
    p.timers.erase(std::remove_if(p.timers.begin(), p.timers.end(), [](const auto& w) { return w.expired(); }),
                   p.timers.end());
    p.timers.push_back(timer);
}

}  // namespace

Queue::Queue(std::string label, Kind kind) : label_(std::move(label)), kind_(kind) {}

std::shared_ptr<Queue> Queue::main() {
    static auto* queue = new std::shared_ptr<Queue>(new Queue(kMainQueueLabel, Kind::Main));
    return *queue;
}

std::shared_ptr<Queue> Queue::global(QueuePriority priority) {
    static auto* queues = new std::shared_ptr<Queue>[4]{
        std::shared_ptr<Queue>(new Queue("com.apple.root.user-initiated-qos", Kind::Global)),
        std::shared_ptr<Queue>(new Queue("com.apple.root.default-qos", Kind::Global)),
        std::shared_ptr<Queue>(new Queue("com.apple.root.utility-qos", Kind::Global)),
        std::shared_ptr<Queue>(new Queue("com.apple.root.background-qos", Kind::Global)),
    };
    return queues[static_cast<int>(priority)];
}

std::shared_ptr<Queue> Queue::create(std::string label, QueueAttribute attribute) {
    return std::shared_ptr<Queue>(
        new Queue(std::move(label), attribute == QueueAttribute::Serial ? Kind::Serial : Kind::Concurrent));
}

void Queue::async(std::function<void()> block) {
    if (!block) return;
    enqueue({std::move(block), false});
}

void Queue::barrierAsync(std::function<void()> block) {
    if (!block) return;
    enqueue({std::move(block), kind_ == Kind::Concurrent});
}

void Queue::enqueue(Task task) {
    if (kind_ == Kind::Main) {
        ns::RunLoop::main()->perform(std::move(task.block));
        return;
    }
    std::deque<Task> startable;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_.push_back(std::move(task));
        startable = takeStartableLocked();
    }
    start(std::move(startable));
}

std::deque<Queue::Task> Queue::takeStartableLocked() {
    std::deque<Task> out;
    const int width = kind_ == Kind::Serial ? 1 : std::numeric_limits<int>::max();
    while (!pending_.empty() && !barrierRunning_) {
        Task& next = pending_.front();
        if (next.barrier) {
            if (running_ > 0) break;
            barrierRunning_ = true;
        } else if (running_ >= width) {
            break;
        }
        ++running_;
        bool barrier = next.barrier;
        out.push_back(std::move(next));
        pending_.pop_front();
        if (barrier) break;
    }
    return out;
}

void Queue::start(std::deque<Task> tasks) {
    if (tasks.empty()) return;
    auto self = std::static_pointer_cast<Queue>(shared_from_this());
    for (auto& task : tasks) {
        ns::WorkerPool::submit([self, task = std::move(task)]() mutable { self->runFrom(std::move(task)); });
    }
}

void Queue::runFrom(Task task) {
    // The worker goes on with the queue's next block itself, rather than
    // handing it to another thread: a serial queue drains on one thread.
    for (;;) {
        {
            QueueScope scope(this);
            task.block();
            task.block = nullptr;
        }
        std::deque<Task> startable;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            --running_;
            if (task.barrier) barrierRunning_ = false;
            startable = takeStartableLocked();
        }
        if (startable.empty()) return;
        task = std::move(startable.front());
        startable.pop_front();
        start(std::move(startable));
    }
}

bool Queue::isRunningOnCallerStack() const {
    return std::find(tQueueStack.begin(), tQueueStack.end(), this) != tQueueStack.end();
}

void Queue::sync(const std::function<void()>& block) {
    if (!block) return;
    bool deadlocks = kind_ == Kind::Main ? ns::Thread::isMainThread()
                                         : (kind_ == Kind::Serial && isRunningOnCallerStack());
    if (deadlocks) {
        if (kind_ != Kind::Main) ns::logWarning("dispatch: sync onto the queue running the caller; ran inline");
        QueueScope scope(this);
        block();
        return;
    }
    auto done = std::make_shared<Completion>();
    if (kind_ == Kind::Main) {
        if (!ns::RunLoop::main()->perform([&block, done] {
                block();
                done->signal();
            }))
            return;
    } else {
        enqueue({[&block, done] {
                     block();
                     done->signal();
                 },
                 false});
    }
    done->wait();
}

void Queue::barrierSync(const std::function<void()>& block) {
    if (!block) return;
    if (kind_ != Kind::Concurrent) {
        sync(block);
        return;
    }
    if (isRunningOnCallerStack()) {
        ns::logWarning("dispatch: barrier sync onto the queue running the caller; ran inline");
        block();
        return;
    }
    auto done = std::make_shared<Completion>();
    enqueue({[&block, done] {
                 block();
                 done->signal();
             },
             true});
    done->wait();
}

void after(double seconds, const std::shared_ptr<Queue>& queue, std::function<void()> block) {
    if (!queue || !block) return;
    auto timer = ns::Timer::timerWithTimeInterval(
        std::max(seconds, 0.0), false,
        [queue, block = std::move(block)](std::shared_ptr<ns::Timer>) mutable { queue->async(std::move(block)); });
    // Main-queue timers live on the main loop, so advancing virtual time
    // fires them in order with the loop's other timers.
    if (queue->isMainQueue()) {
        ns::RunLoop::main()->addTimer(timer, ns::kRunLoopCommonModes);
        return;
    }
    rememberAfter(timer);
    timerLoop()->addTimer(timer, ns::kRunLoopCommonModes);
}

std::string currentQueueLabel() {
    if (!tQueueStack.empty()) return tQueueStack.back()->label();
    if (ns::Thread::isMainThread()) return Queue::kMainQueueLabel;
    return std::string();
}

}  // namespace dispatch
