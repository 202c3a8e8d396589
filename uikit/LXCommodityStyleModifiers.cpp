#include "uikit/LXCommodityStyleModifiers.h"

#include <stdexcept>

#include "platform/foundation/Log.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/TextAttributes.h"
#include "uikit/LXClampedRange.h"
#include "uikit/LXCommodityConstructors.h"

namespace {

constexpr const char* kSystemRegular = ".HelveticaNeueUI";
constexpr const char* kSystemBold = ".HelveticaNeueUI-Bold";
constexpr const char* kSystemItalic = ".HelveticaNeueUI-Italic";
constexpr const char* kSystemBoldItalic = ".HelveticaNeueUI-BoldItalic";

ns::Range wholeText(const ns::AttributedString& text) { return ns::Range{0, text.length()}; }

ns::Range intersection(ns::Range a, ns::Range b) {
    std::size_t lo = std::max(a.location, b.location), hi = std::min(a.max(), b.max());
    return hi > lo ? ns::Range{lo, hi - lo} : ns::Range{lo, 0};
}

void replaceFont(ns::AttributedString& text, const ct::FontPtr& font, ns::Range range) {
    text.removeAttribute(ct::kFontAttributeName, range);
    text.addAttribute(ct::kFontAttributeName, font, range);
}

}  // namespace

void LXCommodityStyleModifiers::setFont(ns::AttributedString& text, const ui::Font& font) {
    setFont(text, font, wholeText(text));
}

void LXCommodityStyleModifiers::setFont(ns::AttributedString& text, const ui::Font& font, ns::Range range) {
    setFontName(text, font.fontName(), font.pointSize(), range);
}

void LXCommodityStyleModifiers::setFontName(ns::AttributedString& text, std::string_view fontName, double size) {
    setFontName(text, fontName, size, wholeText(text));
}

void LXCommodityStyleModifiers::setFontName(ns::AttributedString& text, std::string_view fontName, double size,
                                            ns::Range range) {
    auto font = ct::Font::createWithName(fontName, size);
    if (!font) return;
    replaceFont(text, font, LXClampedRange(range, text.length()));
}

void LXCommodityStyleModifiers::setFontFamily(ns::AttributedString& text, std::string_view family, double size,
                                              bool bold, bool italic, ns::Range range) {
    const unsigned traits = (bold ? ct::FontBoldTrait : 0u) | (italic ? ct::FontItalicTrait : 0u);
    auto font = ct::Font::createWithFamily(family, size, traits);
    if (!font) return;
    replaceFont(text, font, LXClampedRange(range, text.length()));
}

void LXCommodityStyleModifiers::setTextColor(ns::AttributedString& text, const ui::Color& color) {
    setTextColor(text, color, wholeText(text));
}

void LXCommodityStyleModifiers::setTextColor(ns::AttributedString& text, const ui::Color& color, ns::Range range) {
    range = LXClampedRange(range, text.length());
    text.removeAttribute(ct::kForegroundColorAttributeName, range);
    text.addAttribute(ct::kForegroundColorAttributeName,
                      cg::Color::createRGB(color.red(), color.green(), color.blue(), color.alpha()), range);
}

void LXCommodityStyleModifiers::setTextIsUnderlined(ns::AttributedString& text, bool underlined) {
    setTextIsUnderlined(text, underlined, wholeText(text));
}

void LXCommodityStyleModifiers::setTextIsUnderlined(ns::AttributedString& text, bool underlined, ns::Range range) {
    setTextUnderlineStyle(text, underlined ? 1 : 0, range);
}

void LXCommodityStyleModifiers::setTextUnderlineStyle(ns::AttributedString& text, std::int32_t style,
                                                      ns::Range range) {
    range = LXClampedRange(range, text.length());
    text.removeAttribute(ct::kUnderlineStyleAttributeName, range);
    text.addAttribute(ct::kUnderlineStyleAttributeName, style, range);
}

void LXCommodityStyleModifiers::changeFontWithTraits(ns::AttributedString& text, unsigned traits, unsigned mask,
                                                     ns::Range range, const FontFinder& newFontFinder) {
    range = LXClampedRange(range, text.length());
    text.beginEditing();
    for (std::size_t index = range.location; index < range.max();) {
        ns::Range effective;
        auto font = ct::fontFromValue(text.attributeAtIndex(ct::kFontAttributeName, index, &effective));
        // Nothing more to read (cannot happen inside the text; never loop on it).
        if (!effective.found() || effective.max() <= index) break;
        if (!font) font = ct::Font::createUIFont(ct::UIFontType::Label, 0);
        const ns::Range part = intersection(range, effective);

        auto restyled = font->createCopyWithSymbolicTraits(0, traits, mask);
        if (!restyled && newFontFinder) {
            if (auto name = newFontFinder(font->postScriptName()))
                restyled = ct::Font::createWithName(*name, font->size());
        }
        if (restyled) {
            replaceFont(text, restyled, part);
        } else {
            ns::logWarning("[LXAttributedLabel] Warning: can't find an italic font variant for font family " +
                           font->postScriptName() + ". Try another font family (like Helvetica) instead.");
        }
        index = effective.max();
    }
    text.endEditing();
}

std::optional<std::string> LXCommodityStyleModifiers::boldFontFinder(const std::string& name, bool bold) {
    if (name == kSystemItalic || name == kSystemBoldItalic) return bold ? kSystemBoldItalic : kSystemItalic;
    if (name == kSystemRegular || name == kSystemBold) return bold ? kSystemBold : kSystemRegular;
    return std::nullopt;
}

std::optional<std::string> LXCommodityStyleModifiers::italicFontFinder(const std::string& name, bool italic) {
    if (name == kSystemBold || name == kSystemBoldItalic) return italic ? kSystemBoldItalic : kSystemBold;
    if (name == kSystemRegular || name == kSystemItalic) return italic ? kSystemItalic : kSystemRegular;
    return std::nullopt;
}

void LXCommodityStyleModifiers::setTextBold(ns::AttributedString& text, bool bold, ns::Range range) {
    changeFontWithTraits(text, bold ? ct::FontBoldTrait : 0u, ct::FontBoldTrait, range,
                         [bold](const std::string& name) { return boldFontFinder(name, bold); });
}

void LXCommodityStyleModifiers::setTextItalics(ns::AttributedString& text, bool italic, ns::Range range) {
    changeFontWithTraits(text, italic ? ct::FontItalicTrait : 0u, ct::FontItalicTrait, range,
                         [italic](const std::string& name) { return italicFontFinder(name, italic); });
}

void LXCommodityStyleModifiers::setTextAlignment(ns::AttributedString& text, ct::TextAlignment alignment,
                                                 ct::LineBreakMode lineBreakMode) {
    setTextAlignment(text, alignment, lineBreakMode, wholeText(text));
}

void LXCommodityStyleModifiers::setTextAlignment(ns::AttributedString& text, ct::TextAlignment alignment,
                                                 ct::LineBreakMode lineBreakMode, ns::Range range) {
    modifyParagraphStylesInRange(text, range, [&](LXParagraphStyle& style) {
        style.textAlignment = alignment;
        style.lineBreakMode = lineBreakMode;
    });
}

void LXCommodityStyleModifiers::setCharacterSpacing(ns::AttributedString& text, float spacing) {
    setCharacterSpacing(text, spacing, wholeText(text));
}

void LXCommodityStyleModifiers::setCharacterSpacing(ns::AttributedString& text, float spacing, ns::Range range) {
    text.addAttribute(ct::kKernAttributeName, spacing, LXClampedRange(range, text.length()));
}

void LXCommodityStyleModifiers::modifyParagraphStyles(ns::AttributedString& text, const ParagraphStyleBlock& block) {
    modifyParagraphStylesInRange(text, wholeText(text), block);
}

void LXCommodityStyleModifiers::modifyParagraphStylesInRange(ns::AttributedString& text, ns::Range range,
                                                             const ParagraphStyleBlock& block) {
    if (!block) throw std::invalid_argument("Invalid parameter not satisfying: block != nil");
    range = LXClampedRange(range, text.length());
    text.beginEditing();
    for (std::size_t index = range.location; index < range.max();) {
        ns::Range effective;
        auto value = text.attributeAtIndex(ct::kParagraphStyleAttributeName, index, &effective, range);
        if (!effective.found() || effective.max() <= index) break;
        auto style = LXParagraphStyle::paragraphStyleWithCTParagraphStyle(ct::paragraphStyleFromValue(value));
        block(style);
        setParagraphStyle(text, style, effective);
        index = effective.max();
    }
    text.endEditing();
}

void LXCommodityStyleModifiers::setParagraphStyle(ns::AttributedString& text, const LXParagraphStyle& style) {
    setParagraphStyle(text, style, wholeText(text));
}

void LXCommodityStyleModifiers::setParagraphStyle(ns::AttributedString& text, const LXParagraphStyle& style,
                                                  ns::Range range) {
    range = LXClampedRange(range, text.length());
    text.removeAttribute(ct::kParagraphStyleAttributeName, range);
    text.addAttribute(ct::kParagraphStyleAttributeName, style.createCTParagraphStyle(), range);
}

void LXCommodityStyleModifiers::setLink(ns::AttributedString& text, const ns::URLPtr& link, ns::Range range) {
    range = LXClampedRange(range, text.length());
    text.removeAttribute(kLXLinkAttributeName, range);
    if (link) text.addAttribute(kLXLinkAttributeName, link, range);
}
