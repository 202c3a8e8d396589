// Global router events: 1 the current router no longer exists, 2 the current
// router changed, 3 a push record waits, 4 a router on the local Wi-Fi was
// found or lost. Router screens observe the notification below, whose object
// is the event number.
//
// The event hub of the core will own raising them; until it lands the facade
// raises its event through this one function, so that switching over is a
// one-line change here.
#pragma once

inline constexpr const char* kTAVOGlobalEventNotification = "tavo global event notification";

// Posts the event on the main thread (at once when called there).
void TAVORaiseGlobalRouterEvent(int event);
