#include "platform/foundation/Singleton.h"

#include <vector>

namespace ns {

namespace {
std::mutex& resetMutex() {
    static std::mutex m;
    return m;
}
std::vector<std::function<void()>>& resets() {
    static std::vector<std::function<void()>> r;
    return r;
}
}  // namespace

void onTestReset(std::function<void()> reset) {
    std::lock_guard<std::mutex> lock(resetMutex());
    resets().push_back(std::move(reset));
}

void resetSingletonsForTesting() {
    std::vector<std::function<void()>> copy;
    {
        std::lock_guard<std::mutex> lock(resetMutex());
        copy = resets();
    }
    // Newest first: later singletons may hold earlier ones.
    for (auto it = copy.rbegin(); it != copy.rend(); ++it) (*it)();
}

}  // namespace ns
