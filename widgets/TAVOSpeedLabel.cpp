#include "widgets/TAVOSpeedLabel.h"

#include <cstdio>

#include "platform/graphics/RegularExpression.h"
#include "platform/ui/Font.h"
#include "uikit/LXCommodityStyleModifiers.h"

namespace {

constexpr double kKilo = 1024;
constexpr double kMega = 1024 * 1024;
constexpr const char* kNumberPattern = "[.0-9]+";

std::string formatted(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

}  // namespace

std::string TAVOSpeedLabel::formatStringForSpeed(double speedKB) {
    if (speedKB > kMega) return formatted("%.1f GB/s", speedKB / kKilo / kKilo);
    if (speedKB > kKilo) return formatted("%.1f MB/s", speedKB / kKilo);
    if (speedKB >= 1) return formatted("%.0f KB/s", speedKB);
    std::string text = formatted("%.1f KB/s", speedKB);
    return text == "0.0 KB/s" ? "0 KB/s" : text;
}

void TAVOSpeedLabel::setSpeedKB(double speedKB) {
    speedKB_ = speedKB;
    setText(formatStringForSpeed(speedKB));
}

void TAVOSpeedLabel::setText(const std::string& text) {
    LXAttributedLabel::setText(text);
    if (text.empty()) return;

    using Modifiers = LXCommodityStyleModifiers;
    auto styled = ns::AttributedString::create(ui::Label::text());
    Modifiers::setTextColor(*styled, unitTextColor());
    Modifiers::setFont(*styled, ui::Font::systemFontOfSize(unitTextSize()));

    static const auto number = ns::RegularExpression::create(kNumberPattern, 0);
    const auto& plain = styled->string();
    const ns::Range range = number ? number->rangeOfFirstMatchInString(plain, 0, ns::makeRange(0, styled->length()))
                                   : ns::notFoundRange();
    if (range.found() && range.length > 0) {
        if (styled->attributedSubstringFromRange(range)->string() != "0")
            Modifiers::setTextColor(*styled, speedTextColor(), range);
        Modifiers::setFont(*styled, ui::Font::systemFontOfSize(speedTextSize()), range);
    }
    setAttributedText(styled);
    // The styled text carries the label's alignment too.
    setTextAlignment(textAlignment());
}
