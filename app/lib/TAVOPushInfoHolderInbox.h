// The core's push inbox, backed by the management layer's push-information
// holder: what the event hub and start-up hand on lands in the holder the
// screens read.
#pragma once

#include "core/services/TAVOPushInbox.h"

class TAVOPushInfoHolderInbox : public TAVOPushInbox {
public:
    void addPushInfo(const ns::Dictionary& payload) override;
    std::optional<int> firstPushInfoType() override;
    void removeFirstPushInfo() override;
};
