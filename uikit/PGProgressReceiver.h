// A view that shows a progress value from 0 to 1. The progress HUD hands
// its progress to its indicator only when the indicator is one of these,
// so a custom indicator view takes part by deriving from it.
#pragma once

class PGProgressReceiver {
public:
    virtual ~PGProgressReceiver() = default;
    virtual float progress() const = 0;
    virtual void setProgress(float progress) = 0;
};
