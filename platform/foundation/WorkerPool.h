// The threads behind the dispatch queues.
//
// A task never waits for a free thread: when every worker is busy (perhaps
// blocked on a semaphore another task will signal) a new one starts, up to a
// generous cap. Idle workers end after a while.
#pragma once

#include <functional>

namespace ns {

class WorkerPool {
public:
    static void submit(std::function<void()> task);
};

}  // namespace ns
