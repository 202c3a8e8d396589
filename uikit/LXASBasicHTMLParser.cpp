#include "uikit/LXASBasicHTMLParser.h"

#include "platform/foundation/Value.h"
#include "uikit/LXCommodityStyleModifiers.h"

using Modifiers = LXCommodityStyleModifiers;

namespace {
ns::Range whole(const ns::AttributedString& text) { return ns::Range{0, text.length()}; }
}  // namespace

LXASMarkupParserBase::TagMappings LXASBasicHTMLParser::tagMappings() const {
    return {
        {"<b>(.+?)</b>",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) {
             auto text = group(snapshot, match, 1);
             if (text) Modifiers::setTextBold(*text, true, whole(*text));
             return text;
         }},
        {"<u>(.+?)</u>",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) {
             auto text = group(snapshot, match, 1);
             if (text) Modifiers::setTextIsUnderlined(*text, true);
             return text;
         }},
        {"<i>(.+?)</i>",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) {
             auto text = group(snapshot, match, 1);
             if (text) Modifiers::setTextItalics(*text, true, whole(*text));
             return text;
         }},
        {R"(<font name=(['"])(.+?)\1 size=(['"])(.+?)\3>(.+?)</font>)",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) -> ns::AttributedStringPtr {
             auto name = group(snapshot, match, 2), size = group(snapshot, match, 4), text = group(snapshot, match, 5);
             if (!name || !size || !text) return nullptr;
             Modifiers::setFontName(*text, name->string(), ns::Value(size->string()).floatValue());
             return text;
         }},
        {R"(<font color=(['"])(.+?)\1>(.+?)</font>)",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) -> ns::AttributedStringPtr {
             auto color = colorFromString(groupText(snapshot, match, 2));
             auto text = group(snapshot, match, 3);
             // Without a colour the markup stays as written rather than lose what it said.
             if (!color || !text) return nullptr;
             Modifiers::setTextColor(*text, *color);
             return text;
         }},
        {R"(<a href=(['"])(.+?)\1>(.+?)</a>)",
         [](const ns::AttributedString& snapshot, const ns::TextCheckingResult& match) -> ns::AttributedStringPtr {
             auto url = group(snapshot, match, 2), text = group(snapshot, match, 3);
             if (!url || !text) return nullptr;
             Modifiers::setLink(*text, ns::URL::URLWithString(url->string()), whole(*text));
             return text;
         }},
    };
}
