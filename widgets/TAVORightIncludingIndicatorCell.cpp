#include "widgets/TAVORightIncludingIndicatorCell.h"

namespace {

constexpr double kBadgeWidth = 25;
constexpr double kBadgeHeight = 15;
constexpr double kBadgeGap = 5;

}  // namespace

void TAVORightIncludingIndicatorCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    TAVORightPaneCell::initWithStyle(style, reuseIdentifier);
    indicator_ = IndicatorView::create(cg::RectMake(0, 0, kBadgeWidth, kBadgeHeight));
    contentView()->addSubview(indicator_);
    placeIndicator();
}

void TAVORightIncludingIndicatorCell::layoutSubviews() {
    TAVORightPaneCell::layoutSubviews();
    placeIndicator();
}

void TAVORightIncludingIndicatorCell::setTitle(const std::string& title) {
    TAVORightPaneCell::setTitle(title);
    placeIndicator();
}

void TAVORightIncludingIndicatorCell::setCount(int count) { indicator_->setCount(count); }

void TAVORightIncludingIndicatorCell::placeIndicator() {
    const cg::Rect title = titleLabel()->frame();
    const double textWidth = titleLabel()->textRectForBounds(title, 1).size.width;
    indicator_->setFrame(cg::RectMake(title.origin.x + textWidth + kBadgeGap, (title.size.height - kBadgeHeight) / 2,
                                      kBadgeWidth, kBadgeHeight));
}
