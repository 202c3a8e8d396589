#include "widgets/TAVOHeadContentView.h"

#include "platform/ui/Font.h"

namespace {

constexpr double kTitleGap = 15;
constexpr double kTitleFontSize = 16;
constexpr double kTitleGrey = 0.2;
constexpr double kSubTitleFontSize = 11;
// The subtitle starts this far above the lower third.
constexpr double kSubTitleLift = 5;

constexpr unsigned kFlexibleSize = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;

}  // namespace

void TAVOHeadContentView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
    const cg::Size size = frame.size;

    // The icon area is as wide as the sizing picture is high.
    const auto sizing = ui::Image::imageNamed(kIconSizingImageName);
    const double iconWidth = sizing ? sizing->size().height : 0;
    iconView_ = ui::ImageView::create(cg::RectMake(0, 0, iconWidth, size.height));
    iconView_->setAutoresizingMask(kFlexibleSize);
    iconView_->setContentMode(ui::ContentMode::Center);

    const double titleX = iconWidth + kTitleGap;
    fullTitleFrame_ = cg::RectMake(titleX, 0, size.width - titleX, size.height);
    titleLabel_ = ui::Label::create(fullTitleFrame_);
    titleLabel_->setAutoresizingMask(kFlexibleSize);
    titleLabel_->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    titleLabel_->setBackgroundColor(ui::Color::clearColor());
    titleLabel_->setTextColor(ui::Color::white(kTitleGrey));

    subTitleLabel_ = ui::Label::create(fullTitleFrame_);
    subTitleLabel_->setAutoresizingMask(kFlexibleSize);
    subTitleLabel_->setFont(ui::Font::systemFontOfSize(kSubTitleFontSize));
    subTitleLabel_->setTextColor(ui::Color::rgba(0.341, 0.388, 0.388));
    subTitleLabel_->setBackgroundColor(ui::Color::clearColor());

    addSubview(iconView_);
    addSubview(titleLabel_);
    addSubview(subTitleLabel_);
}

void TAVOHeadContentView::setIconImage(const ui::ImagePtr& image) {
    iconImage_ = image;
    iconView_->setImage(image);
}

void TAVOHeadContentView::setTitle(const std::string& title) {
    titleLabel_->setText(title);
    if (!subTitle_.empty()) {
        subTitleLabel_->setHidden(false);
        return;
    }
    subTitleLabel_->setHidden(true);
    titleLabel_->setFrame(fullTitleFrame_);
}

void TAVOHeadContentView::setSubTitle(const std::string& subTitle) {
    subTitle_ = subTitle;
    if (subTitle.empty()) return;
    subTitleLabel_->setText(subTitle);
    subTitleLabel_->setHidden(false);
    const double h = bounds().size.height;
    cg::Rect title = titleLabel_->frame();
    title.size.height = h * 2 / 3;
    titleLabel_->setFrame(title);
    subTitleLabel_->setFrame(cg::RectMake(title.origin.x, h * 2 / 3 - kSubTitleLift, title.size.width, h / 3));
    setNeedsLayout();
}

void TAVOHeadContentView::setBgImage(const ui::ImagePtr& image) {
    bgImage_ = image;
    if (!image) {
        if (bgView_) bgView_->removeFromSuperview();
        return;
    }
    if (!bgView_ || !bgView_->superview()) {
        bgView_ = ui::ImageView::create(bounds());
        bgView_->setAutoresizingMask(kFlexibleSize);
        insertSubviewAtIndex(bgView_, 0);
    }
    bgView_->setImage(image);
}
