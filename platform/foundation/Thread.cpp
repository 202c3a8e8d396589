#include "platform/foundation/Thread.h"

#include <pthread.h>

#include <chrono>
#include <limits>
#include <set>

#include "platform/foundation/Clock.h"
#include "platform/foundation/RunLoop.h"

namespace ns {

namespace {

std::thread::id mainThreadId() {
    static const std::thread::id id = std::this_thread::get_id();
    return id;
}
// Static initialisation runs on the thread that starts the process: that
// is the main thread, whoever asks first later.
const std::thread::id kMainThreadAtStart = mainThreadId();

struct MainThreadHolder {
    std::mutex mutex;
    std::shared_ptr<Thread> thread;
};
MainThreadHolder& mainThreadHolder() {
    static auto* h = new MainThreadHolder;
    return *h;
}

thread_local std::shared_ptr<Thread> tCurrentThread;

// Workers sleeping on virtual time, by wake-up time.
struct Sleepers {
    std::mutex mutex;
    std::condition_variable moved;
    std::multiset<double> wakes;
};
Sleepers& sleepers() {
    static auto* s = new Sleepers;
    return *s;
}

}  // namespace

std::shared_ptr<Thread> Thread::create(std::function<void()> block) {
    auto thread = std::shared_ptr<Thread>(new Thread());
    thread->block_ = std::move(block);
    thread->runLoop_ = std::make_shared<RunLoop>();
    return thread;
}

std::shared_ptr<Thread> Thread::detachNewThread(std::function<void()> block) {
    auto thread = create(std::move(block));
    thread->start();
    return thread;
}

bool Thread::isMainThread() { return std::this_thread::get_id() == mainThreadId(); }

std::shared_ptr<Thread> Thread::mainThread() {
    auto& h = mainThreadHolder();
    std::lock_guard<std::mutex> lock(h.mutex);
    if (!h.thread) {
        h.thread = std::shared_ptr<Thread>(new Thread());
        h.thread->isMain_ = true;
        h.thread->started_ = true;
        h.thread->executing_ = true;
        h.thread->name_ = "main";
    }
    return h.thread;
}

std::shared_ptr<Thread> Thread::currentThread() {
    if (isMainThread()) return mainThread();
    if (!tCurrentThread) {
        // A thread started elsewhere (a dispatch worker): describe it once.
        auto thread = std::shared_ptr<Thread>(new Thread());
        thread->started_ = true;
        thread->executing_ = true;
        thread->runLoop_ = RunLoop::current();
        tCurrentThread = thread;
    }
    return tCurrentThread;
}

void Thread::start() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (started_) return;
        started_ = true;
        executing_ = true;
    }
    auto self = std::static_pointer_cast<Thread>(shared_from_this());
    std::thread([self] { self->body(); }).detach();
}

void Thread::body() {
    std::function<void()> block;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        block.swap(block_);
        if (!name_.empty()) pthread_setname_np(pthread_self(), name_.substr(0, 15).c_str());
    }
    tCurrentThread = std::static_pointer_cast<Thread>(shared_from_this());
    RunLoop::bindCurrent(runLoop_);
    if (block) block();
    block = nullptr;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        executing_ = false;
        finished_ = true;
    }
    finishedCondition_.notify_all();
    tCurrentThread.reset();
}

void Thread::cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    cancelled_ = true;
}

bool Thread::isCancelled() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return cancelled_;
}

bool Thread::isExecuting() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return executing_;
}

bool Thread::isFinished() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return finished_;
}

bool Thread::waitUntilFinished(double realTimeoutSeconds) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return finishedCondition_.wait_for(lock, std::chrono::duration<double>(realTimeoutSeconds),
                                       [&] { return finished_; });
}

void Thread::setName(std::string name) {
    std::lock_guard<std::mutex> lock(mutex_);
    name_ = std::move(name);
}

std::string Thread::name() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return name_;
}

bool Thread::isMain() const { return isMain_; }

std::shared_ptr<RunLoop> Thread::runLoop() const {
    if (isMain_) return RunLoop::main();
    std::lock_guard<std::mutex> lock(mutex_);
    return runLoop_;
}

void Thread::sleepForTimeInterval(double seconds) {
    sleepUntilDate(Date::withTimeIntervalSince1970(Clock::now() + seconds));
}

void Thread::sleepUntilDate(Date date) {
    const double wake = date.timeIntervalSince1970();
    if (!Clock::isVirtual()) {
        double span = wake - Clock::now();
        if (span > 0) std::this_thread::sleep_for(std::chrono::duration<double>(span));
        return;
    }
    if (isMainThread()) {
        // Nothing else would move virtual time while the main thread blocks.
        Clock::moveVirtualTo(wake);
        return;
    }
    auto& s = sleepers();
    std::unique_lock<std::mutex> lock(s.mutex);
    auto entry = s.wakes.insert(wake);
    while (Clock::isVirtual() && Clock::now() < wake) {
        s.moved.wait_for(lock, std::chrono::seconds(1));
    }
    s.wakes.erase(entry);
}

double Thread::nextSleeperWakeAfter(double wallTime) {
    auto& s = sleepers();
    std::lock_guard<std::mutex> lock(s.mutex);
    auto it = s.wakes.upper_bound(wallTime);
    return it == s.wakes.end() ? std::numeric_limits<double>::infinity() : *it;
}

void Thread::clockMoved() {
    auto& s = sleepers();
    { std::lock_guard<std::mutex> lock(s.mutex); }
    s.moved.notify_all();
}

}  // namespace ns
