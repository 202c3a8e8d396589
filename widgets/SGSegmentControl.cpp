#include "widgets/SGSegmentControl.h"

#include <cmath>

#include "platform/ui/ViewAnimation.h"

namespace {

constexpr double kChosenFontSize = 18;
constexpr double kOtherFontSize = 16;
constexpr double kChosenGrey = 0.118;
constexpr double kOtherGrey = 0.588;
constexpr double kButtonPadding = 10;
// The bar is this much narrower than a segment on each side.
constexpr double kBarInset = 14;
constexpr double kBarHeight = 3;

ui::Color barColor() { return ui::Color::rgba(0, 0.667, 1.0, 1); }

void styleTitle(ui::Button& button, bool chosen) {
    button.titleLabel()->setFont(ui::Font::systemFontOfSize(chosen ? kChosenFontSize : kOtherFontSize));
    button.setTitleColor(ui::Color::white(chosen ? kChosenGrey : kOtherGrey), ui::ControlStateNormal);
}

}  // namespace

std::shared_ptr<SGSegmentControl> SGSegmentControl::create(const std::vector<ns::Value>& titles) {
    auto control = construct<SGSegmentControl>();
    control->initWithTitleArray(titles);
    return control;
}

void SGSegmentControl::initWithTitleArray(const std::vector<ns::Value>& titles) {
    Control::initWithFrame({});
    setBackgroundColor(ui::Color::clearColor());
    makeItems(titles, nullptr);
    selectionView_ = ui::ImageView::create();
    selectionView_->setBackgroundColor(barColor());
    addSubview(selectionView_);
    selectedIndex_ = 0;
    std::size_t i = 0;
    for (const auto& title : titles) {
        if (!title.isString()) continue;
        auto& button = items_[i]->button;
        styleTitle(*button, i == 0);
        listenTo(button);
        button->setTitle(title.stringValue(), ui::ControlStateNormal);
        addSubview(button);
        ++i;
    }
}

void SGSegmentControl::makeItems(const std::vector<ns::Value>& titles, const ui::ImagePtr& background) {
    for (const auto& title : titles) {
        if (!title.isString()) continue;
        auto item = SegmentItem::create();
        if (background) item->bgView->setImage(background);
        items_.push_back(item);
        addSubview(item->bgView);
    }
}

void SGSegmentControl::listenTo(const std::shared_ptr<ui::Button>& button) {
    button->addTarget(self<SGSegmentControl>(), &SGSegmentControl::segmentControlValueChanged,
                      "segmentControlValueChanged", ui::ControlEventTouchUpInside);
}

void SGSegmentControl::removeItems() {
    for (const auto& item : items_) {
        item->button->removeFromSuperview();
        item->bgView->removeFromSuperview();
    }
    items_.clear();
}

void SGSegmentControl::segmentControlValueChanged(ui::Control& button) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i]->button.get() != &button) continue;
        if (static_cast<int>(i) == selectedIndex_) return;
        setSelectedIndex(static_cast<unsigned>(i), true);
        sendActionsForControlEvents(ui::ControlEventValueChanged);
        return;
    }
}

void SGSegmentControl::setSelectedIndex(int index) {
    if (index < 0) return;
    setSelectedIndex(static_cast<unsigned>(index), true);
}

void SGSegmentControl::setSelectedIndex(unsigned index, bool animation) {
    if (index >= items_.size()) return;
    const int previous = selectedIndex_;
    selectedIndex_ = static_cast<int>(index);
    indexChangedAnimation(previous, animation);
}

void SGSegmentControl::indexChangedAnimation(int, bool animation) {
    if (items_.empty()) return;
    const long r = static_cast<long>(bounds().size.width) % static_cast<long>(items_.size());
    auto bar = selectionView_;
    cg::Rect frame = bar->frame();
    frame.origin.x = static_cast<double>(r / 2) + (frame.size.width + 2 * kBarInset) * selectedIndex_ + kBarInset;
    if (animation) {
        ui::ViewAnimation::animate(kSlideSeconds, [bar, frame] { bar->setFrame(frame); });
    } else {
        bar->setFrame(frame);
    }
    updateSelectedItem();
}

void SGSegmentControl::updateSelectedItem() {
    for (std::size_t i = 0; i < items_.size(); ++i) styleTitle(*items_[i]->button, static_cast<int>(i) == selectedIndex_);
}

void SGSegmentControl::layoutSubviews() {
    Control::layoutSubviews();
    layoutCustomViews();
}

void SGSegmentControl::layoutCustomViews() {
    // No segments, nothing to share the width out to.
    if (items_.empty()) return;
    const auto font = ui::Font::systemFontOfSize(kOtherFontSize).ctFont();
    const double h = std::ceil(font->xHeight() + font->capHeight()) + kButtonPadding;
    const double y = std::ceil((bounds().size.height - h) / 2);
    const long n = static_cast<long>(items_.size());
    const long width = static_cast<long>(bounds().size.width);
    const long r = width % n;
    const double w = std::trunc((bounds().size.width - static_cast<double>(r)) / static_cast<double>(n));
    const double left = static_cast<double>(r / 2);
    for (long i = 0; i < n; ++i) {
        const cg::Rect frame = cg::RectMake(left + i * w, y, w, h);
        items_[i]->bgView->setFrame(frame);
        items_[i]->button->setFrame(frame);
    }
    selectionView_->setFrame(cg::RectMake(w * selectedIndex_ + left + kBarInset, 0, w - 2 * kBarInset, kBarHeight));
}
