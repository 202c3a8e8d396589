// The protection screen of the blocking of dangerous web sites (the cloud engine), shown with a radar.
#pragma once

#include "screens/safety/TAVOProtectionSwitchViewController.h"

class TAVOBlockDangerousWebsitesViewController : public TAVOProtectionSwitchViewController {
public:
    using TAVOProtectionSwitchViewController::TAVOProtectionSwitchViewController;
    const TAVOProtectionDescriptor& descriptor() const override;
};
