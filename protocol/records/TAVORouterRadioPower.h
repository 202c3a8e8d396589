// The transmit power of one band.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVORouterRadioPower : public ns::Object {
public:
    static std::shared_ptr<TAVORouterRadioPower> create() { return std::shared_ptr<TAVORouterRadioPower>(new TAVORouterRadioPower()); }
    // Throws TAVOReplyShapeError when a value has the wrong JSON kind.
    static std::shared_ptr<TAVORouterRadioPower> initWithDictionary(const ns::Value& dictionary);

    std::string frequency;  // "2.4G" or "5G"
    float powerPercent = 0;

    std::string className() const override { return "TAVORouterRadioPower"; }
    std::string description() const override;

protected:
    TAVORouterRadioPower() = default;
};
