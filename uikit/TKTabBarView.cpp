#include "uikit/TKTabBarView.h"

#include "uikit/TKTabBar.h"

void TKTabBarView::setTabBar(const std::shared_ptr<TKTabBar>& tabBar) {
    if (tabBar == tabBar_) return;
    if (tabBar_) tabBar_->removeFromSuperview();
    tabBar_ = tabBar;
    if (tabBar_) addSubview(tabBar_);
}

void TKTabBarView::setContentView(const ui::ViewPtr& contentView) {
    if (contentView == contentView_) return;
    if (contentView_) contentView_->removeFromSuperview();
    contentView_ = contentView;
    if (!contentView_) return;
    contentView_->setFrame(cg::RectMake(0, 0, 0, 0));
    addSubview(contentView_);
    sendSubviewToBack(contentView_);
    setNeedsLayout();
}

void TKTabBarView::layoutSubviews() {
    if (!contentView_) return;
    const cg::Rect b = bounds();
    const double height = isTabBarHidding_ || !tabBar_ ? b.size.height : tabBar_->frame().origin.y;
    contentView_->setFrame(cg::RectMake(0, 0, b.size.width, height));
    contentView_->setNeedsLayout();
}
