// The protection screen of DNS protection.
#pragma once

#include "screens/safety/TAVOProtectionSwitchViewController.h"

class TAVODNSProtectViewController : public TAVOProtectionSwitchViewController {
public:
    using TAVOProtectionSwitchViewController::TAVOProtectionSwitchViewController;
    const TAVOProtectionDescriptor& descriptor() const override;
};
