// Hears every state of the channel optimisation animation.
#pragma once

class TAVOChannelOptView;

class TAVOChannelOptViewDelegate {
public:
    virtual ~TAVOChannelOptViewDelegate() = default;
    virtual void optView(TAVOChannelOptView& view, int state) = 0;
};
