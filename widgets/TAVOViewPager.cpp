#include "widgets/TAVOViewPager.h"

#include <algorithm>

#include "platform/ui/Font.h"

namespace {

constexpr std::size_t kInitialButtonCapacity = 3;

}  // namespace

void TAVOViewPager::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    shareInit();
}

void TAVOViewPager::shareInit() {
    btnsContainer_.reserve(kInitialButtonCapacity);
    selectedIndex_ = -1;
    bottomLine_ = ui::View::create();
    bottomLine_->setBackgroundColor(ui::Color::rgb255(kBottomLineGrey, kBottomLineGrey, kBottomLineGrey));
    bottomLine_->setOpaque(true);
    addSubview(bottomLine_);
}

void TAVOViewPager::setSplitImage(const ui::ImagePtr& image) {
    splitImage_ = image;
    for (const auto& separator : separators_) separator->setImage(image);
    setNeedsLayout();
}

void TAVOViewPager::removeButtons() {
    for (const auto& button : btnsContainer_) button->removeFromSuperview();
    for (const auto& separator : separators_) separator->removeFromSuperview();
    btnsContainer_.clear();
    separators_.clear();
    selectedBtn_.reset();
}

void TAVOViewPager::setTitlesArr(const std::vector<std::string>& titles) {
    // New titles are a new strip: the old buttons and their selection go.
    if (!btnsContainer_.empty()) {
        removeButtons();
        selectedIndex_ = -1;
    }
    titlesArr_ = titles;
    if (titles.empty()) return;

    for (std::size_t i = 0; i < titles.size(); ++i) {
        auto button = ui::Button::buttonWithType(ui::ButtonType::Custom);
        button->setTag(static_cast<long>(i));
        button->setTitle(titles[i], ui::ControlStateNormal);
        button->titleLabel()->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
        button->setTitleColor(ui::Color::blackColor(), ui::ControlStateNormal);
        button->setBackgroundImage(normalBGImage_, ui::ControlStateNormal);
        button->setBackgroundImage(highBGImage_, ui::ControlStateHighlighted);
        button->setBackgroundImage(highBGImage_, ui::ControlStateSelected);
        button->addTarget(self<TAVOViewPager>(), &TAVOViewPager::btnClick, "btnClick:",
                          ui::ControlEventTouchUpInside);
        addSubview(button);
        btnsContainer_.push_back(button);
    }
    // One separator after every button but the last, over the buttons.
    for (std::size_t i = 0; i + 1 < titles.size(); ++i) {
        auto separator = ui::ImageView::create();
        separator->setImage(splitImage_);
        addSubview(separator);
        separators_.push_back(separator);
    }
    bringSubviewToFront(bottomLine_);
    setNeedsLayout();
}

void TAVOViewPager::layoutSubviews() {
    ui::View::layoutSubviews();
    const cg::Size size = bounds().size;
    const double split = splitImage_ ? splitImage_->size().width : 0;
    const std::size_t count = btnsContainer_.size();
    if (count > 0) {
        const double n = static_cast<double>(count);
        const double width = (size.width - split * (n - 1)) / n;
        for (std::size_t i = 0; i < count; ++i) {
            const auto frame = cg::RectIntegral(cg::RectMake((split + width) * static_cast<double>(i), 0, width,
                                                             size.height));
            btnsContainer_[i]->setFrame(frame);
            if (i < separators_.size())
                separators_[i]->setFrame(cg::RectMake(frame.origin.x + frame.size.width, 0, split, size.height));
        }
    }
    bottomLine_->setFrame(cg::RectMake(0, size.height - kBottomLineHeight, size.width, kBottomLineHeight));
}

void TAVOViewPager::btnClick(ui::Control& sender) {
    const long index = sender.tag();
    if (index == selectedIndex_) return;
    selectedIndex_ = index;
    if (selectedBtn_) selectedBtn_->setSelected(false);
    auto it = std::find_if(btnsContainer_.begin(), btnsContainer_.end(),
                           [&](const ui::ButtonPtr& button) { return button.get() == &sender; });
    selectedBtn_ = it != btnsContainer_.end() ? *it : nullptr;
    if (selectedBtn_) selectedBtn_->setSelected(true);
    if (auto delegate = delegate_.lock()) delegate->viewPagerDidSelectAtIndex(*this, index);
}

void TAVOViewPager::setSelectedIndex(long index) {
    if (!btnsContainer_.empty() && index >= 0 && static_cast<std::size_t>(index) < btnsContainer_.size())
        btnClick(*btnsContainer_[static_cast<std::size_t>(index)]);
    selectedIndex_ = index;
}
