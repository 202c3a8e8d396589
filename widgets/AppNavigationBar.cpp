#include "widgets/AppNavigationBar.h"

#include <algorithm>
#include <cmath>

#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "widgets/UIImageUtil.h"

namespace {

bool gOldSystem = false;

constexpr long kBackgroundLeftCap = 4;
constexpr long kBackgroundTopCap = 2;

ui::Font buttonFont() { return ui::Font::systemFontOfSize(AppNavigationBar::kButtonFontSize); }

double textWidth(const std::string& text) { return buttonFont().sizeOfString(text).width; }

void widenToMinimum(const ui::ButtonPtr& button) {
    cg::Rect frame = button->frame();
    if (frame.size.width >= AppNavigationBar::kMinButtonWidth) return;
    frame.size.width = AppNavigationBar::kMinButtonWidth;
    button->setFrame(frame);
}

}  // namespace

bool AppNavigationBar::oldSystemFlag() { return gOldSystem; }

void AppNavigationBar::resetOldSystemFlagForTesting() { gOldSystem = false; }

void AppNavigationBar::initWithFrame(const cg::Rect& frame) {
    CustomizedNavigationBar::initWithFrame(frame);
    if (auto background = std::dynamic_pointer_cast<ui::ImageView>(backgroundView())) {
        background->setBackgroundColor(ui::Color::clearColor());
        if (auto image = ui::Image::imageNamed(kBackgroundImageName))
            background->setImage(image->stretchableImageWithLeftCapWidth(kBackgroundLeftCap, kBackgroundTopCap));
    }
    if (!TAVOCommonUtility::isAboveIOS7()) gOldSystem = true;
    setMargin(kDefaultMargin);
}

double AppNavigationBar::itemTop() const { return gOldSystem ? 0 : kStatusBarHeight; }

double AppNavigationBar::itemHeight() const {
    return gOldSystem ? bounds().size.height : bounds().size.height - kStatusBarHeight;
}

void AppNavigationBar::setBgImage(const ui::ImagePtr& image) {
    if (auto background = std::dynamic_pointer_cast<ui::ImageView>(backgroundView())) background->setImage(image);
}

ui::ButtonPtr AppNavigationBar::createButton() {
    auto button = ui::Button::buttonWithType(ui::ButtonType::Custom);
    button->setTitleColor(buttonTitleColor(), ui::ControlStateNormal);
    button->titleLabel()->setFont(buttonFont());
    button->titleLabel()->setLineBreakMode(ui::LineBreakMode::TruncatingTail);
    button->setBackgroundColor(ui::Color::clearColor());
    return button;
}

void AppNavigationBar::wire(const ui::ButtonPtr& button, const ItemAction& action) {
    auto target = action.target.lock();
    if (!button || !target || !action.action) return;
    button->addTarget(target, action.name, action.action, ui::ControlEventTouchUpInside);
}

void AppNavigationBar::addLeftBarItemTarget(const std::shared_ptr<ns::Object>& target, const std::string& name,
                                            ui::Control::Action action) {
    left_ = {target, name, std::move(action)};
    wire(leftBarButtonItem(), left_);
}

void AppNavigationBar::addRightBarItemTarget(const std::shared_ptr<ns::Object>& target, const std::string& name,
                                             ui::Control::Action action) {
    right_ = {target, name, std::move(action)};
    wire(rightBarButtonItem(), right_);
}

ui::ButtonPtr AppNavigationBar::imageButton(const ui::ImagePtr& image, const ItemAction& action) const {
    auto button = createButton();
    wire(button, action);
    button->setImage(image, ui::ControlStateNormal);
    button->setImage(UIImageUtil::pressedImage(image), ui::ControlStateHighlighted);
    const double width = image ? image->size().width : 0;
    button->setFrame(cg::RectMake(0, itemTop(), width, itemHeight()));
    return button;
}

void AppNavigationBar::setLeftBarItemText(const std::string& text, int style) {
    auto button = createButton();
    wire(button, left_);
    const bool hasText = !text.empty();
    double width = 0;
    auto withImage = [&](const char* name, bool cap) {
        auto image = ui::Image::imageNamed(name);
        button->setImage(image, ui::ControlStateNormal);
        button->setImage(UIImageUtil::pressedImage(image), ui::ControlStateHighlighted);
        button->setTitle(text, ui::ControlStateNormal);
        button->setImageEdgeInsets(cg::EdgeInsets{0, 0, 0, 0});
        button->setTitleEdgeInsets(cg::EdgeInsets{0, kTextPadding, 0, 0});
        width = textWidth(text) + kTextPadding + (image ? image->size().width : 0);
        if (cap) width = std::min(width, std::ceil(bounds().size.width * 3 / 4));
    };
    switch (style) {
    case LeftStyleText:
        button->setTitle(text, ui::ControlStateNormal);
        width = textWidth(text) + kTextPadding;
        break;
    case LeftStyleBackArrow:
    case LeftStyleDarkBackArrow:
        if (hasText) {
            button->setTitle(text, ui::ControlStateNormal);
            width = textWidth(text) + kTextPadding;
        } else {
            auto image = ui::Image::imageNamed(style == LeftStyleBackArrow ? kBackArrowName : kDarkBackArrowName);
            button->setImage(image, ui::ControlStateNormal);
            button->setImage(UIImageUtil::pressedImage(image), ui::ControlStateHighlighted);
            width = image ? image->size().width : 0;
        }
        break;
    case LeftStyleMyWiFi:
        withImage(kMyWiFiIconName, true);
        break;
    case LeftStyleDevice:
        withImage(kDeviceIconName, true);
        button->setTitleColor(deviceTitleColor(), ui::ControlStateNormal);
        break;
    default:
        setLeftBarButtonItem(nullptr);
        break;
    }
    button->setFrame(cg::RectMake(0, itemTop(), width, itemHeight()));
    setLeftBarButtonItem(button);
    widenToMinimum(button);
    button->imageView()->setContentMode(ui::ContentMode::Left);
}

void AppNavigationBar::setLeftBarItemImage(const ui::ImagePtr& image) {
    auto button = imageButton(image, left_);
    setLeftBarButtonItem(button);
    widenToMinimum(button);
}

void AppNavigationBar::installRightButton(const ui::ButtonPtr& button) {
    setRightBarButtonItem(button);
    cg::Rect frame = button->frame();
    if (frame.size.width >= kMinButtonWidth) return;
    // Widened leftwards, so that its right edge stays where it was.
    const double added = kMinButtonWidth - frame.size.width;
    frame.origin.x -= std::floor(added);
    frame.size.width = kMinButtonWidth;
    button->setFrame(frame);
}

void AppNavigationBar::setRightBarItemImage(const ui::ImagePtr& image) { installRightButton(imageButton(image, right_)); }

void AppNavigationBar::setRightBarItemText(const std::string& text, int style) {
    ui::ButtonPtr button;
    if (style == RightStyleMenu) {
        button = imageButton(ui::Image::imageNamed(kMenuIconName), right_);
    } else {
        button = createButton();
        wire(button, right_);
        double width = 0;
        if (style == RightStyleText) {
            button->setTitle(text, ui::ControlStateNormal);
            width = textWidth(text) + kTextPadding;
        }
        button->setFrame(cg::RectMake(0, itemTop(), width, itemHeight()));
    }
    installRightButton(button);
}

void AppNavigationBar::setTitle(const std::string& title, const ui::OptionalColor& color) {
    auto label = ui::Label::create(cg::RectMake(0, itemTop(), 0, itemHeight()));
    label->setText(title);
    label->setFont(ui::Font::boldSystemFontOfSize(kTitleFontSize));
    label->setTextAlignment(ui::TextAlignment::Center);
    label->setBackgroundColor(ui::Color::clearColor());
    label->setTextColor(color ? *color : buttonTitleColor());
    setTitleView(label);
}

bool AppNavigationBar::isEnableLeftBarItem() const { return leftBarButtonItem() && leftBarButtonItem()->isEnabled(); }

void AppNavigationBar::setEnableLeftBarItem(bool enabled) {
    if (leftBarButtonItem()) leftBarButtonItem()->setEnabled(enabled);
}

bool AppNavigationBar::isEnableRightBarItem() const {
    return rightBarButtonItem() && rightBarButtonItem()->isEnabled();
}

void AppNavigationBar::setEnableRightBarItem(bool enabled) {
    if (rightBarButtonItem()) rightBarButtonItem()->setEnabled(enabled);
}
