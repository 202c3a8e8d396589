// The protection screen of heartbleed protection.
#pragma once

#include "screens/safety/TAVOProtectionSwitchViewController.h"

class TAVOHeartBloodProtectionViewController : public TAVOProtectionSwitchViewController {
public:
    using TAVOProtectionSwitchViewController::TAVOProtectionSwitchViewController;
    const TAVOProtectionDescriptor& descriptor() const override;
};
