// Hears the end of the preparing burst of dots.
#pragma once

class OptPrepare;

class OptPrepareDelegate {
public:
    virtual ~OptPrepareDelegate() = default;
    virtual void optPrepare(OptPrepare& prepare, bool animation) = 0;
};
