#include "uikit/LXCommodityConstructors.h"

#include <cmath>

#include "platform/graphics/Framesetter.h"
#include "platform/graphics/TextAttributes.h"

namespace {
constexpr std::int32_t kUnderlineStyleBits = 0xFF;
}

ns::AttributedStringPtr LXCommodityConstructors::attributedStringWithString(const std::optional<std::string>& string) {
    if (!string) return nullptr;
    return ns::AttributedString::create(*string);
}

ns::AttributedStringPtr LXCommodityConstructors::attributedStringWithAttributedString(
    const ns::AttributedStringPtr& text) {
    return text ? text->copy() : nullptr;
}

cg::Size LXCommodityConstructors::sizeConstrainedToSize(const ns::AttributedString& text, cg::Size maxSize,
                                                        ns::Range* fitRange) {
    auto framesetter = ct::Framesetter::create(text);
    if (!framesetter) return {0, 0};
    cg::Size suggested = framesetter->suggestFrameSizeWithConstraints(ns::Range{0, 0}, maxSize, fitRange);
    return {std::floor(suggested.width + 1), std::floor(suggested.height + 1)};
}

ct::FontPtr LXCommodityConstructors::fontAtIndex(const ns::AttributedString& text, std::size_t index,
                                                 ns::Range* effectiveRange) {
    return ct::fontFromValue(text.attributeAtIndex(ct::kFontAttributeName, index, effectiveRange));
}

std::optional<ui::Color> LXCommodityConstructors::textColorAtIndex(const ns::AttributedString& text, std::size_t index,
                                                                   ns::Range* effectiveRange) {
    auto color = ct::colorFromValue(text.attributeAtIndex(ct::kForegroundColorAttributeName, index, effectiveRange));
    if (!color) return std::nullopt;
    const cg::RGBA c = color->rgba();
    return ui::Color::rgba(c.r, c.g, c.b, c.a);
}

std::int32_t LXCommodityConstructors::textUnderlineStyleAtIndex(const ns::AttributedString& text, std::size_t index,
                                                                ns::Range* effectiveRange) {
    return text.attributeAtIndex(ct::kUnderlineStyleAttributeName, index, effectiveRange).intValue();
}

bool LXCommodityConstructors::textIsUnderlinedAtIndex(const ns::AttributedString& text, std::size_t index,
                                                      ns::Range* effectiveRange) {
    return (textUnderlineStyleAtIndex(text, index, effectiveRange) & kUnderlineStyleBits) != 0;
}

bool LXCommodityConstructors::textIsBoldAtIndex(const ns::AttributedString& text, std::size_t index,
                                                ns::Range* effectiveRange) {
    auto font = fontAtIndex(text, index, effectiveRange);
    return font && (font->symbolicTraits() & ct::FontBoldTrait);
}

ct::TextAlignment LXCommodityConstructors::textAlignmentAtIndex(const ns::AttributedString& text, std::size_t index,
                                                                ns::Range* effectiveRange) {
    auto style = ct::paragraphStyleFromValue(
        text.attributeAtIndex(ct::kParagraphStyleAttributeName, index, effectiveRange));
    return style ? style->alignment() : ct::TextAlignment::Natural;
}

ct::LineBreakMode LXCommodityConstructors::lineBreakModeAtIndex(const ns::AttributedString& text, std::size_t index,
                                                                ns::Range* effectiveRange) {
    auto style = ct::paragraphStyleFromValue(
        text.attributeAtIndex(ct::kParagraphStyleAttributeName, index, effectiveRange));
    return style ? style->lineBreakMode() : ct::LineBreakMode::WordWrapping;
}

LXParagraphStyle LXCommodityConstructors::paragraphStyleAtIndex(const ns::AttributedString& text, std::size_t index,
                                                                ns::Range* effectiveRange) {
    return LXParagraphStyle::paragraphStyleWithCTParagraphStyle(ct::paragraphStyleFromValue(
        text.attributeAtIndex(ct::kParagraphStyleAttributeName, index, effectiveRange)));
}

ns::URLPtr LXCommodityConstructors::linkAtIndex(const ns::AttributedString& text, std::size_t index,
                                                ns::Range* effectiveRange) {
    return text.attributeAtIndex(kLXLinkAttributeName, index, effectiveRange).as<ns::URL>();
}
