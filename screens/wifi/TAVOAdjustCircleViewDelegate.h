// Hears the step a rotary knob was left on.
#pragma once

class TAVOAdjustCircleView;

class TAVOAdjustCircleViewDelegate {
public:
    virtual ~TAVOAdjustCircleViewDelegate() = default;
    // Optional.
    virtual void circleView(TAVOAdjustCircleView& /*view*/, int /*position*/) {}
};
