#include "widgets/IndicatorView.h"

namespace {

constexpr const char* kBackgroundImage = "bg_indicator";
constexpr long kBackgroundLeftCap = 8;
constexpr double kFontSize = 10;
// U+207A SUPERSCRIPT PLUS SIGN after a capped count.
constexpr const char* kCappedSuffix = "\u207A";
constexpr const char* kNewText = "new";

}  // namespace

void IndicatorView::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    const unsigned resizing = ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight;
    bgImageView_ = ui::ImageView::create(bounds());
    bgImageView_->setAutoresizingMask(resizing);
    if (auto image = ui::Image::imageNamed(kBackgroundImage))
        bgImageView_->setImage(image->stretchableImageWithLeftCapWidth(kBackgroundLeftCap, 0));
    addSubview(bgImageView_);

    indicatorFont_ = ui::Font::boldSystemFontOfSize(kFontSize);
    textLabel_ = ui::Label::create(bounds());
    textLabel_->setAutoresizingMask(resizing);
    textLabel_->setBackgroundColor(ui::Color::clearColor());
    textLabel_->setTextColor(ui::Color::blackColor());
    textLabel_->setFont(indicatorFont_);
    textLabel_->setTextAlignment(ui::TextAlignment::Center);
    addSubview(textLabel_);
}

void IndicatorView::setCount(int count) {
    count_ = count;
    if (count == 0) {
        if (!forceShow_) setHidden(true);
        return;
    }
    if (count > maxCount_) {
        textLabel_->setText(std::to_string(maxCount_) + kCappedSuffix);
    } else if (count >= 1) {
        textLabel_->setText(std::to_string(count));
    } else if (count == kNewCount) {
        textLabel_->setText(kNewText);
    } else {
        return;  // other negative counts change nothing
    }
    if (!forceHidden_) setHidden(false);
}

void IndicatorView::setMaxCount(int maxCount) {
    maxCount_ = maxCount;
    setCount(count_);
}

void IndicatorView::setContent(const std::string& content) {
    content_ = content;
    textLabel_->setText(content);
    if (!forceHidden_) setHidden(false);
}

void IndicatorView::setForceHidden(bool on) {
    forceHidden_ = on;
    if (on) setHidden(true);
}

void IndicatorView::setForceShow(bool on) {
    forceShow_ = on;
    if (on) setHidden(false);
}

void IndicatorView::setBgImage(const ui::ImagePtr& image) {
    bgImage_ = image;
    bgImageView_->setImage(image);
}

void IndicatorView::setIndicatorFont(const ui::Font& font) {
    indicatorFont_ = font;
    textLabel_->setFont(font);
}

void IndicatorView::setIndicatorColor(const ui::Color& color) { textLabel_->setTextColor(color); }
