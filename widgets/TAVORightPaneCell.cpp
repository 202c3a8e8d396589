#include "widgets/TAVORightPaneCell.h"

namespace {

constexpr double kIconX = 13;
constexpr double kTitleGap = 9;
constexpr double kTitleFontSize = 16;
constexpr double kTitleGrey = 0.2;
constexpr double kSubTitleFontSize = 11;
constexpr double kSubTitleGrey = 0.733;
// The subtitle starts this far above the lower third.
constexpr double kSubTitleLift = 5;

constexpr unsigned kFlexibleSize = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;

}  // namespace

void TAVORightPaneCell::initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) {
    TableViewCell::initWithStyle(style, reuseIdentifier);
    setBackgroundColor(ui::Color::clearColor());
    const cg::Size content = contentView()->bounds().size;

    const auto sizing = ui::Image::imageNamed(kIconSizingImageName);
    const cg::Size icon = sizing ? sizing->size() : cg::Size{0, 0};
    iconView_ = ui::ImageView::create(cg::RectMake(kIconX, (content.height - icon.height) / 2, icon.width, icon.height));
    iconView_->setContentMode(ui::ContentMode::Center);
    iconView_->setAutoresizingMask(kFlexibleSize);
    contentView()->addSubview(iconView_);

    titleLabel_ = ui::Label::create(oneLineTitleFrame());
    titleLabel_->setAutoresizingMask(kFlexibleSize);
    titleLabel_->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    titleLabel_->setTextColor(ui::Color::white(kTitleGrey));
    contentView()->addSubview(titleLabel_);

    subTitleLabel_ = ui::Label::create(oneLineTitleFrame());
    subTitleLabel_->setAutoresizingMask(kFlexibleSize);
    subTitleLabel_->setFont(ui::Font::systemFontOfSize(kSubTitleFontSize));
    subTitleLabel_->setTextColor(ui::Color::white(kSubTitleGrey));
    subTitleLabel_->setBackgroundColor(ui::Color::clearColor());
    subTitleLabel_->setHidden(true);
    contentView()->addSubview(subTitleLabel_);
}

cg::Rect TAVORightPaneCell::oneLineTitleFrame() const {
    const cg::Size content = contentView()->bounds().size;
    const cg::Rect icon = iconView_->frame();
    const double x = icon.origin.x + icon.size.width + kTitleGap;
    return cg::RectMake(x, 0, content.width - x, content.height);
}

void TAVORightPaneCell::applyTwoLineFrames() {
    const double h = contentView()->bounds().size.height;
    cg::Rect title = titleLabel_->frame();
    title.size.height = h * 2 / 3;
    titleLabel_->setFrame(title);
    subTitleLabel_->setFrame(cg::RectMake(title.origin.x, h * 2 / 3 - kSubTitleLift, title.size.width, h / 3));
}

void TAVORightPaneCell::setIconImage(const ui::ImagePtr& image) { iconView_->setImage(image); }

void TAVORightPaneCell::setTitle(const std::string& title) {
    titleLabel_->setText(title);
    subTitleLabel_->setHidden(subTitle_.empty());
}

void TAVORightPaneCell::setSubTitle(const std::string& subTitle) {
    subTitle_ = subTitle;
    if (subTitle.empty()) {
        subTitleLabel_->setHidden(true);
        return;
    }
    subTitleLabel_->setText(subTitle);
    subTitleLabel_->setHidden(false);
    applyTwoLineFrames();
}

void TAVORightPaneCell::layoutSubviews() {
    TableViewCell::layoutSubviews();
    titleLabel_->setFrame(oneLineTitleFrame());
    if (!subTitle_.empty()) applyTwoLineFrames();
}
