// The internet line (section "internet_status" of the router status).
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterInternetStatus : public ns::Object {
public:
    static std::shared_ptr<TAVORouterInternetStatus> create() { return std::shared_ptr<TAVORouterInternetStatus>(new TAVORouterInternetStatus()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterInternetStatus> initWithDictionary(const ns::Value& dictionary);

    std::string isp;  // the line provider's name
    std::string topSpeed;
    std::string avgSpeed;

    std::string className() const override { return "TAVORouterInternetStatus"; }
    std::string description() const override;

protected:
    TAVORouterInternetStatus() = default;
};
