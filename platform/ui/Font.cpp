#include "platform/ui/Font.h"

#include "platform/graphics/StringDrawing.h"

namespace ui {

Font::Font() : font_(ct::Font::systemFont(17)) {}

Font Font::systemFontOfSize(double size) { return Font(ct::Font::systemFont(size)); }

Font Font::boldSystemFontOfSize(double size) { return Font(ct::Font::boldSystemFont(size)); }

std::optional<Font> Font::fontWithName(const std::string& name, double size) {
    auto f = ct::Font::createWithName(name, size);
    if (!f) return std::nullopt;
    return Font(std::move(f));
}

Font Font::fontWithSize(double size) const { return Font(font_->createCopyWithSize(size)); }

cg::Size Font::sizeOfString(const std::string& text) const { return ct::sizeWithFont(text, font_); }

}  // namespace ui
