// What the download queue tells the list that shows it.
#pragma once

#include <cstdint>
#include <string>

#include "core/errors/TAVOError.h"
#include "protocol/commands/TAVOFileInfo.h"

class TAVODownloadQueueDelegate {
public:
    virtual ~TAVODownloadQueueDelegate() = default;
    // The queue or a record's state changed: rebuild the list.
    virtual void downloadQueueDidChange() = 0;
    // A chunk of the record arrived: `done` of `total` bytes.
    virtual void downloadQueueProgress(const TAVOFileInfoPtr& record, double done, double total) = 0;
    // A chunk failed other than by cancellation.
    virtual void downloadQueueShowError(const TAVOErrorPtr& error) = 0;
    // A record was refused (its name cannot name a file here).
    virtual void downloadQueueRefused(const std::string& message) = 0;
};
