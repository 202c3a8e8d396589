#include "widgets/TAVOCommonTableViewCell.h"

namespace {

constexpr double kSideMargin = 15;
constexpr double kTextGap = 10;
// Without an icon the text starts at kNoIconLeft + kTextGap, as far in as
// the icon would.
constexpr double kNoIconLeft = 5;
constexpr double kTextGrey = 0.2;

cg::Size imageSize(const ui::ImageView& view) { return view.image() ? view.image()->size() : cg::Size{0, 0}; }

}  // namespace

void TAVOCommonTableViewCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    TableViewCell::initWithStyle(style, reuseIdentifier);
    iconView_ = ui::ImageView::create();
    iconView_->setContentMode(ui::ContentMode::Center);
    addSubview(iconView_);

    contentLable_ = LXAttributedLabel::create();
    contentLable_->setTextAlignment(ui::TextAlignment::Left);
    contentLable_->setCenterVertically(true);
    contentLable_->setTextColor(ui::Color::rgba(kTextGrey, kTextGrey, kTextGrey, 1));
    contentLable_->setBackgroundColor(ui::Color::clearColor());
    addSubview(contentLable_);

    arrowView_ = ui::ImageView::create();
    arrowView_->setImage(ui::Image::imageNamed(kArrowImageName));
    addSubview(arrowView_);
}

void TAVOCommonTableViewCell::layoutSubviews() {
    TableViewCell::layoutSubviews();
    const double h = bounds().size.height;
    const double contentWidth = contentView()->frame().size.width;
    const cg::Rect content = contentView()->bounds();

    const cg::Size icon = imageSize(*iconView_);
    iconView_->setFrame(cg::RectMake(kSideMargin, (h - icon.height) / 2, icon.width, icon.height));

    const cg::Size arrow = imageSize(*arrowView_);
    arrowView_->setFrame(cg::RectMake(contentWidth - kSideMargin - arrow.width, (h - arrow.height) / 2, arrow.width, arrow.height));

    const double left = iconView_->image() ? kSideMargin : kNoIconLeft;
    const double x = left + icon.width + kTextGap;
    contentLable_->setFrame(cg::RectMake(x, content.origin.y, content.size.width - (arrow.width + kSideMargin + x), content.size.height));
    contentLable_->setFont(ui::Font::systemFontOfSize(kTextFontSize));
}
