#include "widgets/TAVOSettingSelectCell.h"

namespace {

constexpr double kIconX = 13;
constexpr double kTitleGap = 10;
constexpr double kArrowRightMargin = 13;
constexpr double kStatusWidth = 100;
// The status text ends this far before an arrow.
constexpr double kStatusArrowGap = 8;
constexpr double kFlagArrowGap = 20;
constexpr double kTitleFontSize = 16;
constexpr double kTitleGrey = 0.2;
constexpr double kStatusFontSize = 12;
constexpr double kStatusGrey = 0.333;

cg::Size imageSize(const ui::ImageView& view) { return view.image() ? view.image()->size() : cg::Size{0, 0}; }

}  // namespace

void TAVOSettingSelectCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    TableViewCell::initWithStyle(style, reuseIdentifier);
    iconImage_ = ui::ImageView::create();
    iconImage_->setContentMode(ui::ContentMode::Center);

    settingTitle_ = ui::Label::create();
    settingTitle_->setTextAlignment(ui::TextAlignment::Left);
    settingTitle_->setTextColor(ui::Color::white(kTitleGrey));
    settingTitle_->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    settingTitle_->setBackgroundColor(ui::Color::clearColor());

    statusLabel_ = LXAttributedLabel::create();
    statusLabel_->setTextAlignment(ui::TextAlignment::Right);
    statusLabel_->setTextColor(ui::Color::white(kStatusGrey));
    statusLabel_->setFont(ui::Font::systemFontOfSize(kStatusFontSize));
    statusLabel_->setBackgroundColor(ui::Color::clearColor());
    statusLabel_->setCenterVertically(true);

    arrowView_ = ui::ImageView::create();
    arrowView_->setImage(ui::Image::imageNamed(kArrowImageName));
    flagImage_ = ui::ImageView::create();
    flagImage_->setContentMode(ui::ContentMode::Center);

    for (const ui::ViewPtr& v : std::initializer_list<ui::ViewPtr>{iconImage_, settingTitle_, statusLabel_, arrowView_, flagImage_})
        contentView()->addSubview(v);
}

void TAVOSettingSelectCell::layoutSubviews() {
    TableViewCell::layoutSubviews();
    const double h = bounds().size.height;
    const cg::Rect content = contentView()->frame();
    const cg::Rect contentBounds = contentView()->bounds();

    const cg::Size icon = manualLayout_ ? iconImage_->frame().size : imageSize(*iconImage_);
    iconImage_->setFrame(cg::RectMake(kIconX, (h - icon.height) / 2, icon.width, icon.height));

    const double iconRight = kIconX + icon.width;
    const double titleX = iconRight + (icon.width > 0 ? kTitleGap : 0);
    settingTitle_->setFrame(cg::RectMake(titleX, contentBounds.origin.y, contentBounds.size.width, contentBounds.size.height));

    const cg::Size arrow = imageSize(*arrowView_);
    const double arrowX = content.size.width - kArrowRightMargin - arrow.width;
    arrowView_->setFrame(cg::RectMake(arrowX, (h - arrow.height) / 2, arrow.width, arrow.height));

    const double statusX = arrow.width > 0 ? arrowX - kStatusArrowGap - kStatusWidth : arrowX - kStatusWidth;
    statusLabel_->setFrame(cg::RectMake(statusX, 0, kStatusWidth, content.size.height));

    flagImage_->setFrame(cg::RectMake(arrowX - kFlagArrowGap - content.size.height, 0, content.size.height, content.size.height));
}
