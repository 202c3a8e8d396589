// All time in Keelbox goes through the clock: real in the application,
// virtual in tests. Timers, delayed performs, dispatch_after, animation
// completions, idle time-outs and Date::now() read it.
//
// In virtual mode time stands still until a test advances it; the test
// harness's advance() moves it and fires every due event in order.
#pragma once

#include <functional>

namespace ns {

class Clock {
public:
    // Wall time in seconds since 1970.
    static double now();
    // Seconds on a clock that never goes backwards (for elapsed times).
    static double monotonic();

    static bool isVirtual();
    // Switches to virtual time starting at the given wall time (tests).
    static void useVirtual(double startWallTime = 1780000000.0);
    static void useReal();
    // Moves virtual time forward (no effect in real mode). Most tests call
    // the harness's advance() instead, which also fires what became due.
    static void moveVirtual(double seconds);
    // Moves virtual time forward to exactly the given wall time (no effect in
    // real mode or when that time has passed). Stepping to an event's own
    // time this way avoids rounding short of it.
    static void moveVirtualTo(double wallTime);

    // Called whenever virtual time moves, so that sleeping waiters re-check.
    // The run loop installs it (it wakes every loop and sleeping worker).
    using Listener = std::function<void()>;
    static void setVirtualTimeListener(Listener listener);
};

}  // namespace ns
