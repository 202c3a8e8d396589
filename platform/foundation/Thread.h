// A thread of the program, with a name and its own run loop.
//
// Thread::create(block) makes a thread that runs `block` once started; a
// worker that should serve its run loop calls RunLoop::current()->run() in
// its block. Threads not started here (the main thread, dispatch workers)
// get a Thread object on first use of currentThread().
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "platform/foundation/Date.h"
#include "platform/foundation/Object.h"

namespace ns {

class RunLoop;

class Thread : public Object {
public:
    static std::shared_ptr<Thread> create(std::function<void()> block);
    // Creates and starts a thread at once.
    static std::shared_ptr<Thread> detachNewThread(std::function<void()> block);

    static std::shared_ptr<Thread> currentThread();
    static std::shared_ptr<Thread> mainThread();
    // Whether the caller runs on the main thread (the thread that started
    // the process).
    static bool isMainThread();

    // Sleeps the calling thread. With a virtual clock a worker sleeps until
    // virtual time has moved past the date; the main thread, which is the
    // one that would move it, moves the clock itself instead of blocking.
    static void sleepForTimeInterval(double seconds);
    static void sleepUntilDate(Date date);
    // Earliest virtual wake-up time of a sleeping worker after `wallTime`;
    // +infinity when none (the harness steps to it).
    static double nextSleeperWakeAfter(double wallTime);
    // Wakes sleepers to re-check the clock (the clock's listener calls it).
    static void clockMoved();

    void start();
    void cancel();
    bool isCancelled() const;
    bool isExecuting() const;
    bool isFinished() const;
    // Waits (real time) until the thread's block has returned.
    bool waitUntilFinished(double realTimeoutSeconds) const;

    void setName(std::string name);
    std::string name() const;
    bool isMain() const;
    // The thread's own run loop (the main loop for the main thread).
    std::shared_ptr<RunLoop> runLoop() const;

private:
    Thread() = default;
    void body();

    mutable std::mutex mutex_;
    mutable std::condition_variable finishedCondition_;
    std::function<void()> block_;
    std::string name_;
    std::shared_ptr<RunLoop> runLoop_;
    bool started_ = false;
    bool executing_ = false;
    bool finished_ = false;
    bool cancelled_ = false;
    bool isMain_ = false;
};

}  // namespace ns
