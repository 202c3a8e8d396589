// Styling attributed strings in place: font, colour, underline, bold and
// italic, alignment and line breaking, character spacing, paragraph styles
// and links. The forms without a range style the whole text. A range that
// reaches past the text styles only the part inside it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/URL.h"
#include "platform/graphics/AttributedString.h"
#include "platform/graphics/ParagraphStyle.h"
#include "platform/ui/Color.h"
#include "platform/ui/Font.h"
#include "uikit/LXParagraphStyle.h"

class LXCommodityStyleModifiers {
public:
    LXCommodityStyleModifiers() = delete;

    // Given a font's PostScript name, the name of the variant to use when
    // the family cannot be restyled by traits; none when it knows none.
    using FontFinder = std::function<std::optional<std::string>(const std::string& postScriptName)>;
    using ParagraphStyleBlock = std::function<void(LXParagraphStyle&)>;

    static void setFont(ns::AttributedString& text, const ui::Font& font);
    static void setFont(ns::AttributedString& text, const ui::Font& font, ns::Range range);
    // A name no font answers to changes nothing.
    static void setFontName(ns::AttributedString& text, std::string_view fontName, double size);
    static void setFontName(ns::AttributedString& text, std::string_view fontName, double size, ns::Range range);
    // A family without the asked face changes nothing.
    static void setFontFamily(ns::AttributedString& text, std::string_view family, double size, bool bold,
                              bool italic, ns::Range range);

    static void setTextColor(ns::AttributedString& text, const ui::Color& color);
    static void setTextColor(ns::AttributedString& text, const ui::Color& color, ns::Range range);

    static void setTextIsUnderlined(ns::AttributedString& text, bool underlined);
    static void setTextIsUnderlined(ns::AttributedString& text, bool underlined, ns::Range range);
    // The whole value: the style in the low 8 bits, the pattern above.
    static void setTextUnderlineStyle(ns::AttributedString& text, std::int32_t style, ns::Range range);

    // Each font run in the range gets the traits under `mask` replaced by
    // `traits`; a run whose family has no such face asks the finder, and
    // keeps its font (with a warning logged) when that does not help.
    static void changeFontWithTraits(ns::AttributedString& text, unsigned traits, unsigned mask, ns::Range range,
                                     const FontFinder& newFontFinder);
    static void setTextBold(ns::AttributedString& text, bool bold, ns::Range range);
    static void setTextItalics(ns::AttributedString& text, bool italic, ns::Range range);

    static void setTextAlignment(ns::AttributedString& text, ct::TextAlignment alignment,
                                 ct::LineBreakMode lineBreakMode);
    static void setTextAlignment(ns::AttributedString& text, ct::TextAlignment alignment,
                                 ct::LineBreakMode lineBreakMode, ns::Range range);

    static void setCharacterSpacing(ns::AttributedString& text, float spacing);
    static void setCharacterSpacing(ns::AttributedString& text, float spacing, ns::Range range);

    // The block sees each paragraph-style run in the range once and changes
    // it; runs are written back as the twelve settings of LXParagraphStyle.
    // A missing block is a programming error (std::invalid_argument).
    static void modifyParagraphStyles(ns::AttributedString& text, const ParagraphStyleBlock& block);
    static void modifyParagraphStylesInRange(ns::AttributedString& text, ns::Range range,
                                             const ParagraphStyleBlock& block);
    static void setParagraphStyle(ns::AttributedString& text, const LXParagraphStyle& style);
    static void setParagraphStyle(ns::AttributedString& text, const LXParagraphStyle& style, ns::Range range);

    // Removes any link over the range, then adds the URL when there is one.
    static void setLink(ns::AttributedString& text, const ns::URLPtr& link, ns::Range range);

    // The finders bold and italic use: the system UI font's faces by name.
    static std::optional<std::string> boldFontFinder(const std::string& postScriptName, bool bold);
    static std::optional<std::string> italicFontFinder(const std::string& postScriptName, bool italic);
};
