// The alert's panel: building it from the title, message, items and
// appearance values when the alert comes up, laying it out, releasing it at
// the exit, and the appearance setters that restyle it while it is up.
#include <algorithm>

#include "platform/graphics/Path.h"
#include "platform/graphics/StringDrawing.h"
#include "uikit/MAAlertLayout.h"
#include "uikit/MAAlertView.h"

namespace {

constexpr double kShadowOpacity = 0.5;
constexpr double kHairlineWhite = 0.7;
constexpr double kPressedTitleAlpha = 0.8;
constexpr double kTitleMinimumScale = 0.75;
constexpr long kMessageMaxLines = 5;
constexpr long kMessageMinLines = 3;

}  // namespace

// ---- building and releasing ----

void MAAlertView::setup() {
    setupContainerView();
    updateTitleLabel();
    updateMessageLabel();
    setupButtons();
    invalidateLayout();
}

void MAAlertView::teardown() {
    if (containerView_) containerView_->removeFromSuperview();
    containerView_.reset();
    titleLabel_.reset();
    messageLabel_.reset();
    // The caller's view is kept (only taken off the panel): an alert that
    // was pre-empted comes back with it, and with what was typed into it.
    if (customView_) customView_->removeFromSuperview();
    buttons_.clear();
    horizontalLine_.reset();
    verticalLine_.reset();
    if (alertWindow_) {
        auto window = std::exchange(alertWindow_, nullptr);
        window->setHidden(true);
        if (superview() == window) removeFromSuperview();
    }
    layoutDirty_ = false;
}

void MAAlertView::setupContainerView() {
    if (containerView_) containerView_->removeFromSuperview();
    containerView_ = ui::View::create(bounds());
    containerView_->setBackgroundColor(viewBackgroundColor_ ? *viewBackgroundColor_ : ui::Color::whiteColor());
    const auto& layer = containerView_->layer();
    layer->setCornerRadius(cornerRadius_);
    layer->setShadowOffset(cg::Size{0, 0});
    layer->setShadowRadius(shadowRadius_);
    layer->setShadowOpacity(kShadowOpacity);
    containerView_->setClipsToBounds(true);
    addSubview(containerView_);
}

void MAAlertView::updateTitleLabel() {
    if (!title_.empty()) {
        if (!titleLabel_) {
            titleLabel_ = ui::Label::create();
            titleLabel_->setTextAlignment(ui::TextAlignment::Center);
            titleLabel_->setBackgroundColor(ui::Color::clearColor());
            if (titleFont_) titleLabel_->setFont(*titleFont_);
            if (titleColor_) titleLabel_->setTextColor(*titleColor_);
            titleLabel_->setAdjustsFontSizeToFitWidth(true);
            titleLabel_->setMinimumFontSize(titleLabel_->font().pointSize() * kTitleMinimumScale);
        }
        if (containerView_) containerView_->addSubview(titleLabel_);
        titleLabel_->setText(title_);
    } else if (titleLabel_) {
        titleLabel_->removeFromSuperview();
        titleLabel_.reset();
    }
    invalidateLayout();
}

void MAAlertView::updateMessageLabel() {
    if (!message_.empty()) {
        if (!messageLabel_) {
            messageLabel_ = ui::Label::create();
            messageLabel_->setTextAlignment(ui::TextAlignment::Center);
            messageLabel_->setBackgroundColor(ui::Color::clearColor());
            if (messageFont_) messageLabel_->setFont(*messageFont_);
            if (messageColor_) messageLabel_->setTextColor(*messageColor_);
            messageLabel_->setNumberOfLines(kMessageMaxLines);
        }
        if (containerView_) containerView_->addSubview(messageLabel_);
        messageLabel_->setText(message_);
    } else {
        if (messageLabel_) {
            messageLabel_->removeFromSuperview();
            messageLabel_.reset();
        }
        // A message wins over a caller's view: the view shows only without one.
        if (customView_ && containerView_) containerView_->addSubview(customView_);
    }
    invalidateLayout();
}

void MAAlertView::setupButtons() {
    for (const auto& button : buttons_) button->removeFromSuperview();
    if (horizontalLine_) horizontalLine_->removeFromSuperview();
    if (verticalLine_) verticalLine_->removeFromSuperview();
    buttons_.clear();
    buttons_.reserve(items_.size());
    horizontalLine_.reset();
    verticalLine_.reset();
    if (!containerView_) return;

    const double width = containerView_->bounds().size.width;
    const ui::Color hairline = ui::Color::white(kHairlineWhite);
    if (items_.size() == 1 || items_.size() == 2) {
        horizontalLine_ = ui::View::create(cg::RectMake(0, 0, width, MAAlertLayout::kHairline));
        horizontalLine_->setBackgroundColor(hairline);
        containerView_->addSubview(horizontalLine_);
    }
    if (items_.size() == 2) {
        verticalLine_ = ui::View::create(cg::RectMake(width * 0.5 - MAAlertLayout::kHairline, 0, MAAlertLayout::kHairline, 0));
        verticalLine_->setBackgroundColor(hairline);
        containerView_->addSubview(verticalLine_);
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        auto button = buttonForItemIndex(i);
        buttons_.push_back(button);
        containerView_->addSubview(button);
        // Behind the hairlines.
        containerView_->sendSubviewToBack(button);
    }
}

ui::ButtonPtr MAAlertView::buttonForItemIndex(std::size_t index) {
    auto button = ui::Button::buttonWithType(ui::ButtonType::Custom);
    if (index >= items_.size()) return button;
    const auto& item = items_[index];
    button->setTag(static_cast<long>(index));
    button->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth);
    if (buttonFont_) button->titleLabel()->setFont(*buttonFont_);
    button->setTitle(item->title, ui::ControlStateNormal);
    if (auto color = colorForType(item->type)) {
        button->setTitleColor(*color, ui::ControlStateNormal);
        button->setTitleColor(color->colorWithAlphaComponent(kPressedTitleAlpha), ui::ControlStateHighlighted);
    }
    // The images set for the type so far, so that a button built after
    // they arrived (an alert shown again) shows them too.
    for (const auto& [key, image] : buttonImages_)
        if (key.first == item->type) button->setBackgroundImage(image, key.second);
    std::weak_ptr<MAAlertView> weak = self<MAAlertView>();
    button->addTarget(self<MAAlertView>(), "buttonAction:", [weak](ui::Control& control) {
        auto alert = weak.lock();
        if (auto* tapped = dynamic_cast<ui::Button*>(&control); alert && tapped) alert->buttonAction(*tapped);
    }, ui::ControlEventTouchUpInside);
    return button;
}

ui::OptionalColor MAAlertView::colorForType(int type) const {
    switch (type) {
        case MAAlertViewButtonTypeDestructive: return destructiveButtonColor_;
        case MAAlertViewButtonTypeCancel: return cancelButtonColor_;
        default: return buttonColor_;
    }
}

// ---- heights and layout ----

double MAAlertView::heightForTitleLabel() const {
    if (!titleLabel_) return 0;
    double actual = 0;
    return ct::sizeWithFont(title_, titleLabel_->font().ctFont(), titleLabel_->minimumFontSize(), &actual,
                            MAAlertLayout::kContentWidth, titleLabel_->lineBreakMode())
        .height;
}

double MAAlertView::heightForMessageLabel() const {
    if (!messageLabel_) return 0;
    const double line = messageLabel_->font().lineHeight();
    const cg::Size limit{MAAlertLayout::kContentWidth, line * kMessageMaxLines};
    const double height =
        ct::sizeWithFont(message_, messageLabel_->font().ctFont(), limit, messageLabel_->lineBreakMode()).height;
    return std::max(height, line * kMessageMinLines);
}

double MAAlertView::heightForCustomizedView() const { return customView_ ? customView_->frame().size.height : 0; }

namespace {

MAAlertLayout::Content contentOf(const MAAlertView& alert) {
    MAAlertLayout::Content content;
    if (alert.titleLabel()) content.titleHeight = alert.heightForTitleLabel();
    if (alert.messageLabel())
        content.bodyHeight = alert.heightForMessageLabel();
    else if (alert.customizedViewInsteadOfMsgLabel())
        content.bodyHeight = alert.heightForCustomizedView();
    for (const auto& item : alert.items()) content.buttonTypes.push_back(item->type);
    content.buttonsListStyle = alert.buttonsListStyle();
    return content;
}

}  // namespace

double MAAlertView::preferredHeight() const { return MAAlertLayout::preferredHeight(contentOf(*this)); }

void MAAlertView::invalidateLayout() {
    layoutDirty_ = true;
    setNeedsLayout();
}

void MAAlertView::layoutSubviews() {
    ui::View::layoutSubviews();
    validateLayout();
}

void MAAlertView::validateLayout() {
    if (!layoutDirty_) return;
    layoutDirty_ = false;
    if (!containerView_) return;

    const auto content = contentOf(*this);
    const auto frames = MAAlertLayout::frames(content, bounds().size);
    containerView_->setTransform(cg::AffineTransformIdentity);
    containerView_->setFrame(frames.panel);
    const cg::Rect panelBounds = containerView_->bounds();
    containerView_->layer()->setShadowPath(std::make_shared<const cg::Path>(
        cg::Path::withRoundedRect(panelBounds, containerView_->layer()->cornerRadius(),
                                  containerView_->layer()->cornerRadius())));

    if (titleLabel_ && frames.title) {
        titleLabel_->setText(title_);
        titleLabel_->setFrame(*frames.title);
    }
    if (messageLabel_ && frames.body) {
        messageLabel_->setText(message_);
        messageLabel_->setFrame(*frames.body);
    } else if (customView_ && frames.body) {
        customView_->setFrame(*frames.body);
    }
    for (std::size_t i = 0; i < buttons_.size() && i < frames.buttons.size(); ++i)
        buttons_[i]->setFrame(frames.buttons[i]);

    const double width = panelBounds.size.width;
    const double top = frames.buttonsTop;
    if (MAAlertLayout::sharesOneRow(content) && verticalLine_) {
        const cg::Rect line = verticalLine_->frame();
        verticalLine_->setFrame(cg::RectMake(width * 0.5 - MAAlertLayout::kHairline, top, line.size.width,
                                             panelBounds.size.height - top));
    }
    if (horizontalLine_ && !frames.buttons.empty()) {
        const cg::Rect line = horizontalLine_->frame();
        horizontalLine_->setFrame(cg::RectMake(line.origin.x, top, width, line.size.height));
    }
}

// ---- appearance ----

void MAAlertView::setViewBackgroundColor(const ui::Color& color) {
    if (!setProperty(viewBackgroundColor_, ui::OptionalColor(color), ui::PropertyEffectsNone, "viewBackgroundColor"))
        return;
    if (containerView_) containerView_->setBackgroundColor(color);
}

void MAAlertView::setTitleColor(const ui::Color& color) {
    if (!setProperty(titleColor_, ui::OptionalColor(color), ui::PropertyEffectsNone, "titleColor")) return;
    if (titleLabel_) titleLabel_->setTextColor(color);
}

void MAAlertView::setMessageColor(const ui::Color& color) {
    if (!setProperty(messageColor_, ui::OptionalColor(color), ui::PropertyEffectsNone, "messageColor")) return;
    if (messageLabel_) messageLabel_->setTextColor(color);
}

void MAAlertView::setTitleFont(const ui::Font& font) {
    if (!setProperty(titleFont_, std::optional<ui::Font>(font), ui::PropertyEffectsNone, "titleFont")) return;
    if (titleLabel_) {
        titleLabel_->setFont(font);
        titleLabel_->setMinimumFontSize(font.pointSize() * kTitleMinimumScale);
    }
    invalidateLayout();
}

void MAAlertView::setMessageFont(const ui::Font& font) {
    if (!setProperty(messageFont_, std::optional<ui::Font>(font), ui::PropertyEffectsNone, "messageFont")) return;
    if (messageLabel_) messageLabel_->setFont(font);
    invalidateLayout();
}

void MAAlertView::setButtonFont(const ui::Font& font) {
    if (!setProperty(buttonFont_, std::optional<ui::Font>(font), ui::PropertyEffectsNone, "buttonFont")) return;
    for (const auto& button : buttons_) button->titleLabel()->setFont(font);
}

void MAAlertView::setButtonColor(const ui::Color& color) {
    if (setProperty(buttonColor_, ui::OptionalColor(color), ui::PropertyEffectsNone, "buttonColor"))
        setColor(color, MAAlertViewButtonTypeDefault);
}

void MAAlertView::setCancelButtonColor(const ui::Color& color) {
    if (setProperty(cancelButtonColor_, ui::OptionalColor(color), ui::PropertyEffectsNone, "cancelButtonColor"))
        setColor(color, MAAlertViewButtonTypeCancel);
}

void MAAlertView::setDestructiveButtonColor(const ui::Color& color) {
    if (setProperty(destructiveButtonColor_, ui::OptionalColor(color), ui::PropertyEffectsNone,
                    "destructiveButtonColor"))
        setColor(color, MAAlertViewButtonTypeDestructive);
}

void MAAlertView::setColor(const ui::Color& color, int type) {
    for (const auto& button : buttons_) {
        const auto index = static_cast<std::size_t>(button->tag());
        if (index >= items_.size() || items_[index]->type != type) continue;
        button->setTitleColor(color, ui::ControlStateNormal);
        button->setTitleColor(color.colorWithAlphaComponent(kPressedTitleAlpha), ui::ControlStateHighlighted);
    }
}

void MAAlertView::setCornerRadius(double radius) {
    if (!setProperty(cornerRadius_, radius, ui::PropertyEffectsNone, "cornerRadius")) return;
    if (containerView_) containerView_->layer()->setCornerRadius(radius);
}

void MAAlertView::setShadowRadius(double radius) {
    if (!setProperty(shadowRadius_, radius, ui::PropertyEffectsNone, "shadowRadius")) return;
    if (containerView_) containerView_->layer()->setShadowRadius(radius);
}

void MAAlertView::setDefaultButtonImage(const ui::ImagePtr& image, unsigned state) {
    setButtonImage(image, state, MAAlertViewButtonTypeDefault);
}

void MAAlertView::setCancelButtonImage(const ui::ImagePtr& image, unsigned state) {
    setButtonImage(image, state, MAAlertViewButtonTypeCancel);
}

void MAAlertView::setDestructiveButtonImage(const ui::ImagePtr& image, unsigned state) {
    setButtonImage(image, state, MAAlertViewButtonTypeDestructive);
}

ui::ImagePtr MAAlertView::buttonImage(int type, unsigned state) const {
    auto it = buttonImages_.find({type, state});
    return it == buttonImages_.end() ? nullptr : it->second;
}

void MAAlertView::setButtonImage(const ui::ImagePtr& image, unsigned state, int type) {
    const char* property = type == MAAlertViewButtonTypeCancel        ? "cancelButtonImage"
                           : type == MAAlertViewButtonTypeDestructive ? "destructiveButtonImage"
                                                                      : "defaultButtonImage";
    if (!setProperty(buttonImages_[{type, state}], image, ui::PropertyEffectsNone,
                     ui::Button::statePropertyName(property, state)))
        return;
    for (const auto& button : buttons_) {
        const auto index = static_cast<std::size_t>(button->tag());
        if (index < items_.size() && items_[index]->type == type) button->setBackgroundImage(image, state);
    }
}
