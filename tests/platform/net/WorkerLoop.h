// A worker thread that serves its own run loop until the fixture ends.
#pragma once

#include <atomic>
#include <memory>

#include "platform/foundation/Perform.h"
#include "platform/foundation/RunLoop.h"
#include "platform/foundation/Thread.h"

namespace keelbox::test {

class WorkerLoop {
public:
    WorkerLoop() {
        thread_ = ns::Thread::create([stop = stop_] {
            while (!*stop) ns::RunLoop::current()->runMode(ns::kDefaultRunLoopMode, ns::Date::distantFuture());
        });
        thread_->setName("net worker");
        thread_->start();
        // The loop exists once the thread has run something on it.
        ns::performOnThread(thread_, [] {}, true);
    }
    ~WorkerLoop() {
        ns::performOnThread(thread_, [stop = stop_] { *stop = true; }, false);
        thread_->waitUntilFinished(5.0);
    }
    const std::shared_ptr<ns::Thread>& thread() const { return thread_; }
    std::shared_ptr<ns::RunLoop> runLoop() const { return thread_->runLoop(); }

private:
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<ns::Thread> thread_;
};

}  // namespace keelbox::test
