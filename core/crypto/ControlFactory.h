// Plain interface controls made the same way everywhere.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

namespace ui {
class Button;
class Image;
class ImageView;
}  // namespace ui

class ControlFactory {
public:
    ControlFactory() = delete;

    // A custom button on a clear background with the title for the normal
    // state; title colour and font only when given.
    static std::shared_ptr<ui::Button> createButton(const std::string& title, const std::optional<ui::Font>& font,
                                                    const std::optional<ui::Color>& textColor);
    // A custom button with the title and background images for the
    // highlighted and the normal state.
    static std::shared_ptr<ui::Button> createButton(const std::string& title,
                                                    const std::shared_ptr<ui::Image>& highlightBgImage,
                                                    const std::shared_ptr<ui::Image>& normalBgImage);
    // A label with an empty frame: white text, the 12-point system font and
    // a clear background unless given.
    static std::shared_ptr<ui::Label> createLabel(const std::string& text, const std::optional<ui::Color>& color,
                                                  const std::optional<ui::Font>& font,
                                                  const std::optional<ui::Color>& bgColor,
                                                  ui::TextAlignment alignment = ui::TextAlignment::Left);
    // An image view showing the named image (none for an empty or unknown name).
    static std::shared_ptr<ui::ImageView> createImageView(const std::string& imageName);
    static std::shared_ptr<ui::ImageView> createImageView(const std::string& imageName, ui::ContentMode mode);
};
