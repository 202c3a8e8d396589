// A request answered from a cache; nothing in the system makes one, but the
// providers keep such requests in a list of their own.
#pragma once

#include "protocol/requests/TAVODataRequest.h"

class TAVOCacheDataRequest : public TAVODataRequest {
public:
    static std::shared_ptr<TAVOCacheDataRequest> create() { return std::shared_ptr<TAVOCacheDataRequest>(new TAVOCacheDataRequest()); }
    bool isCacheRequest() const override { return true; }
    std::string className() const override { return "TAVOCacheDataRequest"; }

protected:
    TAVOCacheDataRequest() = default;
};
