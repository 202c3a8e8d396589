#include "widgets/PopoverViewInternal.h"

#include "platform/ui/ViewAnimation.h"

void PopoverViewInternal::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setClipsToBounds(true);
    bgShadowView_ = ui::ImageView::create(bounds());
    bgShadowView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    addSubview(bgShadowView_);
    containerView_ = PopoverContainerView::create();
    containerView_->setBackgroundColor(ui::Color::clearColor());
    addSubview(containerView_);
    arrowView_ = ui::ImageView::create();
    arrowView_->setContentMode(ui::ContentMode::ScaleToFill);
    addSubview(arrowView_);
}

void PopoverViewInternal::setContentSize(const cg::Size& size, bool animated) {
    contentSize_ = size;
    const auto container = containerView_;
    const cg::Rect frame = cg::RectMake(0, 0, size.width, size.height);
    if (!animated) {
        container->setFrame(frame);
        return;
    }
    ui::ViewAnimation::animate(kResizeDuration, [container, frame] {
        container->setFrame(frame);
        container->layoutIfNeeded();
    });
}

void PopoverViewInternal::setArrowFrame(const cg::Rect& frame, int direction) {
    if (direction == kArrowUp)
        arrowView_->setImage(upArrowImage_ ? upArrowImage_ : ui::Image::imageNamed("popover_bg_arrow_up.png"));
    else if (direction == kArrowDown)
        arrowView_->setImage(downArrowImage_ ? downArrowImage_ : ui::Image::imageNamed("popover_bg_arrow_down.png"));
    arrowView_->setFrame(frame);
}

cg::Size PopoverViewInternal::arrowSize() const {
    const auto& image = arrowView_->image();
    return image ? image->size() : cg::Size{};
}

void PopoverViewInternal::setBgContainerImage(const ui::ImagePtr& image) {
    if (!image) return;
    containerView_->setBgImage(image);
    containerView_->layoutIfNeeded();
}
