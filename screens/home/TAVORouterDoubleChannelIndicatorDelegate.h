// Hears the two-band channel indicator.
#pragma once

class TAVORouterDoubleChannelIndicator;

class TAVORouterDoubleChannelIndicatorDelegate {
public:
    virtual ~TAVORouterDoubleChannelIndicatorDelegate() = default;
    // 0: the 2.4 GHz help button; 1: the 5 GHz help button; 2: both bands'
    // detection has finished; 3: the promotion has ended.
    virtual void doubleChannelIndicator(TAVORouterDoubleChannelIndicator& indicator, int action) = 0;
};
