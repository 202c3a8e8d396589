// The protection screen of the account-login protection.
#pragma once

#include "screens/safety/TAVOProtectionSwitchViewController.h"

class TAVOAntiAccountStealerViewController : public TAVOProtectionSwitchViewController {
public:
    using TAVOProtectionSwitchViewController::TAVOProtectionSwitchViewController;
    const TAVOProtectionDescriptor& descriptor() const override;
};
