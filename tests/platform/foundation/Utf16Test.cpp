#include <gtest/gtest.h>

#include "platform/foundation/Utf16.h"

namespace utf16 = ns::utf16;
using ns::Range;

// "中文😀a": two BMP characters, one emoji (a surrogate pair), one ASCII letter.
static const std::string kMixed = "\xE4\xB8\xAD\xE6\x96\x87\xF0\x9F\x98\x80" "a";

TEST(Utf16, LengthsCountUtf16Units) {
    struct Case {
        std::string text;
        std::size_t length;
    };
    const Case cases[] = {
        {"", 0}, {"abc", 3}, {"\xE4\xB8\xAD\xE6\x96\x87", 2}, {"\xF0\x9F\x98\x80", 2}, {kMixed, 5},
        {"\xC3\xA9", 1},                  // é
        {"a\xFF" "b", 3},                 // a bad byte counts as one replacement character
        {"\xE4\xB8", 2},                  // a truncated sequence: each byte replaced
    };
    for (const auto& c : cases) EXPECT_EQ(utf16::length(c.text), c.length) << c.text;
}

TEST(Utf16, CharacterAtIndexGivesUnitsOfSurrogatePairs) {
    EXPECT_EQ(utf16::characterAt(kMixed, 0), u'\u4E2D');
    EXPECT_EQ(utf16::characterAt(kMixed, 2), 0xD83D);
    EXPECT_EQ(utf16::characterAt(kMixed, 3), 0xDE00);
    EXPECT_EQ(utf16::characterAt(kMixed, 4), u'a');
    EXPECT_EQ(utf16::characterAt(kMixed, 5), 0);  // past the end: no crash
}

TEST(Utf16, SubstringsByUtf16Range) {
    struct Case {
        Range range;
        std::string expected;
    };
    const Case cases[] = {
        {{0, 1}, "\xE4\xB8\xAD"},
        {{1, 3}, "\xE6\x96\x87\xF0\x9F\x98\x80"},
        {{2, 2}, "\xF0\x9F\x98\x80"},
        {{4, 10}, "a"},                     // clamped to the end
        {{9, 1}, ""},                       // starts past the end
        // Half a surrogate pair cannot be UTF-8: it becomes U+FFFD, keeping the length.
        {{2, 1}, "\xEF\xBF\xBD"},
        {{3, 2}, "\xEF\xBF\xBD" "a"},
    };
    for (const auto& c : cases) {
        std::string sub = utf16::substring(kMixed, c.range);
        EXPECT_EQ(sub, c.expected) << c.range.location << "," << c.range.length;
        EXPECT_TRUE(utf16::isValidUtf8(sub));
    }
    EXPECT_EQ(utf16::substringFrom(kMixed, 2), "\xF0\x9F\x98\x80" "a");
    EXPECT_EQ(utf16::substringTo(kMixed, 2), "\xE4\xB8\xAD\xE6\x96\x87");
}

TEST(Utf16, RoundTripsAndByteOffsets) {
    EXPECT_EQ(utf16::toUtf8(utf16::fromUtf8(kMixed)), kMixed);
    EXPECT_EQ(utf16::fromUtf8(kMixed).size(), 5u);
    EXPECT_EQ(utf16::byteOffset(kMixed, 2), 6u);
    EXPECT_EQ(utf16::byteOffset(kMixed, 3), 6u);  // inside the pair: start of the emoji
    EXPECT_EQ(utf16::byteOffset(kMixed, 4), 10u);
    EXPECT_EQ(utf16::byteOffset(kMixed, 99), kMixed.size());
    EXPECT_FALSE(utf16::isValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(utf16::isValidUtf8("\xED\xA0\x80"));      // encoded surrogate
    EXPECT_TRUE(utf16::isValidUtf8("\xEF\xBF\xBD"));       // a real U+FFFD
}
