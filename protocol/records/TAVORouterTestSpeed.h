// One speed test result: the measured speed and the direction tested
// (0 upload, 1 download).
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"

class TAVORouterTestSpeed : public ns::Object {
public:
    static std::shared_ptr<TAVORouterTestSpeed> initWithSpeed(int speed, int type) {
        auto record = std::shared_ptr<TAVORouterTestSpeed>(new TAVORouterTestSpeed());
        record->speed_ = speed;
        record->speedType_ = type;
        return record;
    }
    int speed() const { return speed_; }
    int speedType() const { return speedType_; }

    std::string className() const override { return "TAVORouterTestSpeed"; }
    std::string description() const override;

protected:
    TAVORouterTestSpeed() = default;

private:
    int speed_ = 0;
    int speedType_ = 0;
};
