#include "widgets/PopoverControllerView.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Application.h"
#include "platform/ui/ViewAnimation.h"
#include "platform/ui/ViewController.h"

std::shared_ptr<PopoverControllerView> PopoverControllerView::create(const ui::ViewPtr& contentView) {
    auto view = construct<PopoverControllerView>();
    view->initWithContentView(contentView);
    return view;
}

ui::WindowPtr PopoverControllerView::applicationWindow() {
    auto app = ui::Application::existing();
    auto delegate = app ? app->delegate() : nullptr;
    return delegate ? delegate->window() : nullptr;
}

ui::ViewPtr PopoverControllerView::rootView() {
    auto window = applicationWindow();
    auto root = window ? window->rootViewController() : nullptr;
    return root ? root->view() : nullptr;
}

void PopoverControllerView::initWithContentView(const ui::ViewPtr& contentView) {
    auto root = rootView();
    initWithFrame(root ? root->bounds() : cg::RectZero);
    setAlpha(1);
    dimingView_ = PopoverDimingView::create(bounds());
    dimingView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    bubble_ = PopoverViewInternal::create(cg::RectZero);
    bubble_->setContentView(contentView, false);
    bubble_->setBackgroundColor(ui::Color::clearColor());
    addSubview(dimingView_);
    addSubview(bubble_);
}

void PopoverControllerView::setBubbleFrame(const cg::Rect& windowRect) {
    bubble_->setFrame(convertRectFromView(windowRect, nullptr));
}

void PopoverControllerView::placeArrow() {
    const cg::Size arrow = bubble_->arrowSize();
    const cg::Point tip = beginAnimationRect_.origin;
    double y = tip.y;
    if (direction_ == PopoverViewInternal::kArrowDown) y -= arrow.height;
    const cg::Rect windowRect = cg::RectMake(tip.x - arrow.width / 2, y, arrow.width, arrow.height);
    bubble_->setArrowFrame(bubble_->convertRectFromView(windowRect, nullptr), direction_);
}

bool PopoverControllerView::showFromRect(const cg::Rect& rect, const ui::ViewPtr& view, int animation,
                                         int spaceWidth) {
    auto window = applicationWindow();
    if (!window) return false;
    window->addSubview(self<PopoverControllerView>());

    const cg::Size size = bubble_->frame().size;
    const double w = size.width, h = size.height;
    const cg::Rect anchor = view ? view->convertRectToView(rect, nullptr) : rect;
    const cg::Size windowSize = window->bounds().size;
    const double margin = spaceWidth;

    double x = std::trunc(cg::RectGetMidX(anchor) - w / 2);
    x = std::max(x, margin);
    x = std::min(x, windowSize.width - w - margin);
    if (delegate() && delegate()->isCenterInScreen()) x = (windowSize.width - w) / 2;
    // A bubble wider than the room between the margins starts at the
    // window's edge rather than off it.
    x = std::max(x, 0.0);

    double y = 0, tipY = 0;
    if (windowSize.height <= cg::RectGetMaxY(anchor) + h) {
        y = anchor.origin.y - h;
        tipY = cg::RectGetMinY(anchor);
        direction_ = PopoverViewInternal::kArrowDown;
    } else {
        y = cg::RectGetMaxY(anchor);
        tipY = y;
        direction_ = PopoverViewInternal::kArrowUp;
    }
    beginAnimationRect_ = cg::RectMake(cg::RectGetMidX(anchor), tipY, 0, 0);
    const cg::Rect final = cg::RectMake(x, y, w, h);

    auto self = this->self<PopoverControllerView>();
    switch (animation) {
        case kGrowFromTip: {
            setBubbleFrame(beginAnimationRect_);
            placeArrow();
            const cg::Size remembered = bubble_->contentSize();
            bubble_->setContentSize(cg::Size{}, false);
            dimingView_->setAlpha(0);
            ui::ViewAnimation::animate(kAnimationDuration, [self, final, remembered] {
                self->setBubbleFrame(final);
                self->bubble_->setContentSize(remembered, true);
                self->placeArrow();
                self->dimingView_->setAlpha(kDimmedAlpha);
            });
            break;
        }
        case kUnfold:
            setBubbleFrame(cg::RectMake(x, tipY, w, 0));
            placeArrow();
            dimingView_->setAlpha(0);
            ui::ViewAnimation::animate(kAnimationDuration, [self, final] {
                self->setBubbleFrame(final);
                self->placeArrow();
                self->dimingView_->setAlpha(kDimmedAlpha);
            });
            break;
        default:
            setBubbleFrame(final);
            placeArrow();
            dimingView_->setAlpha(kDimmedAlpha);
            break;
    }
    return true;
}

void PopoverControllerView::setContentSize(const cg::Size& size, bool animated) {
    bubble_->setContentSize(size, animated);
    const cg::Size suggested = bubble_->suggestSize();
    const double w = suggested.width, h = suggested.height;
    auto root = rootView();
    const double rootWidth = root ? root->bounds().size.width : bounds().size.width;
    const cg::Point tip = beginAnimationRect_.origin;

    double x = tip.x - w / 2;
    x = std::min(x, rootWidth - w);
    x = std::max(x, 0.0);
    if (delegate() && delegate()->isCenterInScreen()) x = (rootWidth - w) / 2;
    const double y = direction_ == PopoverViewInternal::kArrowUp ? tip.y : tip.y - h;
    const cg::Rect frame = cg::RectMake(x, y, w, h);

    auto self = this->self<PopoverControllerView>();
    auto place = [self, frame] {
        self->setBubbleFrame(frame);
        self->placeArrow();
    };
    if (animated)
        ui::ViewAnimation::animate(kAnimationDuration, place);
    else
        place();
}

void PopoverControllerView::willDismiss(int animation) {
    const cg::Rect bubbleFrame = bubble_->frame();
    dimingView_->setAlpha(0);
    switch (animation) {
        case kGrowFromTip:
            setBubbleFrame(beginAnimationRect_);
            break;
        case kUnfold:
            bubble_->setFrame(cg::RectMake(bubbleFrame.origin.x, convertRectFromView(beginAnimationRect_, nullptr).origin.y,
                                           bubbleFrame.size.width, 0));
            break;
        default:
            // Shown at once: it fades.
            bubble_->setAlpha(0);
            break;
    }
    bubble_->setArrowFrame(bubble_->convertRectFromView(beginAnimationRect_, rootView()), direction_);
}

std::shared_ptr<ui::View> PopoverControllerView::hitTest(const cg::Point& point, const ui::Event* event) {
    auto hit = ui::View::hitTest(point, event);
    if (hit && (hit == bubble_ || hit->isDescendantOfView(bubble_))) return hit;

    auto controller = delegate();
    auto inside = [&](const ui::ViewPtr& view) {
        return view && cg::RectContainsPoint(view->bounds(), convertPointToView(point, view));
    };
    bool onPassthrough = false;
    if (controller)
        for (const auto& view : controller->passthroughViews())
            if (inside(view)) onPassthrough = true;

    if (controller)
        for (const auto& view : controller->eventUnableThroughViews())
            if (inside(view)) {
                if (!onPassthrough) controller->dismissAnimated(true);
                return hit;
            }
    if (!onPassthrough && controller) controller->dismissAnimated(true);
    return nullptr;
}
