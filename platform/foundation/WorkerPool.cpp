#include "platform/foundation/WorkerPool.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace ns {

namespace {

constexpr int kMaxWorkers = 128;
constexpr auto kIdleLifetime = std::chrono::seconds(10);

struct Pool {
    std::mutex mutex;
    std::condition_variable available;
    std::deque<std::function<void()>> tasks;
    int workers = 0;
    int idle = 0;
};
Pool& pool() {
    static auto* p = new Pool;  // never destroyed: workers may run past static teardown
    return *p;
}

void workerLoop() {
    auto& p = pool();
    std::unique_lock<std::mutex> lock(p.mutex);
    for (;;) {
        ++p.idle;
        bool woke = p.available.wait_for(lock, kIdleLifetime, [&] { return !p.tasks.empty(); });
        --p.idle;
        if (!woke) {
            --p.workers;
            return;
        }
        auto task = std::move(p.tasks.front());
        p.tasks.pop_front();
        lock.unlock();
        task();
        task = nullptr;
        lock.lock();
    }
}

}  // namespace

void WorkerPool::submit(std::function<void()> task) {
    auto& p = pool();
    bool spawn = false;
    {
        std::lock_guard<std::mutex> lock(p.mutex);
        p.tasks.push_back(std::move(task));
        if (p.idle < static_cast<int>(p.tasks.size()) && p.workers < kMaxWorkers) {
            ++p.workers;
            spawn = true;
        }
    }
    if (spawn) std::thread(workerLoop).detach();
    p.available.notify_one();
}

}  // namespace ns
