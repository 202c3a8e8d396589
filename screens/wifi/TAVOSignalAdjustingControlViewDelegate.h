// Hears the stop a person settled on in a three-stop signal slider.
#pragma once

class TAVOSignalAdjustingControlView;

class TAVOSignalAdjustingControlViewDelegate {
public:
    virtual ~TAVOSignalAdjustingControlViewDelegate() = default;
    // Optional: the stop (0 left, 1 middle, 2 right) after a release.
    virtual void adjustControl(TAVOSignalAdjustingControlView& /*view*/, int /*position*/) {}
};
