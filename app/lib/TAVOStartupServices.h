// Puts the higher layers' implementations into the core's service slots.
// Runs before the application launches, so that launching already reaches
// the real facade, push holder, version source, alerts, toasts and screens.
#pragma once

class TAVOStartupServices {
public:
    static void registerAll();
};
