// A popup card over a blurred picture of the screen below. The card
// (topView) drops in from above with a bounce while a bottom panel with the
// close button rises from below. The close button plays the reverse
// movement, fades the blur, and then tells the content
// (userDidClickClose); the content dismisses the popup.
//
// The content is either a child controller (its view fills the card) or a
// plain view (kept at its own frame); either may adopt
// TAVOPopupViewControllerDelegate. Set parentView, the view to blur, before
// presenting the popup with the popup presentation (type 0).
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "widgets/TAVOBaseViewController.h"
#include "widgets/TAVOBlurView.h"
#include "widgets/TAVOPopupViewControllerDelegate.h"

class TAVOPopupViewController : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;

    static constexpr double kCornerRadius = 4;
    static constexpr double kEntryDuration = 0.6;
    static constexpr double kEntryOvershoot = 10;
    static constexpr double kEntrySettle = 5;
    static constexpr double kCloseDuration = 0.25;
    static constexpr double kSmallScreenHeight = 480;
    // The optional background that fades out on close.
    static constexpr long kBackgroundViewTag = 111;
    static constexpr const char* kFallAnimationKey = "fall";
    static constexpr const char* kRiseAnimationKey = "riseAndOther";
    static constexpr const char* kFadeAnimationKey = "fade";
    static constexpr const char* kCloseImageName = "safe_btn_close.png";

    static std::shared_ptr<TAVOPopupViewController> create() { return make<TAVOPopupViewController>(); }
    static std::shared_ptr<TAVOPopupViewController> popupViewControllerWithChildViewController(
        const ui::ViewControllerPtr& child);
    static std::shared_ptr<TAVOPopupViewController> popupViewControllerWithChildView(const ui::ViewPtr& child);

    const ui::ViewControllerPtr& childViewController() const { return childViewController_; }
    void setChildViewController(const ui::ViewControllerPtr& child);
    const ui::ViewPtr& childView() const { return childView_; }
    void setChildView(const ui::ViewPtr& child);
    ui::ViewPtr parentView() const { return parentView_.lock(); }
    void setParentView(const ui::ViewPtr& view);

    const ui::ViewPtr& topView() const { return topView_; }
    const ui::ViewPtr& bottomView() const { return bottomView_; }
    const std::shared_ptr<ui::Button>& closeButton() const { return closeButton_; }
    const TAVOBlurViewPtr& blurView() const { return blurView_; }

    void applyBackgroundEffect();
    void redrawBlurBackground();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    void clickClose();

private:
    void buildInterface();
    void tellChildrenClosed();

    ui::ViewControllerPtr childViewController_;
    ui::ViewPtr childView_;
    std::weak_ptr<ui::View> parentView_;
    ui::ViewPtr topView_;
    ui::ViewPtr bottomView_;
    std::shared_ptr<ui::Button> closeButton_;
    TAVOBlurViewPtr blurView_;
};

using TAVOPopupViewControllerPtr = std::shared_ptr<TAVOPopupViewController>;
