// Hears a person's change of a switch row's switch.
#pragma once

class ToggleSwitch;
class TAVOSwitcherCellView;

class TAVOSwitcherCellViewDelegate {
public:
    virtual ~TAVOSwitcherCellViewDelegate() = default;
    // Optional: a delegate that does not override it hears nothing.
    virtual void onSwithChanged(ToggleSwitch& /*switchControl*/, TAVOSwitcherCellView& /*cellView*/) {}
};
