// Global router events (TAVOGlobalEvent): 1 the current router no longer
// exists, 2 the current router changed, 3 a push record waits, 4 a router on
// the local Wi-Fi was found or lost. Router screens observe
// kTAVOGlobalEventNotification, whose object is the event number; the core's
// event hub raises them.
#pragma once

#include "core/app/TAVOAppEventHandler.h"

// Hands the event to the event hub on the main thread (at once when called there).
void TAVORaiseGlobalRouterEvent(int event);
inline void TAVORaiseGlobalRouterEvent(TAVOGlobalEvent event) { TAVORaiseGlobalRouterEvent(TAVOGlobalEventValue(event)); }
