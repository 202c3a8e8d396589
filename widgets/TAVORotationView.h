// A view turned to an angle looked up from a table of values (the speed
// test's needle): values between two keys turn it proportionally, values
// outside the table to the nearest end. A swing of half a turn or more
// goes through the middle angle so it turns the short-looking way round.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/ui/View.h"

class TAVORotationView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVORotationView> create(const cg::Rect& frame = {}) {
        return make<TAVORotationView>(frame);
    }

    static constexpr double kDefaultDuration = 0.25;
    static constexpr const char* kRotationAnimationKey = "rotation";

    // Value to angle in degrees; an empty table turns every value to 0.
    const std::map<double, double>& dictionaryValueToAngle() const { return valueToAngle_; }
    void setDictionaryValueToAngle(const std::map<double, double>& table);
    const std::vector<double>& sortedValues() const { return sortedValues_; }

    // Radians.
    double angleFromValue(double value) const;
    double angle() const { return angle_; }
    void setAngle(double radians);
    void setAngle(double radians, double duration, std::function<void()> completion);
    void setValue(double value) { setAngle(angleFromValue(value)); }
    void setValue(double value, double duration, std::function<void()> completion) {
        setAngle(angleFromValue(value), duration, std::move(completion));
    }

private:
    double angle_ = 0;
    std::map<double, double> valueToAngle_;
    std::vector<double> sortedValues_;
};

using TAVORotationViewPtr = std::shared_ptr<TAVORotationView>;
