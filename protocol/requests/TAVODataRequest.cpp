#include "protocol/requests/TAVODataRequest.h"

#include <cmath>

#include "platform/foundation/Clock.h"

std::int32_t TAVODataRequest::generateToken() { return static_cast<std::int32_t>(std::floor(ns::Clock::now())); }

void TAVODataRequest::requestComplete() { parseNewData(createParser()); }

void TAVODataRequest::requestSucceesfully(const ns::Value& result) {
    if (auto d = delegate()) d->requestSucceedWithData(self<TAVODataRequest>(), result);
}

void TAVODataRequest::requestFailed(const ns::ErrorPtr& error) {
    if (auto d = delegate()) d->requestFailedWithError(self<TAVODataRequest>(), error);
}

void TAVODataRequest::requestFailedWithTAVOError(const TAVOErrorPtr& error) {
    if (auto d = delegate()) d->requestFailedWithTAVOError(self<TAVODataRequest>(), error);
}
