// Hears each step of a stepping ring.
#pragma once

class TAVOCircleAngleView;

class TAVOCircleAngleViewDelegate {
public:
    virtual ~TAVOCircleAngleViewDelegate() = default;
    virtual void animateCircleWithProgress(TAVOCircleAngleView& /*view*/, float /*progress*/) {}
};
