#include "widgets/PopoverContainerView.h"

#include "platform/ui/ViewAnimation.h"

void PopoverContainerView::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setClipsToBounds(true);
    bgImageView_ = ui::ImageView::create(bounds());
    auto background = ui::Image::imageNamed("popover_bg.png");
    bgImageView_->setImage(background ? background->stretchableImageWithLeftCapWidth(kBackgroundCap, kBackgroundCap)
                                      : nullptr);
    addSubview(bgImageView_);
}

void PopoverContainerView::setBgImage(const ui::ImagePtr& image) {
    bgImageView_->setImage(image);
    setNeedsLayout();
}

void PopoverContainerView::layoutSubviews() {
    ui::View::layoutSubviews();
    const cg::Size size = bounds().size;
    bgImageView_->setFrame(cg::RectMake(0, 0, size.width, size.height));
    if (contentView_) contentView_->setFrame(cg::RectMake(0, 0, size.width, size.height));
}

void PopoverContainerView::setContentView(const ui::ViewPtr& view, bool animated) {
    if (view == contentView_) return;
    auto old = contentView_;
    contentView_ = view;
    if (view) view->setClipsToBounds(true);
    if (!animated || !old || !view) {
        if (old) old->removeFromSuperview();
        if (view) addSubview(view);
        setNeedsLayout();
        return;
    }
    // The new view comes in where the old one is, at its own size, and the
    // old one dissolves into it.
    const cg::Rect oldFrame = old->frame();
    const cg::Size size = view->bounds().size;
    view->setFrame(cg::RectMake(oldFrame.origin.x, oldFrame.origin.y, size.width, size.height));
    addSubview(view);
    std::weak_ptr<PopoverContainerView> weak = self<PopoverContainerView>();
    ui::ViewAnimation::transition(
        self<PopoverContainerView>(), kSwapDuration, ui::ViewAnimationOptionTransitionCrossDissolve, [] {},
        [weak, old](bool) {
            // Swapped back meanwhile: the old view is the content again.
            auto container = weak.lock();
            if (container && container->contentView_ == old) return;
            if (!container || old->superview() == container) old->removeFromSuperview();
        });
}
