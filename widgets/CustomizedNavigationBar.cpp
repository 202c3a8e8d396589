#include "widgets/CustomizedNavigationBar.h"

#include "platform/ui/ImageView.h"

void CustomizedNavigationBar::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    backgroundView_ = ui::ImageView::create(bounds());
    backgroundView_->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
    insertSubviewAtIndex(backgroundView_, 0);
}

void CustomizedNavigationBar::setBackgroundView(const ui::ViewPtr& view) {
    if (view == backgroundView_) return;
    if (backgroundView_) backgroundView_->removeFromSuperview();
    backgroundView_ = view;
    if (!view) return;
    view->setFrame(bounds());
    addSubview(view);
    sendSubviewToBack(view);
}

void CustomizedNavigationBar::setTitleView(const ui::ViewPtr& view) {
    if (view == titleView_) return;
    if (titleView_) titleView_->removeFromSuperview();
    titleView_ = view;
    if (!view) return;
    view->setBackgroundColor(ui::Color::clearColor());
    const cg::Rect own = view->frame();
    view->setFrame(cg::RectMake(kTitleInset, own.origin.y, bounds().size.width - 2 * kTitleInset, own.size.height));
    view->setAutoresizingMask(ui::ViewAutoresizingFlexibleLeftMargin | ui::ViewAutoresizingFlexibleRightMargin);
    addSubview(view);
}

void CustomizedNavigationBar::setLeftBarButtonItem(const ui::ButtonPtr& button) {
    if (button == leftBarButtonItem_) return;
    if (leftBarButtonItem_) leftBarButtonItem_->removeFromSuperview();
    leftBarButtonItem_ = button;
    if (!button) return;
    const cg::Rect own = button->frame();
    button->setFrame(cg::RectMake(margin_, own.origin.y, own.size.width, own.size.height));
    addSubview(button);
    button->imageView()->setContentMode(ui::ContentMode::Left);
}

void CustomizedNavigationBar::setRightBarButtonItem(const ui::ButtonPtr& button) {
    if (button == rightBarButtonItem_) return;
    if (rightBarButtonItem_) rightBarButtonItem_->removeFromSuperview();
    rightBarButtonItem_ = button;
    if (!button) return;
    const cg::Rect own = button->frame();
    button->setFrame(
        cg::RectMake(bounds().size.width - margin_ - own.size.width, own.origin.y, own.size.width, own.size.height));
    addSubview(button);
}
