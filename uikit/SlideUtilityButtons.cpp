#include "uikit/SlideUtilityButtons.h"

#include "platform/ui/Font.h"

namespace {
constexpr double kTitleFontSize = 15;
}

void sl_addUtilityButtonWithColor(std::vector<ui::ButtonPtr>& buttons, const ui::Color& color,
                                  const std::string& title) {
    auto button = ui::Button::buttonWithType(ui::ButtonType::Custom);
    button->setBackgroundColor(color);
    button->setTitle(title, ui::ControlStateNormal);
    button->titleLabel()->setFont(ui::Font::systemFontOfSize(kTitleFontSize));
    button->setTitleColor(ui::Color::whiteColor(), ui::ControlStateNormal);
    buttons.push_back(button);
}

void sl_addUtilityButtonWithColor(std::vector<ui::ButtonPtr>& buttons, const ui::Color& color,
                                  const ui::ImagePtr& icon) {
    auto button = ui::Button::buttonWithType(ui::ButtonType::Custom);
    button->setBackgroundColor(color);
    button->setImage(icon, ui::ControlStateNormal);
    buttons.push_back(button);
}
