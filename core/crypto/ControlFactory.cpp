#include "core/crypto/ControlFactory.h"

#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"

std::shared_ptr<ui::Button> ControlFactory::createButton(const std::string& title, const std::optional<ui::Font>& font,
                                                         const std::optional<ui::Color>& textColor) {
    auto button = ui::Button::buttonWithType(ui::ButtonType::Custom);
    button->setBackgroundColor(ui::Color::clearColor());
    button->setTitle(title, ui::ControlStateNormal);
    if (textColor) button->setTitleColor(*textColor, ui::ControlStateNormal);
    if (font) button->titleLabel()->setFont(*font);
    return button;
}

std::shared_ptr<ui::Button> ControlFactory::createButton(const std::string& title,
                                                         const std::shared_ptr<ui::Image>& highlightBgImage,
                                                         const std::shared_ptr<ui::Image>& normalBgImage) {
    auto button = ui::Button::buttonWithType(ui::ButtonType::Custom);
    button->setBackgroundColor(ui::Color::clearColor());
    button->setTitle(title, ui::ControlStateNormal);
    button->setBackgroundImage(normalBgImage, ui::ControlStateNormal);
    button->setBackgroundImage(highlightBgImage, ui::ControlStateHighlighted);
    return button;
}

std::shared_ptr<ui::Label> ControlFactory::createLabel(const std::string& text, const std::optional<ui::Color>& color,
                                                       const std::optional<ui::Font>& font,
                                                       const std::optional<ui::Color>& bgColor,
                                                       ui::TextAlignment alignment) {
    auto label = ui::Label::create(cg::Rect{});
    label->setTextColor(color.value_or(ui::Color::whiteColor()));
    label->setFont(font.value_or(ui::Font::systemFontOfSize(12)));
    label->setBackgroundColor(bgColor.value_or(ui::Color::clearColor()));
    label->setTextAlignment(alignment);
    label->setText(text);
    return label;
}

std::shared_ptr<ui::ImageView> ControlFactory::createImageView(const std::string& imageName) {
    return ui::ImageView::createWithImage(ui::Image::imageNamed(imageName));
}

std::shared_ptr<ui::ImageView> ControlFactory::createImageView(const std::string& imageName, ui::ContentMode mode) {
    auto view = createImageView(imageName);
    view->setContentMode(mode);
    return view;
}
