// The queue of waiting push records, as the core uses it; the management
// layer registers its push-information holder here at start-up.
#pragma once

#include <memory>
#include <optional>

#include "core/services/TAVOService.h"
#include "platform/foundation/Value.h"

// Push record types.
enum TAVOPushInfoType : int {
    TAVOPushInfoTypeRouter = 0,
    TAVOPushInfoTypeNewDevice = 1,
    TAVOPushInfoTypeRom = 2,
    TAVOPushInfoTypeAppUpdate = 3,
};

class TAVOPushInbox {
public:
    virtual ~TAVOPushInbox() = default;
    // Empties the queue, then queues the record made from the payload's
    // "rudi" dictionary when one can be made.
    virtual void addPushInfo(const ns::Dictionary& payload) = 0;
    // The type of the first waiting record, or nothing when none waits.
    virtual std::optional<int> firstPushInfoType() = 0;
    virtual void removeFirstPushInfo() = 0;

    static std::shared_ptr<TAVOPushInbox> shared() { return TAVOService<TAVOPushInbox>::get(); }
    static void setShared(std::shared_ptr<TAVOPushInbox> inbox) { TAVOService<TAVOPushInbox>::set(std::move(inbox)); }
};
