// The run loop and dispatch queues against the plainest hand-written
// equivalents: posting and draining 1000 blocks on a run loop against a
// mutex-guarded deque, and 1000 blocks through a serial dispatch queue
// against one dedicated worker thread. Prints "ratio: <what> <ours / direct>".
#include <benchmark/benchmark.h>

#include "bench/support/RatioReporter.h"

#include <condition_variable>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

#include "platform/foundation/Dispatch.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"

namespace {

constexpr int kBlocks = 1000;

void BM_RunLoop_PerformDrain1000(benchmark::State& state) {
    auto loop = ns::RunLoop::main();
    long counter = 0;
    for (auto _ : state) {
        for (int i = 0; i < kBlocks; ++i) loop->perform([&counter] { ++counter; });
        while (loop->runMode(ns::kDefaultRunLoopMode, ns::Date::distantPast())) {
        }
    }
    benchmark::DoNotOptimize(counter);
}

void BM_Direct_MutexDequeDrain1000(benchmark::State& state) {
    std::mutex mutex;
    std::deque<std::function<void()>> queue;
    long counter = 0;
    for (auto _ : state) {
        for (int i = 0; i < kBlocks; ++i) {
            std::lock_guard<std::mutex> lock(mutex);
            queue.push_back([&counter] { ++counter; });
        }
        std::deque<std::function<void()>> batch;
        {
            std::lock_guard<std::mutex> lock(mutex);
            batch.swap(queue);
        }
        for (auto& f : batch) f();
    }
    benchmark::DoNotOptimize(counter);
}

void BM_SerialQueue_Async1000(benchmark::State& state) {
    auto queue = dispatch::Queue::create("bench.serial");
    long counter = 0;
    for (auto _ : state) {
        for (int i = 0; i < kBlocks; ++i) queue->async([&counter] { ++counter; });
        queue->sync([] {});
    }
    benchmark::DoNotOptimize(counter);
}

// One worker thread fed through a mutex and a condition variable.
class DirectWorker {
public:
    DirectWorker() : thread_([this] { loop(); }) {}
    ~DirectWorker() {
        post(nullptr);
        thread_.join();
    }
    void post(std::function<void()> f) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            tasks_.push_back(std::move(f));
        }
        cv_.notify_one();
    }
    void waitIdle() {
        std::mutex m;
        std::condition_variable done;
        bool finished = false;
        post([&] {
            std::lock_guard<std::mutex> lock(m);
            finished = true;
            done.notify_one();
        });
        std::unique_lock<std::mutex> lock(m);
        done.wait(lock, [&] { return finished; });
    }

private:
    void loop() {
        for (;;) {
            std::function<void()> f;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                cv_.wait(lock, [&] { return !tasks_.empty(); });
                f = std::move(tasks_.front());
                tasks_.pop_front();
            }
            if (!f) return;
            f();
        }
    }
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<std::function<void()>> tasks_;
    std::thread thread_;
};

void BM_Direct_WorkerThread1000(benchmark::State& state) {
    DirectWorker worker;
    long counter = 0;
    for (auto _ : state) {
        for (int i = 0; i < kBlocks; ++i) worker.post([&counter] { ++counter; });
        worker.waitIdle();
    }
    benchmark::DoNotOptimize(counter);
}

void BM_NotificationCenter_Post10Observers(benchmark::State& state) {
    auto center = ns::NotificationCenter::create();
    long counter = 0;
    std::vector<ns::ObjectPtr> tokens;
    for (int i = 0; i < 10; ++i) {
        tokens.push_back(center->addObserverForName("BenchNote", {}, nullptr,
                                                    [&counter](const ns::NotificationPtr&) { ++counter; }));
    }
    for (auto _ : state) center->postNotificationName("BenchNote");
    benchmark::DoNotOptimize(counter);
}

BENCHMARK(BM_RunLoop_PerformDrain1000);
BENCHMARK(BM_Direct_MutexDequeDrain1000);
BENCHMARK(BM_SerialQueue_Async1000);
BENCHMARK(BM_Direct_WorkerThread1000);
BENCHMARK(BM_NotificationCenter_Post10Observers);


}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    keelbox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("runloop-perform-drain-1000", "BM_RunLoop_PerformDrain1000", "BM_Direct_MutexDequeDrain1000");
    reporter.printRatio("serial-queue-async-1000", "BM_SerialQueue_Async1000", "BM_Direct_WorkerThread1000");
    benchmark::Shutdown();
    return 0;
}
