// What a popup's content hears from the popup: the close button's movement
// has ended. The content then dismisses the popup itself.
#pragma once

class TAVOPopupViewController;

class TAVOPopupViewControllerDelegate {
public:
    virtual ~TAVOPopupViewControllerDelegate() = default;
    virtual void userDidClickClose(TAVOPopupViewController& /*popup*/) {}
};
