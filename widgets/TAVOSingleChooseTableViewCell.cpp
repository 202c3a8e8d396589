#include "widgets/TAVOSingleChooseTableViewCell.h"

namespace {

constexpr double kIconX = 15;
constexpr double kTextGap = 12;
// The labels run this far past the content view's right edge.
constexpr double kTextOverhang = 24;
constexpr double kTitleShare = 0.6;
constexpr double kTitleFontSize = 16;
constexpr double kTitleGrey = 0.2;
constexpr double kSubtitleFontSize = 12;
constexpr double kSubtitleGrey = 0.733;

constexpr unsigned kFlexibleSize = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;

ui::LabelPtr rowLabel(const cg::Rect& frame, double fontSize, double grey) {
    auto label = ui::Label::create(frame);
    label->setAutoresizingMask(kFlexibleSize);
    label->setFont(ui::Font::systemFontOfSize(fontSize));
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextColor(ui::Color::white(grey));
    return label;
}

}  // namespace

void TAVOSingleChooseTableViewCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    TableViewCell::initWithStyle(style, reuseIdentifier);
    setBackgroundColor(ui::Color::whiteColor());
    setAccessoryType(ui::TableViewCellAccessoryType::DisclosureIndicator);
    const cg::Size content = contentView()->bounds().size;

    const auto icon = ui::Image::imageNamed(kIconImageName);
    iconView_ = ui::ImageView::create(cg::RectMake(kIconX, 0, icon ? icon->size().width : 0, content.height));
    iconView_->setImage(icon);
    iconView_->setContentMode(ui::ContentMode::Center);
    contentView()->addSubview(iconView_);

    const double x = iconView_->frame().origin.x + iconView_->frame().size.width + kTextGap;
    const double width = content.width - (x - kTextGap) + kTextOverhang;
    titleLabel_ = rowLabel(cg::RectMake(x, 0, width, content.height * kTitleShare), kTitleFontSize, kTitleGrey);
    contentView()->addSubview(titleLabel_);
    subtitleLabel_ = rowLabel(cg::RectMake(x, content.height * kTitleShare, width, content.height * (1 - kTitleShare)),
                              kSubtitleFontSize, kSubtitleGrey);
    contentView()->addSubview(subtitleLabel_);
}
