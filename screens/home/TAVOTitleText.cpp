#include "screens/home/TAVOTitleText.h"

#include "platform/graphics/RegularExpression.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "uikit/LXCommodityStyleModifiers.h"

ns::AttributedStringPtr TAVOTitleText(const std::string& text, double size) {
    auto styled = ns::AttributedString::create(text);
    LXCommodityStyleModifiers::setTextAlignment(*styled, ct::TextAlignment::Center, ct::LineBreakMode::CharWrapping);
    LXCommodityStyleModifiers::setTextColor(*styled, ui::Color::whiteColor());
    LXCommodityStyleModifiers::setFont(*styled, ui::Font::systemFontOfSize(size));
    return styled;
}

void TAVOEnlargeFirstMatch(ns::AttributedString& text, const char* pattern, double size, std::size_t skip) {
    auto expression = ns::RegularExpression::create(pattern, 0);
    if (!expression) return;
    const ns::Range match =
        expression->rangeOfFirstMatchInString(text.string(), 0, ns::makeRange(0, text.length()));
    if (!match.found() || match.length <= skip) return;
    LXCommodityStyleModifiers::setFont(text, ui::Font::systemFontOfSize(size),
                                       ns::makeRange(match.location + skip, match.length - skip));
}
