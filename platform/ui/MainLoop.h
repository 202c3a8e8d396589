// How the interface kit schedules work on the main thread: "on a later
// turn" and "after a delay on the clock".
//
// TEMPORARY: this is a private stand-in until the shared run loop lands;
// it keeps its own queue ordered by due time (virtual clock) and FIFO among
// equal times. Tests drive it through advance(). Replace the bodies with
// ns::RunLoop performs and the harness's advance() when available.
#pragma once

#include <cstdint>
#include <functional>

namespace ui::mainloop {

using Handle = std::uint64_t;

// Runs fn on a later turn of the main loop, never inside this call.
Handle performLater(std::function<void()> fn);
// Runs fn once `delay` seconds of clock time have passed (on a later turn
// even when the delay is 0).
Handle performAfter(double delay, std::function<void()> fn);
// Cancels a pending call; unknown or finished handles are ignored.
void cancel(Handle handle);
bool isPending(Handle handle);

// Moves virtual time forward by `seconds`, running every call that becomes
// due in time order (and every call those schedule within the interval).
void advance(double seconds);
// Runs everything due now, including calls queued while running.
void runUntilIdle();

}  // namespace ui::mainloop
