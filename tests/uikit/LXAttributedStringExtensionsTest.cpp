// The attributed-string helpers: styles land exactly on the ranges asked
// for, ranges reaching past the text are cut to it, and reading styles back
// answers the platform's defaults where nothing is set.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/graphics/Framesetter.h"
#include "platform/graphics/TextAttributes.h"
#include "tests/uikit/LoggedWarnings.h"
#include "uikit/LXCommodityConstructors.h"
#include "uikit/LXCommodityStyleModifiers.h"

namespace {

using Constructors = LXCommodityConstructors;
using Modifiers = LXCommodityStyleModifiers;

// The stretch of `text` over which `attribute` is set, starting where it
// first appears; {length, 0} when it appears nowhere.
ns::Range styledRange(const ns::AttributedString& text, const char* attribute) {
    ns::Range found{text.length(), 0};
    text.enumerateAttribute(attribute, {0, text.length()}, 0, [&](const ns::Value& value, ns::Range range, bool* stop) {
        if (value.isNil()) return;
        found = range;
        *stop = true;
    });
    return found;
}

TEST(LXAttributedStringExtensions, RangesPastTheTextAreCutToIt) {
    constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();
    struct Case {
        const char* name;
        ns::Range asked;
        ns::Range styled;
    };
    // "Hello 世界!" is 9 UTF-16 units.
    const Case cases[] = {
        {"inside", {2, 3}, {2, 3}},
        {"to the end", {6, 3}, {6, 3}},
        {"reaching past the end", {6, 10}, {6, 3}},
        {"length overflowing", {7, kHuge}, {7, 2}},
        {"starting at the end", {9, 4}, {9, 0}},
        {"starting past the end", {20, 1}, {9, 0}},
        {"not found", ns::notFoundRange(), {9, 0}},
        {"empty", {3, 0}, {9, 0}},
    };
    using Styling = void (*)(ns::AttributedString&, ns::Range);
    const std::pair<const char*, Styling> stylings[] = {
        {ct::kForegroundColorAttributeName,
         [](ns::AttributedString& t, ns::Range r) { Modifiers::setTextColor(t, ui::Color::redColor(), r); }},
        {ct::kFontAttributeName, [](ns::AttributedString& t, ns::Range r) { Modifiers::setTextBold(t, true, r); }},
        {ct::kUnderlineStyleAttributeName,
         [](ns::AttributedString& t, ns::Range r) { Modifiers::setTextIsUnderlined(t, true, r); }},
        {ct::kKernAttributeName, [](ns::AttributedString& t, ns::Range r) { Modifiers::setCharacterSpacing(t, 2, r); }},
        {kLXLinkAttributeName,
         [](ns::AttributedString& t, ns::Range r) { Modifiers::setLink(t, ns::URL::URLWithString("http://a.b"), r); }},
        {ct::kParagraphStyleAttributeName, [](ns::AttributedString& t, ns::Range r) {
             Modifiers::modifyParagraphStylesInRange(t, r, [](LXParagraphStyle& s) { s.lineSpacing = 3; });
         }},
    };
    for (const auto& c : cases) {
        for (const auto& [attribute, style] : stylings) {
            auto text = Constructors::attributedStringWithString("Hello 世界!");
            style(*text, c.asked);
            EXPECT_EQ(text->string(), "Hello 世界!");
            EXPECT_EQ(styledRange(*text, attribute), c.styled) << c.name << ", " << attribute;
        }
    }
}

TEST(LXAttributedStringExtensions, ReadsBackDefaultsWhereNothingIsSet) {
    EXPECT_EQ(Constructors::attributedStringWithString(std::nullopt), nullptr);
    EXPECT_EQ(Constructors::attributedStringWithAttributedString(nullptr), nullptr);

    auto text = Constructors::attributedStringWithString("plain text");
    EXPECT_EQ(Constructors::textAlignmentAtIndex(*text, 0), ct::TextAlignment::Natural);
    EXPECT_EQ(Constructors::lineBreakModeAtIndex(*text, 0), ct::LineBreakMode::WordWrapping);
    EXPECT_EQ(Constructors::paragraphStyleAtIndex(*text, 0), LXParagraphStyle::defaultParagraphStyle());
    EXPECT_FALSE(Constructors::textColorAtIndex(*text, 0));
    EXPECT_FALSE(Constructors::linkAtIndex(*text, 0));
    EXPECT_FALSE(Constructors::textIsBoldAtIndex(*text, 0));

    // Only the style bits make an underline, not the pattern bits alone.
    Modifiers::setTextUnderlineStyle(*text, 0x100, {0, 5});
    EXPECT_EQ(Constructors::textUnderlineStyleAtIndex(*text, 0), 0x100);
    EXPECT_FALSE(Constructors::textIsUnderlinedAtIndex(*text, 0));
    Modifiers::setTextIsUnderlined(*text, true, {0, 5});
    EXPECT_TRUE(Constructors::textIsUnderlinedAtIndex(*text, 0));

    // A nil link removes the one there and adds none.
    Modifiers::setLink(*text, ns::URL::URLWithString("http://a.b"), {0, 10});
    Modifiers::setLink(*text, nullptr, {0, 5});
    EXPECT_FALSE(Constructors::linkAtIndex(*text, 2));
    ASSERT_TRUE(Constructors::linkAtIndex(*text, 7));
    EXPECT_EQ(Constructors::linkAtIndex(*text, 7)->absoluteString(), "http://a.b");
}

TEST(LXAttributedStringExtensions, BoldRestylesEachFontRunAndKeepsARunWithoutABoldFace) {
    auto text = Constructors::attributedStringWithString("abcdef");
    Modifiers::setFontName(*text, "Courier", 15, {0, 3});
    Modifiers::setFontName(*text, ".HelveticaNeueUI-Italic", 11, {3, 3});
    Modifiers::setTextBold(*text, true, {0, 6});
    auto first = Constructors::fontAtIndex(*text, 0), second = Constructors::fontAtIndex(*text, 3);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->postScriptName(), "Courier-Bold");
    EXPECT_EQ(first->size(), 15);
    EXPECT_EQ(second->postScriptName(), ".HelveticaNeueUI-BoldItalic");
    EXPECT_EQ(second->size(), 11);
    Modifiers::setTextBold(*text, false, {3, 3});
    EXPECT_EQ(Constructors::fontAtIndex(*text, 3)->postScriptName(), ".HelveticaNeueUI-Italic");

    // A family with no bold face keeps its font and says so.
    LoggedWarnings warnings;
    Modifiers::setFontName(*text, "STHeitiSC-Light", 13, {0, 2});
    Modifiers::setTextBold(*text, true, {0, 6});
    EXPECT_EQ(Constructors::fontAtIndex(*text, 0)->postScriptName(), "STHeitiSC-Light");
    ASSERT_EQ(warnings.lines.size(), 1u);
    EXPECT_EQ(warnings.lines[0],
              "[LXAttributedLabel] Warning: can't find an italic font variant for font family STHeitiSC-Light. "
              "Try another font family (like Helvetica) instead.");
}

TEST(LXAttributedStringExtensions, AlignmentVisitsEveryParagraphRunAndKeepsItsSpacing) {
    auto text = Constructors::attributedStringWithString("one\ntwo");
    Modifiers::modifyParagraphStylesInRange(*text, {0, 4}, [](LXParagraphStyle& s) { s.lineSpacing = 2; });
    Modifiers::modifyParagraphStylesInRange(*text, {4, 3}, [](LXParagraphStyle& s) { s.lineSpacing = 7; });
    Modifiers::setTextAlignment(*text, ct::TextAlignment::Center, ct::LineBreakMode::CharWrapping);
    for (std::size_t index : {0u, 5u}) {
        const auto style = Constructors::paragraphStyleAtIndex(*text, index);
        EXPECT_EQ(style.textAlignment, ct::TextAlignment::Center);
        EXPECT_EQ(style.lineBreakMode, ct::LineBreakMode::CharWrapping);
        EXPECT_EQ(style.lineSpacing, index == 0 ? 2 : 7);
    }
    EXPECT_THROW(Modifiers::modifyParagraphStyles(*text, nullptr), std::invalid_argument);
}

TEST(LXAttributedStringExtensions, MeasuredSizeIsRoundedUpPastTheFraction) {
    auto text = Constructors::attributedStringWithString("measure me");
    Modifiers::setFontName(*text, "Helvetica", 14);
    ns::Range fit;
    const cg::Size size = Constructors::sizeConstrainedToSize(*text, {1000, 1000}, &fit);
    const cg::Size exact = ct::Framesetter::create(*text)->suggestFrameSizeWithConstraints({0, 0}, {1000, 1000});
    EXPECT_EQ(size.width, std::floor(exact.width + 1));
    EXPECT_EQ(size.height, std::floor(exact.height + 1));
    EXPECT_EQ(fit, (ns::Range{0, text->length()}));
}

}  // namespace
