// The intercepted pages and when the list was last cleaned.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOInterceptCollection : public ns::Object {
public:
    static std::shared_ptr<TAVOInterceptCollection> create() {
        return std::shared_ptr<TAVOInterceptCollection>(new TAVOInterceptCollection());
    }
    ns::Value interceptList;  // an array of TAVOInterceptItem, or nil when none
    std::string lastCleanTime;

    std::string className() const override { return "TAVOInterceptCollection"; }

protected:
    TAVOInterceptCollection() = default;
};
