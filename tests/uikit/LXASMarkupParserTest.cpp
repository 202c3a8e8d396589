// The markup parsers: tags become styles at the right UTF-16 places (later
// matches land right although earlier replacements shortened the text),
// colours come only from well-formed hex or the fixed table of names, and
// a rule that cannot style leaves its markup as written.
#include <gtest/gtest.h>

#include "platform/graphics/TextAttributes.h"
#include "uikit/LXASBasicHTMLParser.h"
#include "uikit/LXASBasicMarkupParser.h"
#include "uikit/LXCommodityConstructors.h"

namespace {

using Constructors = LXCommodityConstructors;

// The ranges over which the text is bold, in order.
std::vector<ns::Range> boldRuns(const ns::AttributedString& text) {
    std::vector<ns::Range> runs;
    text.enumerateAttribute(ct::kFontAttributeName, {0, text.length()}, 0, [&](const ns::Value&, ns::Range r, bool*) {
        if (Constructors::textIsBoldAtIndex(text, r.location)) runs.push_back(r);
    });
    return runs;
}

TEST(LXASMarkupParser, EveryBoldTagBecomesABoldRunWhereItsTextEndsUp) {
    struct Case {
        const char* markup;
        const char* plain;
        std::vector<ns::Range> bold;
    };
    const Case cases[] = {
        {"<b>a</b> and <b>b</b>", "a and b", {{0, 1}, {6, 1}}},
        {"<b>中文</b>和<b>粗体字</b>!", "中文和粗体字!", {{0, 2}, {3, 3}}},
        {"前<b>😀x</b>后<b>y</b>", "前😀x后y", {{1, 3}, {5, 1}}},
        {"no tags <b></b> here", "no tags <b></b> here", {}},
    };
    for (const auto& c : cases) {
        auto text = LXASBasicHTMLParser().attributedStringByProcessingMarkupInString(c.markup);
        EXPECT_EQ(text->string(), c.plain) << c.markup;
        EXPECT_EQ(boldRuns(*text), c.bold) << c.markup;
    }
}

TEST(LXASMarkupParser, ColoursComeFromWellFormedHexOrTheTableOfNames) {
    const ui::Color red = ui::Color::redColor();
    struct Case {
        const char* text;
        std::optional<ui::Color> color;
    };
    const Case cases[] = {
        {"#f00", red},
        {"#FF0000", red},
        {"#f008", red.colorWithAlphaComponent(8.0 / 15.0)},
        {"#ff000080", red.colorWithAlphaComponent(128.0 / 255.0)},
        {"red", red},
        {"RED", red},
        {"lightGray", std::nullopt},   // lower-cased, no such one-word name
        {"#gg0", std::nullopt},        // not hexadecimal
        {"#f0x000", std::nullopt},     // bad digit inside
        {"#ff00", ui::Color::rgba(1, 1, 0, 0)},
        {"#ff000", std::nullopt},      // no layout has five digits
        {"#", std::nullopt},
        {"", std::nullopt},
        {"colorWithRed", std::nullopt},
        {"init", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(LXASMarkupParserBase::colorFromString(c.text), c.color) << c.text;
}

TEST(LXASMarkupParser, AColourThatIsNoColourLeavesTheMarkupAsWritten) {
    const char* markup = "x <font color='nosuch'>y</font> {nosuch|z}";
    auto html = LXASBasicHTMLParser().attributedStringByProcessingMarkupInString(markup);
    auto marks = LXASBasicMarkupParser().attributedStringByProcessingMarkupInAttributedString(*html);
    EXPECT_EQ(marks->string(), markup);
    for (std::size_t i = 0; i < marks->length(); ++i) EXPECT_FALSE(Constructors::textColorAtIndex(*marks, i)) << i;

    auto coloured = LXASBasicHTMLParser().attributedStringByProcessingMarkupInString("<font color=\"#00f\">blue</font>");
    EXPECT_EQ(coloured->string(), "blue");
    EXPECT_EQ(Constructors::textColorAtIndex(*coloured, 3), ui::Color::blueColor());
}

TEST(LXASMarkupParser, MonospaceTakesTheSizeFoundThereOrTwelvePoints) {
    auto unstyled = LXASBasicMarkupParser().attributedStringByProcessingMarkupInString("a`code`b");
    EXPECT_EQ(unstyled->string(), "acodeb");
    auto font = Constructors::fontAtIndex(*unstyled, 1);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->familyName(), "Courier");
    EXPECT_EQ(font->size(), 12);

    auto sized = ns::AttributedString::create("a`code`b", {{ct::kFontAttributeName, ct::Font::createWithName("Helvetica", 19)}});
    LXASBasicMarkupParser().processMarkupInAttributedString(*sized);
    EXPECT_EQ(Constructors::fontAtIndex(*sized, 1)->size(), 19);
}

TEST(LXASMarkupParser, LinksAndFontsCarryWhatTheTagsSay) {
    auto text = LXASBasicHTMLParser().attributedStringByProcessingMarkupInString(
        "<a href='http://example.com/x'>go</a> <font name=\"Courier\" size=\"abc\">m</font>");
    EXPECT_EQ(text->string(), "go m");
    ns::Range linkRange;
    auto link = Constructors::linkAtIndex(*text, 0, &linkRange);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->absoluteString(), "http://example.com/x");
    EXPECT_EQ(linkRange, (ns::Range{0, 2}));
    // A size that is no number reads as 0, which makes the default size.
    EXPECT_EQ(Constructors::fontAtIndex(*text, 3)->postScriptName(), "Courier");
    EXPECT_EQ(Constructors::fontAtIndex(*text, 3)->size(), 12);
}

}  // namespace
