#include "platform/graphics/TextAttributes.h"

namespace ct {

namespace {
FontResolver& fontResolver() {
    static FontResolver r;
    return r;
}
ColorResolver& colorResolver() {
    static ColorResolver r;
    return r;
}
}  // namespace

FontPtr defaultFont() {
    static const FontPtr font = Font::createWithName("Helvetica", 12);
    return font;
}

void setFontResolver(FontResolver resolver) { fontResolver() = std::move(resolver); }
void setColorResolver(ColorResolver resolver) { colorResolver() = std::move(resolver); }

FontPtr fontFromValue(const ns::Value& value) {
    if (!value.isObject()) return nullptr;
    if (auto f = std::dynamic_pointer_cast<Font>(value.asObject())) return f;
    return fontResolver() ? fontResolver()(value) : nullptr;
}

cg::ColorPtr colorFromValue(const ns::Value& value) {
    if (!value.isObject()) return nullptr;
    if (auto c = std::dynamic_pointer_cast<cg::Color>(value.asObject())) return c;
    return colorResolver() ? colorResolver()(value) : nullptr;
}

ParagraphStylePtr paragraphStyleFromValue(const ns::Value& value) {
    if (!value.isObject()) return nullptr;
    return std::dynamic_pointer_cast<ParagraphStyle>(value.asObject());
}

}  // namespace ct
