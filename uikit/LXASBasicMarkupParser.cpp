#include "uikit/LXASBasicMarkupParser.h"

#include "platform/graphics/TextAttributes.h"
#include "uikit/LXCommodityConstructors.h"
#include "uikit/LXCommodityStyleModifiers.h"

using Modifiers = LXCommodityStyleModifiers;

namespace {

constexpr const char* kMonospaceFont = "Courier";
// Monospace text where the markup itself names no font.
constexpr double kMonospaceDefaultSize = 12;

ns::Range whole(const ns::AttributedString& text) { return ns::Range{0, text.length()}; }

}  // namespace

LXASMarkupParserBase::TagMappings LXASBasicMarkupParser::tagMappings() const {
    return {
        {R"(\b\*(.+?)\*\b)",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) {
             auto text = group(snapshot, match, 1);
             if (text) Modifiers::setTextBold(*text, true, whole(*text));
             return text;
         }},
        {R"(\b_(.+?)_\b)",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) {
             auto text = group(snapshot, match, 1);
             if (text) Modifiers::setTextIsUnderlined(*text, true);
             return text;
         }},
        {R"(\b\|(.+?)\|\b)",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) {
             auto text = group(snapshot, match, 1);
             if (text) Modifiers::setTextItalics(*text, true, whole(*text));
             return text;
         }},
        {R"(\b`(.+?)`\b)",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) {
             auto text = group(snapshot, match, 1);
             if (!text) return text;
             auto font = LXCommodityConstructors::fontAtIndex(snapshot, match.rangeAtIndex(1).location);
             Modifiers::setFontName(*text, kMonospaceFont, font ? font->size() : kMonospaceDefaultSize);
             return text;
         }},
        {R"(\{(.+?)\|(.+?)\})",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) -> ns::AttributedStringPtr {
             auto color = colorFromString(groupText(snapshot, match, 1));
             auto text = group(snapshot, match, 2);
             // Without a colour the markup stays as written rather than lose what it said.
             if (!color || !text) return nullptr;
             Modifiers::setTextColor(*text, *color);
             return text;
         }},
        {R"(\b\[(.+?)\]\((.+?)\)\b)",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) -> ns::AttributedStringPtr {
             auto text = group(snapshot, match, 1), url = group(snapshot, match, 2);
             if (!text || !url) return nullptr;
             Modifiers::setLink(*text, ns::URL::URLWithString(url->string()), whole(*text));
             return text;
         }},
    };
}
