#include "widgets/TAVOButton.h"

#include "platform/ui/Font.h"
#include "widgets/UIImageUtil.h"

void TAVOButton::initWithFrame(const cg::Rect& frame) {
    Button::initWithFrame(frame);
    autoLayout_ = false;
    setBackgroundColor(ui::Color::clearColor());
}

const ui::ViewPtr& TAVOButton::container() {
    if (!containerView_) {
        // Below everything the button shows, and deaf to touches so that
        // the button itself is pressed.
        containerView_ = ui::View::create(bounds());
        containerView_->setUserInteractionEnabled(false);
        insertSubviewAtIndex(containerView_, 0);
    }
    return containerView_;
}

cg::Rect TAVOButton::pictureFrame() const {
    const auto image = buttonImageView_ ? buttonImageView_->image() : nullptr;
    const cg::Size size = image ? image->size() : cg::Size{0, 0};
    return cg::RectMake((bounds().size.width - size.width) / 2, 0, size.width, size.height);
}

void TAVOButton::setButtonImage(const ui::ImagePtr& image) {
    if (!buttonImageView_) {
        buttonImageView_ = ui::ImageView::create(cg::RectMake(0, 0, bounds().size.width, bounds().size.height));
        buttonImageView_->setContentMode(ui::ContentMode::Center);
    }
    buttonImageView_->setImage(image);
    buttonImageView_->setFrame(pictureFrame());
    setImage(image, ui::ControlStateNormal);
    setImage(UIImageUtil::pressedImage(image), ui::ControlStateHighlighted);
    setNeedsLayout();
}

void TAVOButton::setContent(const std::string& content) {
    if (!contentLabel_) {
        const cg::Size size = bounds().size;
        contentLabel_ = ui::Label::create(cg::RectMake(0, size.height - kCaptionHeight, size.width, kCaptionHeight));
        contentLabel_->setBackgroundColor(ui::Color::clearColor());
        contentLabel_->setFont(ui::Font::systemFontOfSize(kCaptionFontSize));
        contentLabel_->setTextAlignment(ui::TextAlignment::Center);
        contentLabel_->setTextColor(ui::Color::blackColor());
        container()->addSubview(contentLabel_);
    }
    contentLabel_->setText(content);
    setNeedsLayout();
}

const std::shared_ptr<IndicatorView>& TAVOButton::indicator() {
    // The container is made here too: a badge read or set before the
    // caption would otherwise have nowhere to live.
    const ui::ViewPtr& box = container();
    if (!indicator_) {
        indicator_ = IndicatorView::create(cg::RectMake(0, 0, kBadgeSide, kBadgeSide));
        indicator_->setIndicatorColor(ui::Color::whiteColor());
        box->addSubview(indicator_);
    }
    indicator_->setCenter(cg::Point{box->frame().size.width - indicator_->frame().size.width, 0});
    return indicator_;
}

void TAVOButton::setIndicatorText(const std::string& text) {
    const auto& badge = indicator();
    const cg::Size textSize = badge->indicatorFont().sizeOfString(text);
    const double width = textSize.width + 5;
    const cg::Size least = badge->minSize();
    if (width > least.width || textSize.height > least.height)
        badge->setFrame(cg::RectMake(0, 0, width, textSize.height));
    else
        badge->setFrame(cg::RectMake(0, 0, least.width, least.height));
    badge->setContent(text);
    setNeedsLayout();
}

void TAVOButton::setIndicatorSpaceSize(const cg::Size& size) {
    indicatorSpaceSize_ = size;
    setNeedsLayout();
}

void TAVOButton::layoutSubviews() {
    Button::layoutSubviews();
    const cg::Size size = bounds().size;
    if (containerView_) {
        containerView_->setFrame(bounds());
        // The button's own image view may have been added after it.
        sendSubviewToBack(containerView_);
    }
    if (buttonImageView_) buttonImageView_->setFrame(pictureFrame());
    if (contentLabel_) contentLabel_->setFrame(cg::RectMake(0, size.height - kCaptionHeight, size.width, kCaptionHeight));
    if (indicator_) {
        const cg::Rect picture = buttonImageView_ ? buttonImageView_->frame() : cg::Rect{};
        const double badgeWidth = indicator_->frame().size.width;
        indicator_->setCenter(cg::Point{picture.origin.x + picture.size.width + badgeWidth / 2 + indicatorSpaceSize_.width,
                                        indicatorSpaceSize_.height + kBadgeTopInset});
    }
}
