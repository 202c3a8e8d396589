// The protection screen of the local network's protection against ARP attacks.
#pragma once

#include "screens/safety/TAVOProtectionSwitchViewController.h"

class TAVOARPProtectViewController : public TAVOProtectionSwitchViewController {
public:
    using TAVOProtectionSwitchViewController::TAVOProtectionSwitchViewController;
    const TAVOProtectionDescriptor& descriptor() const override;
};
