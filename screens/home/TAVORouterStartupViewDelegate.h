// Hears that the splash's animation has ended.
#pragma once

class TAVORouterStartupViewDelegate {
public:
    virtual ~TAVORouterStartupViewDelegate() = default;
    virtual void startupAnimationStop() = 0;
};
