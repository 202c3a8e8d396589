// The tab bar controller's root view: the selected child's view as the
// content area, with the tab strip below it. The content ends where the
// strip begins, or fills the whole height while the strip is hidden or
// sliding out.
#pragma once

#include <memory>

#include "platform/ui/View.h"

class TKTabBar;

class TKTabBarView : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TKTabBarView> create(const cg::Rect& frame = {}) { return make<TKTabBarView>(frame); }

    const std::shared_ptr<TKTabBar>& tabBar() const { return tabBar_; }
    void setTabBar(const std::shared_ptr<TKTabBar>& tabBar);
    const ui::ViewPtr& contentView() const { return contentView_; }
    // The new content goes behind the strip, sized by the next layout.
    void setContentView(const ui::ViewPtr& contentView);
    bool isTabBarHidding() const { return isTabBarHidding_; }
    void setIsTabBarHidding(bool hidding) { isTabBarHidding_ = hidding; }

    void layoutSubviews() override;

private:
    std::shared_ptr<TKTabBar> tabBar_;
    ui::ViewPtr contentView_;
    bool isTabBarHidding_ = false;
};
