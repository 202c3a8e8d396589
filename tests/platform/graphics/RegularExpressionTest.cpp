// Regular expressions on ICU (the markup patterns the kits use, capture
// groups, UTF-16 ranges, templates) and the link and phone detectors.
#include <gtest/gtest.h>

#include "platform/graphics/DataDetector.h"

using ns::Range;
using ns::RegularExpression;

namespace {

const unsigned kMarkupOptions = ns::RegularExpressionDotMatchesLineSeparators | ns::RegularExpressionAnchorsMatchLines |
                                ns::RegularExpressionUseUnicodeWordBoundaries;  // 88

std::vector<Range> matchRanges(const std::string& pattern, unsigned options, const std::string& text, std::size_t group = 0) {
    auto re = RegularExpression::create(pattern, options);
    EXPECT_TRUE(re) << pattern;
    std::vector<Range> out;
    if (!re) return out;
    for (const auto& m : re->matchesInString(text)) out.push_back(m->rangeAtIndex(group));
    return out;
}

const Range kNone = ns::notFoundRange();

}  // namespace

TEST(RegularExpression, MatchTable) {
    EXPECT_EQ(kMarkupOptions, 88u);
    struct Case {
        std::string pattern;
        unsigned options;
        std::string text;
        std::size_t group;
        std::vector<Range> ranges;
    } cases[] = {
        // Two tags in a line are both found, lazily.
        {"<b>(.+?)</b>", kMarkupOptions, "a <b>x</b> and <b>yz</b>", 1, {{5, 1}, {18, 2}}},
        // UTF-16 positions after Chinese text and an emoji.
        {"<b>(.+?)</b>", kMarkupOptions, "你好😀<b>世界</b>", 1, {{7, 2}}},
        // The closing quote must repeat the opening one.
        {R"(<font name=(['"])(.+?)\1 size=(['"])(.+?)\3>(.+?)</font>)", kMarkupOptions,
         R"(<font name='Courier" size="12">x</font><font name="Courier" size='9'>y</font>)", 5, {{69, 1}}},
        {R"(\{(.+?)\|(.+?)\})", kMarkupOptions, "{red|warn} {#f00|x}", 2, {{5, 4}, {17, 1}}},
        // A group that takes no part is not found.
        {"(a)|(b)", 0, "b", 1, {kNone}},
        {"(a)|(b)", 0, "b", 2, {{0, 1}}},
        {"^ok$", ns::RegularExpressionAnchorsMatchLines, "ok\nno\nok", 0, {{0, 2}, {6, 2}}},
        {"^ok$", 0, "ok\nno\nok", 0, {}},
        {"a.b", 0, "a\nb", 0, {}},
        {"a.b", ns::RegularExpressionDotMatchesLineSeparators, "a\nb", 0, {{0, 3}}},
        {"HELLO", ns::RegularExpressionCaseInsensitive, "say hello", 0, {{4, 5}}},
        {"a.b", ns::RegularExpressionIgnoreMetacharacters, "axb a.b", 0, {{4, 3}}},
    };
    for (const auto& c : cases) EXPECT_EQ(matchRanges(c.pattern, c.options, c.text, c.group), c.ranges) << c.pattern << " / " << c.text;
}

TEST(RegularExpression, ErrorsRangesAnchoringAndTemplates) {
    ns::ErrorPtr error;
    EXPECT_FALSE(RegularExpression::create("(unclosed", 0, &error));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->domain(), ns::kCocoaErrorDomain);
    EXPECT_EQ(error->code(), 2048);

    auto re = RegularExpression::create("(\\d+)-(\\d+)", 0);
    ASSERT_TRUE(re);
    EXPECT_EQ(re->numberOfCaptureGroups(), 2u);
    EXPECT_EQ(re->rangeOfFirstMatchInString("x 12-34 56-7", 0, {0, 12}), (Range{2, 5}));
    EXPECT_EQ(re->rangeOfFirstMatchInString("x 12-34 56-7", 0, {3, 9}), (Range{3, 4}));  // the range bounds the search
    EXPECT_FALSE(re->rangeOfFirstMatchInString("abc", 0, {0, 3}).found());
    EXPECT_EQ(re->numberOfMatchesInString("1-2", 0, {2, 5}), 0u);  // a range past the end finds nothing
    EXPECT_EQ(re->numberOfMatchesInString("1-2 3-4", ns::MatchingAnchored, {0, 7}), 1u);
    EXPECT_EQ(re->numberOfMatchesInString(" 1-2", ns::MatchingAnchored, {0, 4}), 0u);

    EXPECT_EQ(re->stringByReplacingMatchesInString("路 12-34 😀 5-6", 0, {0, 14}, "$2:$1\\$"), "路 34:12$ 😀 6:5$");
    std::string text = "1-2 and 3-4";
    EXPECT_EQ(re->replaceMatchesInString(text, 0, {0, 11}, "[$0]"), 2u);
    EXPECT_EQ(text, "[1-2] and [3-4]");
    EXPECT_EQ(RegularExpression::escapedPatternForString("a.b*(c)"), "a\\.b\\*\\(c\\)");
    EXPECT_EQ(RegularExpression::escapedTemplateForString("$1\\"), "\\$1\\\\");
    int seen = 0;
    re->enumerateMatchesInString("1-1 2-2 3-3", 0, {0, 11}, [&](const ns::TextCheckingResultPtr&, bool* stop) {
        if (++seen == 2) *stop = true;
    });
    EXPECT_EQ(seen, 2);
}

TEST(DataDetector, LinksAndPhoneNumbers) {
    auto both = ns::DataDetector::create(ns::TextCheckingTypeLink | ns::TextCheckingTypePhoneNumber);
    ASSERT_TRUE(both);
    EXPECT_EQ(both->checkingTypes(), 2080u);
    struct Case {
        std::string text;
        std::vector<std::tuple<Range, std::string, std::string>> found;  // range, url, phone
    } cases[] = {
        {"see http://www.tp.cn/help.", {{{4, 21}, "http://www.tp.cn/help", ""}}},
        {"Visit www.example.com now", {{{6, 15}, "http://www.example.com", ""}}},
        {"mail admin@example.com, thanks", {{{5, 17}, "mailto:admin@example.com", ""}}},
        {"(see example.org/faq)", {{{5, 15}, "http://example.org/faq", ""}}},
        {"访问tplogin.cn设置", {{{2, 10}, "http://tplogin.cn", ""}}},
        {"http://192.168.1.1:8080/a", {{{0, 25}, "http://192.168.1.1:8080/a", ""}}},
        {"call 13800138000 now", {{{5, 11}, "", "13800138000"}}},
        {"热线 +86 138 0013 8000。", {{{3, 17}, "", "+86 138 0013 8000"}}},
        {"office 010-12345678", {{{7, 12}, "", "010-12345678"}}},
        {"US (555) 123-4567", {{{3, 14}, "", "(555) 123-4567"}}},
        {"router 192.168.0.1 on 2023-10-01, pin 123456, v1.2.3", {}},
        {"😀 www.a.com 4008208820", {{{3, 9}, "http://www.a.com", ""}, {{13, 10}, "", "4008208820"}}},
    };
    for (const auto& c : cases) {
        auto results = both->matchesInString(c.text);
        ASSERT_EQ(results.size(), c.found.size()) << c.text;
        for (std::size_t i = 0; i < results.size(); ++i) {
            const auto& [range, url, phone] = c.found[i];
            EXPECT_EQ(results[i]->range(), range) << c.text;
            if (!url.empty()) {
                EXPECT_EQ(results[i]->resultType(), ns::TextCheckingTypeLink);
                ASSERT_TRUE(results[i]->URL()) << c.text;
                EXPECT_EQ(results[i]->URL()->absoluteString(), url);
            } else {
                EXPECT_EQ(results[i]->resultType(), ns::TextCheckingTypePhoneNumber);
                EXPECT_EQ(results[i]->phoneNumber(), phone);
            }
        }
    }
    // A link-only detector ignores phone numbers.
    auto links = ns::DataDetector::create(ns::TextCheckingTypeLink);
    EXPECT_TRUE(links->matchesInString("call 13800138000").empty());
    ns::ErrorPtr error;
    EXPECT_FALSE(ns::DataDetector::create(0, &error));
    EXPECT_TRUE(error);
    EXPECT_FALSE(ns::DataDetector::create(ns::TextCheckingTypeAddress));
}
