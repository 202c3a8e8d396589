#include "widgets/TAVOPopupViewController.h"

#include "platform/ui/Application.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Transaction.h"
#include "widgets/UIImageUtil.h"

namespace {

// The popup's own layout for the 568-point screen: a card with room for a
// help page, and a bottom panel holding the close button.
constexpr cg::Rect kTopViewFrame{{15, 50}, {290, 420}};
constexpr double kBottomViewHeight = 80;
constexpr double kCloseButtonSide = 44;

ca::AnimationPtr positionKeyframes(const std::vector<cg::Point>& points, const std::vector<double>& keyTimes) {
    auto animation = ca::KeyframeAnimation::animationWithKeyPath("position");
    for (const auto& point : points) animation->values.emplace_back(point);
    animation->keyTimes = keyTimes;
    return animation;
}

}  // namespace

std::shared_ptr<TAVOPopupViewController> TAVOPopupViewController::popupViewControllerWithChildViewController(
    const ui::ViewControllerPtr& child) {
    auto popup = create();
    popup->setChildViewController(child);
    return popup;
}

std::shared_ptr<TAVOPopupViewController> TAVOPopupViewController::popupViewControllerWithChildView(
    const ui::ViewPtr& child) {
    auto popup = create();
    popup->setChildView(child);
    return popup;
}

void TAVOPopupViewController::setChildViewController(const ui::ViewControllerPtr& child) {
    childViewController_ = child;
    if (!child || !isViewLoaded() || !topView_) return;
    if (child->parentViewController().get() == this) return;
    addChildViewController(child);
    child->view()->setFrame(topView_->bounds());
    topView_->addSubview(child->view());
}

void TAVOPopupViewController::setChildView(const ui::ViewPtr& child) {
    childView_ = child;
    if (child && isViewLoaded() && topView_) topView_->addSubview(child);
}

void TAVOPopupViewController::setParentView(const ui::ViewPtr& view) {
    parentView_ = view;
    applyBackgroundEffect();
}

void TAVOPopupViewController::applyBackgroundEffect() {
    auto parent = parentView();
    if (!isViewLoaded() || !parent) return;
    if (!blurView_) {
        blurView_ = TAVOBlurView::create(view()->bounds());
        view()->insertSubviewAtIndex(blurView_, 0);
    }
    blurView_->setParentView(parent);
}

void TAVOPopupViewController::redrawBlurBackground() {
    if (parentView() && blurView_) blurView_->setNeedsDisplay();
}

void TAVOPopupViewController::buildInterface() {
    const cg::Rect bounds = view()->bounds();
    auto background = ui::View::create(bounds);
    background->setTag(kBackgroundViewTag);
    background->setBackgroundColor(ui::Color::rgb255(0, 0, 0, 0.25));
    view()->addSubview(background);

    topView_ = ui::View::create(kTopViewFrame);
    topView_->setBackgroundColor(ui::Color::whiteColor());
    topView_->setClipsToBounds(true);
    view()->addSubview(topView_);

    bottomView_ = ui::View::create(
        cg::RectMake(0, bounds.size.height - kBottomViewHeight, bounds.size.width, kBottomViewHeight));
    view()->addSubview(bottomView_);

    closeButton_ = ui::Button::create(cg::RectMake((bounds.size.width - kCloseButtonSide) / 2,
                                                   (kBottomViewHeight - kCloseButtonSide) / 2, kCloseButtonSide,
                                                   kCloseButtonSide));
    closeButton_->setImage(ui::Image::imageNamed(kCloseImageName), ui::ControlStateNormal);
    closeButton_->addTarget(self<TAVOPopupViewController>(), &TAVOPopupViewController::clickClose, "clickClose:",
                            ui::ControlEventTouchUpInside);
    bottomView_->addSubview(closeButton_);
}

void TAVOPopupViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    buildInterface();

    const cg::Rect screen = ui::Screen::mainScreen()->bounds();
    if (screen.size.height <= kSmallScreenHeight) {
        cg::Rect bottom = bottomView_->frame();
        bottom.origin.y = view()->frame().size.height - bottom.size.height;
        bottomView_->setFrame(bottom);
        cg::Rect top = topView_->frame();
        top.origin.y = bottom.origin.y - top.size.height;
        topView_->setFrame(top);
        view()->setFrame(screen);
    }

    // Children given before the view existed are attached now.
    setChildViewController(childViewController_);
    setChildView(childView_);

    topView_->layer()->setCornerRadius(kCornerRadius);
    closeButton_->setImage(UIImageUtil::pressedImage(ui::Image::imageNamed(kCloseImageName)),
                           ui::ControlStateHighlighted);
    applyBackgroundEffect();
}

void TAVOPopupViewController::viewWillAppear(bool animated) {
    TAVOBaseViewController::viewWillAppear(animated);
    if (!childViewController_ && !childView_) return;
    if (childViewController_) childViewController_->viewWillAppear(animated);
    if (auto app = ui::Application::existing()) app->setStatusBarHidden(true);

    const double height = view()->bounds().size.height;
    const cg::Point c = topView_->center();
    const cg::Point b = bottomView_->center();
    const std::vector<double> keyTimes{0, 0.5, 0.75, 1.0};
    ca::Transaction::begin();
    ca::Transaction::setAnimationDuration(kEntryDuration);
    topView_->layer()->addAnimation(positionKeyframes({{c.x, c.y - height},
                                                       {c.x, c.y + kEntryOvershoot},
                                                       {c.x, c.y - kEntrySettle},
                                                       c},
                                                      keyTimes),
                                    kFallAnimationKey);
    bottomView_->layer()->addAnimation(positionKeyframes({{b.x, height + bottomView_->bounds().size.height / 2},
                                                          {b.x, b.y - kEntryOvershoot},
                                                          {b.x, b.y + kEntrySettle},
                                                          b},
                                                         keyTimes),
                                       kRiseAnimationKey);
    ca::Transaction::commit();
}

void TAVOPopupViewController::viewWillDisappear(bool animated) {
    TAVOBaseViewController::viewWillDisappear(animated);
    if (childViewController_) childViewController_->viewWillDisappear(animated);
    if (auto app = ui::Application::existing()) app->setStatusBarHidden(false);
}

void TAVOPopupViewController::clickClose() {
    const double height = view()->bounds().size.height;
    const cg::Point c = topView_->center();
    const cg::Point b = bottomView_->center();
    auto fall = positionKeyframes({c, {c.x, c.y - height}}, {0, 1});
    auto rise = positionKeyframes({b, {b.x, height + bottomView_->bounds().size.height / 2}}, {0, 1});
    for (const auto& animation : {fall, rise}) {
        animation->timingFunction = ca::TimingFunction::EaseIn;
        // The panels stay where the movement leaves them.
        animation->fillMode = ca::FillMode::Forwards;
        animation->removedOnCompletion = false;
    }

    std::weak_ptr<TAVOPopupViewController> weak = self<TAVOPopupViewController>();
    ca::Transaction::begin();
    ca::Transaction::setAnimationDuration(kCloseDuration);
    ca::Transaction::setCompletionBlock([weak] {
        if (auto popup = weak.lock()) popup->tellChildrenClosed();
    });
    topView_->layer()->addAnimation(fall, kFallAnimationKey);
    bottomView_->layer()->addAnimation(rise, kRiseAnimationKey);
    for (const auto& faded : {ui::ViewPtr(blurView_), view()->viewWithTag(kBackgroundViewTag)}) {
        if (!faded) continue;
        auto fade = ca::BasicAnimation::animationWithKeyPath("opacity");
        fade->toValue = 0.0;
        faded->layer()->addAnimation(fade, kFadeAnimationKey);
    }
    view()->setBackgroundColor(ui::Color::clearColor());
    ca::Transaction::commit();
}

void TAVOPopupViewController::tellChildrenClosed() {
    if (auto delegate = std::dynamic_pointer_cast<TAVOPopupViewControllerDelegate>(childViewController_))
        delegate->userDidClickClose(*this);
    if (auto delegate = std::dynamic_pointer_cast<TAVOPopupViewControllerDelegate>(childView_))
        delegate->userDidClickClose(*this);
}
