#include "widgets/TAVORotationView.h"

#include <cmath>
#include <numbers>

#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/Transaction.h"

void TAVORotationView::setDictionaryValueToAngle(const std::map<double, double>& table) {
    valueToAngle_ = table;
    sortedValues_.clear();
    for (const auto& [value, angle] : valueToAngle_) sortedValues_.push_back(value);
}

double TAVORotationView::angleFromValue(double x) const {
    if (sortedValues_.empty()) return 0;
    double degrees = valueToAngle_.at(sortedValues_.back());
    for (std::size_t i = 0; i < sortedValues_.size(); ++i) {
        const double k = sortedValues_[i];
        if (!(x <= k)) continue;
        if (i == 0) {
            degrees = valueToAngle_.at(k);
        } else {
            const double p = sortedValues_[i - 1];
            const double ap = valueToAngle_.at(p), ak = valueToAngle_.at(k);
            degrees = ap + (x - p) * (ak - ap) / (k - p);
        }
        break;
    }
    return degrees * std::numbers::pi / 180;
}

void TAVORotationView::setAngle(double radians) {
    layer()->setTransform(ca::Transform3DMakeRotation(radians, 0, 0, 1));
    setAngle(radians, kDefaultDuration, nullptr);
}

void TAVORotationView::setAngle(double radians, double duration, std::function<void()> completion) {
    const double old = angle_;
    angle_ = radians;
    // The model turns at once; the animation shows the way there.
    layer()->setTransform(ca::Transform3DMakeRotation(radians, 0, 0, 1));

    ca::Transaction::begin();
    ca::Transaction::setAnimationDuration(duration);
    ca::Transaction::setCompletionBlock([completion] {
        if (completion) completion();
    });
    auto turn = ca::KeyframeAnimation::animationWithKeyPath("transform.rotation.z");
    if (std::fabs(radians - old) < std::numbers::pi) {
        turn->values = {old, radians};
    } else {
        turn->values = {old, (old + radians) / 2, radians};
    }
    turn->removedOnCompletion = false;
    turn->fillMode = ca::FillMode::Both;
    layer()->addAnimation(turn, kRotationAnimationKey);
    ca::Transaction::commit();
}
