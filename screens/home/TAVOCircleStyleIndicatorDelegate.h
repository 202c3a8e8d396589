// Hears the end of a circle-style indicator's animations.
#pragma once

class TAVOCircleStyleIndicator;

class TAVOCircleStyleIndicatorDelegate {
public:
    virtual ~TAVOCircleStyleIndicatorDelegate() = default;
    // 0: the prepare animation has ended (also when it was cut short);
    // 1: the speed-up badge has slid into place.
    virtual void indicator(TAVOCircleStyleIndicator& indicator, int action) = 0;
};
