// Hears that the health-mode help panel is closing.
#pragma once

class TAVOHealthModeHelpViewController;

class TAVOHealthModeHelpViewControllerDelegate {
public:
    virtual ~TAVOHealthModeHelpViewControllerDelegate() = default;
    // Optional.
    virtual void healthModeHelpViewControllerWillDismiss(TAVOHealthModeHelpViewController& /*controller*/) {}
};
