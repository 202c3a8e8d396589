// Hears the end of a count-down.
#pragma once

class TAVOCountDownView;

class TAVOCountDownViewDelegate {
public:
    virtual ~TAVOCountDownViewDelegate() = default;
    // The tick that shows 1 has just run.
    virtual void timeout(TAVOCountDownView& view) = 0;
};
