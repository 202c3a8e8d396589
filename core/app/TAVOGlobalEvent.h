// The global router events: the object of "tavo global event notification",
// which router screens observe and switch on.
#pragma once

enum class TAVOGlobalEvent : int {
    CurrentRouterGone = 1,     // the current router left the account
    CurrentRouterChanged = 2,  // another router (or none) is the current one
    PushInfoWaiting = 3,       // a push record waits to be shown
    LocalRouterChanged = 4,    // the router on the phone's Wi-Fi was dropped or restored
};

constexpr int TAVOGlobalEventValue(TAVOGlobalEvent event) { return static_cast<int>(event); }
