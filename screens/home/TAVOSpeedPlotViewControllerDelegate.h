// Hears that the user closed the speed curve; the owner then dismisses the
// popup that holds it.
#pragma once

class TAVOSpeedPlotViewController;

class TAVOSpeedPlotViewControllerDelegate {
public:
    virtual ~TAVOSpeedPlotViewControllerDelegate() = default;
    virtual void speedVPlotiewControllerWillDismiss(TAVOSpeedPlotViewController& screen) = 0;
};
