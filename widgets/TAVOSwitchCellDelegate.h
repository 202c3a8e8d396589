// Hears a person's change of a switch row's switch.
#pragma once

class ToggleSwitch;
class TAVOSettingSwitchCell;

class TAVOSwitchCellDelegate {
public:
    virtual ~TAVOSwitchCellDelegate() = default;
    // Optional: a delegate that does not override it hears nothing.
    virtual void onSwithChanged(ToggleSwitch& /*switchControl*/, TAVOSettingSwitchCell& /*cell*/) {}
};
