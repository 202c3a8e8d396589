// Dispatch queues: the main queue, the global queues and named serial or
// concurrent queues.
//
// The main queue hands its blocks to the main run loop: FIFO, and always on
// a later turn than the call that posted them. The other queues run on a
// shared pool of real threads. after() counts ns::Clock time, so with a
// virtual clock it fires when a test advances past it.
#pragma once

#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <string>

#include "platform/foundation/Object.h"

namespace dispatch {

// Waits without a time limit.
inline constexpr double kForever = std::numeric_limits<double>::infinity();

enum class QueueAttribute { Serial, Concurrent };
enum class QueuePriority { High, Default, Low, Background };

class Queue : public ns::Object {
public:
    // Labels as the platform reports them.
    static constexpr const char* kMainQueueLabel = "com.apple.main-thread";

    static std::shared_ptr<Queue> main();
    static std::shared_ptr<Queue> global(QueuePriority priority = QueuePriority::Default);
    static std::shared_ptr<Queue> create(std::string label, QueueAttribute attribute = QueueAttribute::Serial);

    void async(std::function<void()> block);
    // Runs `block` on the queue and waits for it. Where the platform would
    // deadlock (sync onto the queue the caller is running on, or onto the
    // main queue from the main thread) the block runs at once instead.
    void sync(const std::function<void()>& block);
    // On a concurrent queue the block runs alone, after everything submitted
    // before it and before everything submitted after; elsewhere it is async().
    void barrierAsync(std::function<void()> block);
    void barrierSync(const std::function<void()>& block);

    const std::string& label() const { return label_; }
    bool isMainQueue() const { return kind_ == Kind::Main; }

private:
    enum class Kind { Main, Serial, Concurrent, Global };
    struct Task {
        std::function<void()> block;
        bool barrier;
    };
    Queue(std::string label, Kind kind);
    void enqueue(Task task);
    // Starts what may run now; called with mutex_ held, returns the tasks to start.
    std::deque<Task> takeStartableLocked();
    void start(std::deque<Task> tasks);
    // Runs `task` on the calling worker, then whatever may run after it.
    void runFrom(Task task);
    bool isRunningOnCallerStack() const;

    std::string label_;
    Kind kind_;
    std::mutex mutex_;
    std::deque<Task> pending_;
    int running_ = 0;
    bool barrierRunning_ = false;
};

// Submits `block` to `queue` once `seconds` of ns::Clock time have passed.
void after(double seconds, const std::shared_ptr<Queue>& queue, std::function<void()> block);

// The label of the queue running the caller: the main queue's on the main
// thread, empty on a thread no queue runs.
std::string currentQueueLabel();

}  // namespace dispatch
