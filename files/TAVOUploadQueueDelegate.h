// What the upload queue tells the router-disk list that shows it.
#pragma once

#include "core/errors/TAVOError.h"
#include "protocol/commands/TAVOFileInfo.h"

class TAVOUploadQueueDelegate {
public:
    virtual ~TAVOUploadQueueDelegate() = default;
    // The queue changed: refresh the listing.
    virtual void uploadQueueDidChange() = 0;
    // A chunk of the record was acknowledged: `progress` of 1.
    virtual void uploadQueueProgress(const TAVOFileInfoPtr& record, double progress) = 0;
    // A chunk failed other than by cancellation.
    virtual void uploadQueueShowError(const TAVOErrorPtr& error) = 0;
};
