// What a data request reports to the one that started it: exactly one of
// success (with the parsed result), platform-error failure or TAVOError
// failure. The request chain itself only ever reports TAVOError failures.
#pragma once

#include <cstdint>
#include <memory>

#include "core/errors/TAVOError.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Value.h"

class TAVODataRequest;

class TAVODataRequestDelegate {
public:
    virtual ~TAVODataRequestDelegate() = default;
    virtual void requestSucceedWithData(const std::shared_ptr<TAVODataRequest>& request, const ns::Value& result) = 0;
    virtual void requestFailedWithError(const std::shared_ptr<TAVODataRequest>& request, const ns::ErrorPtr& error) = 0;
    virtual void requestFailedWithTAVOError(const std::shared_ptr<TAVODataRequest>& request, const TAVOErrorPtr& error) = 0;
    // No request of the system reports progress.
    virtual void requestNotifyProgress(const std::shared_ptr<TAVODataRequest>&, double) {}
};
