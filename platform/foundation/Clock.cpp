#include "platform/foundation/Clock.h"

#include <atomic>
#include <chrono>
#include <mutex>

namespace ns {

namespace {
struct ClockState {
    std::mutex mutex;
    bool isVirtual = false;
    double virtualWall = 0;       // wall time in virtual mode
    double virtualMonotonic = 0;  // monotonic time in virtual mode
    Clock::Listener listener;
};
ClockState& state() {
    static ClockState s;
    return s;
}
}  // namespace

double Clock::now() {
    auto& s = state();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (s.isVirtual) return s.virtualWall;
    }
    using namespace std::chrono;
    return duration<double>(system_clock::now().time_since_epoch()).count();
}

double Clock::monotonic() {
    auto& s = state();
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (s.isVirtual) return s.virtualMonotonic;
    }
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

bool Clock::isVirtual() {
    auto& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.isVirtual;
}

void Clock::useVirtual(double startWallTime) {
    auto& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.isVirtual = true;
    s.virtualWall = startWallTime;
    s.virtualMonotonic = 1000.0;
}

void Clock::useReal() {
    auto& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.isVirtual = false;
}

void Clock::moveVirtual(double seconds) {
    auto& s = state();
    Listener listener;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (!s.isVirtual || seconds <= 0) return;
        s.virtualWall += seconds;
        s.virtualMonotonic += seconds;
        listener = s.listener;
    }
    if (listener) listener();
}

void Clock::moveVirtualTo(double wallTime) {
    auto& s = state();
    Listener listener;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        if (!s.isVirtual || wallTime <= s.virtualWall) return;
        s.virtualMonotonic += wallTime - s.virtualWall;
        s.virtualWall = wallTime;
        listener = s.listener;
    }
    if (listener) listener();
}

void Clock::setVirtualTimeListener(Listener listener) {
    auto& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    s.listener = std::move(listener);
}

}  // namespace ns
