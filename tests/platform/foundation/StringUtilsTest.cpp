#include <gtest/gtest.h>

#include "platform/foundation/StringUtils.h"
#include "platform/foundation/Value.h"

namespace str = ns::str;
using ns::Range;

TEST(StringUtils, RangeOfStringWithOptions) {
    const std::string text = "\xE4\xB8\xAD\xF0\x9F\x98\x80" "abcABCabc";  // 中😀abcABCabc
    struct Case {
        std::string search;
        unsigned options;
        Range expected;
    };
    const Case cases[] = {
        {"abc", 0, {3, 3}},
        {"ABC", 0, {6, 3}},
        {"abc", ns::kBackwardsSearch, {9, 3}},
        {"ABC", ns::kCaseInsensitiveSearch, {3, 3}},
        {"ABC", ns::kCaseInsensitiveSearch | ns::kBackwardsSearch, {9, 3}},
        {"abc", ns::kAnchoredSearch, ns::notFoundRange()},
        {"\xE4\xB8\xAD", ns::kAnchoredSearch, {0, 1}},
        {"abc", ns::kAnchoredSearch | ns::kBackwardsSearch, {9, 3}},
        {"\xF0\x9F\x98\x80", 0, {1, 2}},
        {"", 0, ns::notFoundRange()},
        {"xyz", 0, ns::notFoundRange()},
        {"abcabcabcabcabc", 0, ns::notFoundRange()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(str::rangeOfString(text, c.search, c.options), c.expected) << c.search << " " << c.options;
    }
    EXPECT_EQ(str::rangeOfString(text, "abc", 0, Range{4, 8}), (Range{9, 3}));
    EXPECT_EQ(str::rangeOfString(text, "abc", 0, Range{4, 7}), ns::notFoundRange());
    EXPECT_EQ(str::rangeOfString("Stra\xC3\x9F" "e", "STRASSE", ns::kCaseInsensitiveSearch), ns::notFoundRange());
    EXPECT_EQ(str::rangeOfString("\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89", ns::kCaseInsensitiveSearch), (Range{0, 3}));
}

TEST(StringUtils, PrefixSuffixReplaceAndCompare) {
    EXPECT_TRUE(str::hasPrefix("http://a", "http"));
    EXPECT_FALSE(str::hasPrefix("http://a", ""));  // the platform never matches an empty prefix
    EXPECT_TRUE(str::hasSuffix("a.json", ".json"));
    EXPECT_FALSE(str::hasSuffix("n", "json"));
    EXPECT_EQ(str::replacingOccurrences("a-b-c", "-", "+-+"), "a+-+b+-+c");
    EXPECT_EQ(str::replacingOccurrences("aaa", "aa", "b"), "ba");
    EXPECT_EQ(str::replacingOccurrences("Hello HELLO", "hello", "bye", ns::kCaseInsensitiveSearch), "bye bye");
    EXPECT_EQ(str::replacingOccurrences("abc", "", "x"), "abc");
    EXPECT_EQ(str::replacingCharacters("\xE4\xB8\xAD\xF0\x9F\x98\x80z", Range{1, 2}, "y"), "\xE4\xB8\xADyz");
    EXPECT_EQ(str::caseInsensitiveCompare("abc", "ABD"), ns::ComparisonResult::Ascending);
    EXPECT_EQ(str::caseInsensitiveCompare("\xC3\x84pfel", "\xC3\xA4PFEL"), ns::ComparisonResult::Same);
    EXPECT_EQ(str::compare("b", "a"), ns::ComparisonResult::Descending);
    // UTF-16 order, not code point order: U+FF5E sorts after U+1F600's lead unit D83D.
    EXPECT_EQ(str::compare("\xEF\xBD\x9E", "\xF0\x9F\x98\x80"), ns::ComparisonResult::Descending);
}

TEST(StringUtils, CaseMappingTrimmingSplittingJoining) {
    EXPECT_EQ(str::lowercase("\xC3\x84" "BC \xCE\xA3"), "\xC3\xA4" "bc \xCF\x83");
    EXPECT_EQ(str::uppercase("stra\xC3\x9F" "e"), "STRASSE");
    EXPECT_EQ(str::asciiLowercase("\xC3\x84" "BC"), "\xC3\x84" "bc");
    EXPECT_EQ(str::trimmingWhitespace(" \t a b \n"), "a b \n");
    EXPECT_EQ(str::trimmingWhitespaceAndNewlines("\r\n\xE3\x80\x80 x \xE2\x80\xA8"), "x");  // ideographic space, line separator
    EXPECT_EQ(str::trimming("--a-b--", ns::CharacterSet::characterSetWithCharactersInString("-")), "a-b");
    EXPECT_EQ(str::trimming("    ", ns::CharacterSet::whitespace()), "");
    using V = std::vector<std::string>;
    EXPECT_EQ(str::componentsSeparatedByString("a,,b,", ","), (V{"a", "", "b", ""}));
    EXPECT_EQ(str::componentsSeparatedByString("", ","), (V{""}));
    EXPECT_EQ(str::componentsSeparatedByString("abc", ""), (V{"abc"}));
    EXPECT_EQ(str::componentsSeparatedByCharactersInSet("a b\nc", ns::CharacterSet::whitespaceAndNewline()),
              (V{"a", "b", "c"}));
    EXPECT_EQ(str::join(V{"a", "b", "c"}, ", "), "a, b, c");
    EXPECT_EQ(str::join(ns::Array{ns::Value(1), ns::Value("x"), ns::Value(2.5)}, "|"), "1|x|2.5");
}

TEST(StringUtils, ScanHexFollowsScannerRules) {
    struct Case {
        std::string text;
        std::optional<std::uint32_t> value;
        std::size_t scanned;
    };
    const Case cases[] = {
        {"ff", 0xFF, 2},          {"  0x1A2b zz", 0x1A2B, 8}, {"0X10", 0x10, 4}, {"12g", 0x12, 2},
        {"g12", std::nullopt, 0}, {"", std::nullopt, 0},      {"0x", 0, 1},      {"123456789", 0xFFFFFFFF, 9},
    };
    for (const auto& c : cases) {
        std::size_t scanned = 0;
        EXPECT_EQ(str::scanHexInt(c.text, &scanned), c.value) << c.text;
        if (c.value) {
            EXPECT_EQ(scanned, c.scanned) << c.text;
        }
    }
    EXPECT_EQ(str::scanHexLongLong("123456789"), 0x123456789ull);
}

TEST(StringUtils, TransliterationToAscii) {
    EXPECT_EQ(str::applyingTransform("Caf\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87", "Any-Latin; Latin-ASCII"), "Cafe zhong wen");
    EXPECT_EQ(str::applyingTransform("a\xE2\x98\x83" "b", "Any-Latin; Latin-ASCII; [:^ASCII:] Remove"), "ab");
    EXPECT_EQ(str::applyingTransform("x", "No-Such-Transform"), std::nullopt);
}
