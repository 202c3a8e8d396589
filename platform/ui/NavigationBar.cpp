#include "platform/ui/NavigationBar.h"

#include "platform/ui/Font.h"

namespace ui {

namespace {

constexpr double kBarWhite = 0.97;
constexpr double kTitleSideInset = 60;

}  // namespace

void NavigationBar::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(Color::white(kBarWhite));
    titleLabel_ = Label::create();
    titleLabel_->setFont(Font::boldSystemFontOfSize(kTitleFontSize));
    titleLabel_->setTextAlignment(TextAlignment::Center);
    titleLabel_->setBackgroundColor(Color::clearColor());
    addSubview(titleLabel_);
    setNeedsLayout();
}

void NavigationBar::pushNavigationItem(const NavigationItem& item) {
    items_.push_back(item);
    showTopItem();
}

void NavigationBar::popNavigationItem() {
    if (items_.empty()) return;
    items_.pop_back();
    showTopItem();
}

void NavigationBar::setTopItemTitle(const std::string& title) {
    if (items_.empty()) items_.emplace_back();
    items_.back().title = title;
    showTopItem();
}

void NavigationBar::showTopItem() {
    titleLabel_->setText(items_.empty() ? std::string() : items_.back().title);
}

void NavigationBar::layoutSubviews() {
    View::layoutSubviews();
    const cg::Rect b = bounds();
    const double width = b.size.width > 2 * kTitleSideInset ? b.size.width - 2 * kTitleSideInset : b.size.width;
    titleLabel_->setFrame(cg::RectMake((b.size.width - width) / 2, 0, width, b.size.height));
}

}  // namespace ui
