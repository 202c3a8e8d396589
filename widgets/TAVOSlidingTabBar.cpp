#include "widgets/TAVOSlidingTabBar.h"

#include <algorithm>

#include "platform/ui/ViewAnimation.h"

void TAVOSlidingTabBar::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    backgroundView_ = ui::View::create(bounds());
    addSubview(backgroundView_);
    bottomLineView_ = ui::View::create();
    bottomLineView_->setBackgroundColor(lineColor());
    backgroundView_->addSubview(bottomLineView_);
    indicatorView_ = ui::View::create();
    indicatorView_->setBackgroundColor(indicatorColor());
    backgroundView_->addSubview(indicatorView_);
}

void TAVOSlidingTabBar::setItems(const std::vector<TAVOSlidingTabItemPtr>& items) {
    if (items == items_) return;
    items_ = items;
    for (const auto& item : items_) {
        item->setBackgroundColor(ui::Color::clearColor());
        std::weak_ptr<TAVOSlidingTabBar> weak = self<TAVOSlidingTabBar>();
        item->addTarget(self<TAVOSlidingTabBar>(), "itemClick:", [weak](ui::Control& control) {
            auto bar = weak.lock();
            if (auto* item = dynamic_cast<TAVOSlidingTabItem*>(&control); bar && item) bar->itemClick(*item);
        }, ui::ControlEventTouchUpInside);
        backgroundView_->addSubview(item);
    }
    backgroundView_->bringSubviewToFront(indicatorView_);
    setNeedsLayout();
}

double TAVOSlidingTabBar::itemWidth() const {
    if (items_.empty()) return 0;
    const double n = static_cast<double>(items_.size());
    return std::max(0.0, (backgroundView_->bounds().size.width - 2 * kItemInset * n) / n);
}

void TAVOSlidingTabBar::layoutSubviews() {
    ui::View::layoutSubviews();
    const cg::Size size = backgroundView_->bounds().size;
    bottomLineView_->setFrame(cg::RectMake(0, size.height - 1, size.width, kLineHeight));
    const double w = itemWidth();
    for (std::size_t i = 0; i < items_.size(); ++i)
        items_[i]->setFrame(cg::RectMake(kItemInset + i * (w + 2 * kItemInset), 0, w, size.height - 1));
}

void TAVOSlidingTabBar::setSelectedIndex(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    const double w = itemWidth();
    const double height = backgroundView_->bounds().size.height;
    const cg::Rect frame =
        cg::RectMake(kItemInset + index * (w + 2 * kItemInset), height - kIndicatorHeight, w, kIndicatorHeight);
    auto indicator = indicatorView_;
    if (selectedIndex_ == -1)
        indicator->setFrame(frame);
    else
        ui::ViewAnimation::animate(kSlideDuration, [indicator, frame] { indicator->setFrame(frame); });
    selectedIndex_ = index;
    setSelectedItem(items_[static_cast<std::size_t>(index)]);
}

void TAVOSlidingTabBar::setSelectedItem(const TAVOSlidingTabItemPtr& item) {
    if (item != selectedItem_) selectedItem_ = item;
}

void TAVOSlidingTabBar::moveIndicatorView(double dx) {
    const double width = backgroundView_->bounds().size.width;
    if (width <= 0) return;
    cg::Rect frame = indicatorView_->frame();
    frame.origin.x -= dx * (frame.size.width + 2 * kItemInset) / width;
    indicatorView_->setFrame(frame);
}

void TAVOSlidingTabBar::itemClick(TAVOSlidingTabItem& item) {
    auto found = std::find_if(items_.begin(), items_.end(), [&](const auto& it) { return it.get() == &item; });
    if (found == items_.end()) return;
    if (auto delegate = delegate_.lock())
        delegate->tabBarDidSelectItemAtIndex(*this, static_cast<int>(found - items_.begin()));
}
