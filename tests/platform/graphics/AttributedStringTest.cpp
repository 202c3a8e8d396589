// Attributed strings count UTF-16 units: Chinese characters are one unit,
// emoji two. Ranges, effective ranges and edits are checked over such text.
#include <gtest/gtest.h>

#include "platform/foundation/Log.h"
#include "platform/graphics/AttributedString.h"
#include "platform/graphics/TextAttributes.h"

using ns::AttributedString;
using ns::Range;

namespace {

ns::Value red() { return ns::Value(cg::Color::createRGB(1, 0, 0, 1)); }
ns::Value blue() { return ns::Value(cg::Color::createRGB(0, 0, 1, 1)); }
const char* kColor = ct::kForegroundColorAttributeName;

}  // namespace

TEST(AttributedString, RangesCountUtf16UnitsOverChineseAndEmoji) {
    auto s = AttributedString::create("你好😀abc");
    EXPECT_EQ(s->length(), 7u);
    s->addAttribute(kColor, red(), {2, 2});  // the emoji
    Range r;
    EXPECT_TRUE(s->attributeAtIndex(kColor, 3, &r).isEqual(red()));
    EXPECT_EQ(r, (Range{2, 2}));
    EXPECT_TRUE(s->attributeAtIndex(kColor, 1, &r).isNil());
    EXPECT_EQ(r, (Range{0, 2}));
    EXPECT_EQ(s->attributedSubstringFromRange({2, 2})->string(), "😀");
    EXPECT_EQ(s->attributedSubstringFromRange({1, 3})->string(), "好😀");
    EXPECT_EQ(s->attributedSubstringFromRange({1, 3})->runs().size(), 2u);

    // Replacing the Chinese pair keeps later attributes where they were.
    s->replaceCharactersInRange({0, 2}, "Hi!");
    EXPECT_EQ(s->string(), "Hi!😀abc");
    EXPECT_TRUE(s->attributeAtIndex(kColor, 3, &r).isEqual(red()));
    EXPECT_EQ(r, (Range{3, 2}));
    // Inserted text takes the attributes of the character before it.
    s->replaceCharactersInRange({5, 0}, "世");
    EXPECT_TRUE(s->attributeAtIndex(kColor, 5).isEqual(red()));
    EXPECT_EQ(s->string(), "Hi!😀世abc");
}

TEST(AttributedString, EffectiveAndLongestEffectiveRanges) {
    auto s = AttributedString::create("abcdefgh");
    s->addAttribute(kColor, red(), {0, 6});
    s->addAttribute(ct::kKernAttributeName, ns::Value(1.5), {2, 2});  // splits the red run in three
    EXPECT_EQ(s->runs().size(), 4u);  // red, red+kern, red, plain
    Range r;
    s->attributesAtIndex(1, &r);
    EXPECT_EQ(r, (Range{0, 2}));
    // One attribute's range spans runs that differ in others, within the limit.
    s->attributeAtIndex(kColor, 1, &r, Range{0, 8});
    EXPECT_EQ(r, (Range{0, 6}));
    s->attributeAtIndex(kColor, 4, &r, Range{3, 2});
    EXPECT_EQ(r, (Range{3, 2}));
    s->attributeAtIndex(kColor, 7, &r, Range{0, 8});
    EXPECT_EQ(r, (Range{6, 2}));

    std::vector<std::pair<Range, bool>> spans;
    s->enumerateAttribute(kColor, {1, 7}, 0, [&](const ns::Value& v, Range range, bool*) {
        spans.push_back({range, !v.isNil()});
    });
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].first, (Range{1, 5}));
    EXPECT_EQ(spans[1].first, (Range{6, 2}));
    int visited = 0;
    s->enumerateAttributesInRange({0, 8}, ns::AttributedStringEnumerationReverse, [&](const ns::Attributes&, Range range, bool* stop) {
        if (visited++ == 0) {
            EXPECT_EQ(range, (Range{6, 2}));
        }
        *stop = true;
    });
    EXPECT_EQ(visited, 1);

    // Removing the kern merges the red runs back together.
    s->removeAttribute(ct::kKernAttributeName, {0, 8});
    EXPECT_EQ(s->runs().size(), 2u);
    s->setAttributes({{kColor, blue()}}, {0, 8});
    EXPECT_EQ(s->runs().size(), 1u);
    auto copy = s->copy();
    EXPECT_TRUE(copy->isEqualToAttributedString(*s));
    copy->addAttribute(kColor, red(), {0, 1});
    EXPECT_FALSE(copy->isEqualToAttributedString(*s));
}

TEST(AttributedString, OutOfRangeReadsAndEditsChangeNothing) {
    std::vector<std::string> warnings;
    auto previous = ns::setLogSink([&](const std::string& w) { warnings.push_back(w); });
    auto s = AttributedString::create("你好", {{kColor, red()}});
    Range r{9, 9};
    EXPECT_TRUE(s->attributesAtIndex(2, &r).empty());
    EXPECT_FALSE(r.found());
    EXPECT_FALSE(s->attributedSubstringFromRange({1, 5}));
    s->addAttribute(kColor, blue(), {1, 5});
    s->replaceCharactersInRange({3, 0}, "x");
    s->deleteCharactersInRange({0, 3});
    s->addAttribute(kColor, ns::Value(), {0, 1});  // nil value: nothing
    EXPECT_EQ(s->string(), "你好");
    EXPECT_TRUE(s->attributeAtIndex(kColor, 1).isEqual(red()));
    EXPECT_EQ(warnings.size(), 4u);
    ns::setLogSink(previous);

    auto empty = AttributedString::create("");
    empty->appendAttributedString(*AttributedString::create("😀", {{kColor, red()}}));
    EXPECT_EQ(empty->length(), 2u);
    empty->deleteCharactersInRange({0, 2});
    EXPECT_EQ(empty->runs().size(), 0u);
}
