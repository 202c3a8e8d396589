// Opens a recovery screen on the navigation stack of the screen on display.
#pragma once

#include <memory>

#include "platform/foundation/Object.h"

class TAVOAppJumper : public ns::Object {
public:
    static std::shared_ptr<TAVOAppJumper> jumper();
    static std::shared_ptr<TAVOAppJumper> create() { return std::shared_ptr<TAVOAppJumper>(new TAVOAppJumper()); }

    void jumpToUpgradeRomPage();
    // Back to the tabs, then the cloud account login in forced mode.
    void jumpToRemoteAccountPage();
    // Back to the tabs, then the local bind screen.
    void jumpToLocalAccountPage();

private:
    TAVOAppJumper() = default;
};
