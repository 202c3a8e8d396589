#include "platform/foundation/Singleton.h"

#include <cstdlib>
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
// Never destroyed: releases may run after other static objects are gone.
std::mutex& exitMutex() {
    static auto* m = new std::mutex;
    return *m;
}
std::vector<std::function<void()>>& exitReleases() {
    static auto* r = new std::vector<std::function<void()>>;
    return *r;
}

void runExitReleases() {
    // A destructor may create (and so register) another shared object: keep
    // going until nothing is left.
    for (;;) {
        std::function<void()> release;
        {
            std::lock_guard<std::mutex> lock(exitMutex());
            if (exitReleases().empty()) return;
            release = std::move(exitReleases().back());
            exitReleases().pop_back();
        }
        release();
    }
}
}  // namespace

void releaseAtExit(std::function<void()> release) {
    {
        std::lock_guard<std::mutex> lock(exitMutex());
        exitReleases().push_back(std::move(release));
    }
    // Registered again with every new kind of shared object, so the handler
    // runs before any static object constructed up to now is destroyed; the
    // later runs find the list empty.
    std::atexit(runExitReleases);
}

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
