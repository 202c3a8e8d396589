// How the interface kit schedules work on the main run loop: "on a later
// turn" and "after a delay on the clock", both cancellable by handle, both
// in the common modes (so that animations and presses keep their timing
// while a scroll view tracks a finger).
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

}  // namespace ui::mainloop
