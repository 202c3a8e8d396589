#include "screens/safety/TAVOSafetyStyle.h"

#include "uikit/LXCommodityStyleModifiers.h"

void TAVOSafetyStyle::paint(TAVOGradientView& view, const Gradient& gradient, bool animated) {
    view.changeTopLeftColor(gradient.topLeft, gradient.bottomRight, animated);
}

bool TAVOSafetyStyle::isShown(const TAVOGradientView& view, const Gradient& gradient) {
    return view.colorTopLeft() == gradient.topLeft && view.colorBottomRight() == gradient.bottomRight;
}

ns::Range TAVOSafetyStyle::firstDigitRun(const std::u16string& text, std::size_t from) {
    auto isDigit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    std::size_t start = from;
    while (start < text.size() && !isDigit(text[start])) ++start;
    if (start >= text.size()) return ns::notFoundRange();
    std::size_t end = start;
    while (end < text.size() && isDigit(text[end])) ++end;
    return ns::makeRange(start, end - start);
}

ns::AttributedStringPtr TAVOSafetyStyle::styled(const std::string& text, const ui::Font& font, const ui::Color& color) {
    auto out = ns::AttributedString::create(text);
    LXCommodityStyleModifiers::setFont(*out, font);
    LXCommodityStyleModifiers::setTextColor(*out, color);
    return out;
}

void TAVOSafetyStyle::colourFirstNumber(ns::AttributedString& text, const ui::Color& color) {
    const ns::Range digits = firstDigitRun(text.utf16());
    if (digits.location != ns::kNotFound) LXCommodityStyleModifiers::setTextColor(text, color, digits);
}
