// The bar of the sliding tabs: titled items spread over the width, each
// inset 35 points on both sides, a grey line along the bottom and a green
// indicator under the selected item. A tap is passed to the delegate,
// which decides the selection.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/View.h"
#include "widgets/TAVOSlidingTabBarDelegate.h"
#include "widgets/TAVOSlidingTabItem.h"

class TAVOSlidingTabBar : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<TAVOSlidingTabBar> create(const cg::Rect& frame) { return make<TAVOSlidingTabBar>(frame); }

    static constexpr double kItemInset = 35;
    static constexpr double kIndicatorHeight = 3;
    static constexpr double kLineHeight = 0.5;
    static constexpr double kSlideDuration = 0.3;
    static ui::Color lineColor() { return ui::Color::rgb255(199, 199, 199); }
    static ui::Color indicatorColor() { return ui::Color::rgb255(26, 202, 69); }

    const ui::ViewPtr& backgroundView() const { return backgroundView_; }
    const ui::ViewPtr& indicatorView() const { return indicatorView_; }
    const ui::ViewPtr& bottomLineView() const { return bottomLineView_; }
    const std::vector<TAVOSlidingTabItemPtr>& items() const { return items_; }
    void setItems(const std::vector<TAVOSlidingTabItemPtr>& items);
    const TAVOSlidingTabItemPtr& selectedItem() const { return selectedItem_; }
    void setSelectedItem(const TAVOSlidingTabItemPtr& item);
    int selectedIndex() const { return selectedIndex_; }
    // Moves the indicator under item i, at once for the first selection and
    // slid after that. An index without an item is ignored.
    void setSelectedIndex(int index);
    std::shared_ptr<TAVOSlidingTabBarDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOSlidingTabBarDelegate>& delegate) { delegate_ = delegate; }

    // The indicator follows a drag of the pages (the other way, scaled to
    // the tab pitch).
    void moveIndicatorView(double dx);
    void itemClick(TAVOSlidingTabItem& item);

    // The width of one item for the background's present width.
    double itemWidth() const;

    void initWithFrame(const cg::Rect& frame) override;
    void layoutSubviews() override;

private:
    ui::ViewPtr backgroundView_;
    ui::ViewPtr bottomLineView_;
    ui::ViewPtr indicatorView_;
    std::vector<TAVOSlidingTabItemPtr> items_;
    TAVOSlidingTabItemPtr selectedItem_;
    int selectedIndex_ = -1;
    std::weak_ptr<TAVOSlidingTabBarDelegate> delegate_;
};

using TAVOSlidingTabBarPtr = std::shared_ptr<TAVOSlidingTabBar>;
