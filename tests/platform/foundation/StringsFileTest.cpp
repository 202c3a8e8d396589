#include "platform/foundation/StringsFile.h"

#include <gtest/gtest.h>

namespace {

std::optional<ns::Dictionary> parse(const std::string& text) { return ns::parseStringsFile(ns::Data::fromString(text)); }

}  // namespace

TEST(StringsFile, ReadsEntriesCommentsAndEscapes) {
    auto table = parse(R"(/* block
comment */ // line comment
"plain" = "Plain text";
"escapes" = "a\"b\\c\nd\te\'f";
"unicode" = "\U4E2D\u6587 \UD83D\UDE00";
"octal" = "\101\102";
unquoted_key.1 = "u";
"key only";
"spaced"   =
   "value with = and ; inside"  ;
"dup" = "first"; "dup" = "second";
)");
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)["plain"].asString(), "Plain text");
    EXPECT_EQ((*table)["escapes"].asString(), "a\"b\\c\nd\te'f");
    EXPECT_EQ((*table)["unicode"].asString(), "\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80");
    EXPECT_EQ((*table)["octal"].asString(), "AB");
    EXPECT_EQ((*table)["unquoted_key.1"].asString(), "u");
    EXPECT_EQ((*table)["key only"].asString(), "key only");
    EXPECT_EQ((*table)["spaced"].asString(), "value with = and ; inside");
    EXPECT_EQ((*table)["dup"].asString(), "second");
}

TEST(StringsFile, ReadsUtf16WithByteOrderMark) {
    std::u16string text = u"\"k\" = \"\u4E2D\";";
    for (bool bigEndian : {false, true}) {
        ns::Data bytes = bigEndian ? ns::Data{0xFE, 0xFF} : ns::Data{0xFF, 0xFE};
        for (char16_t u : text) {
            std::uint8_t hi = static_cast<std::uint8_t>(u >> 8), lo = static_cast<std::uint8_t>(u & 0xff);
            if (bigEndian) bytes.append(&hi, 1), bytes.append(&lo, 1);
            else bytes.append(&lo, 1), bytes.append(&hi, 1);
        }
        auto table = ns::parseStringsFile(bytes);
        ASSERT_TRUE(table);
        EXPECT_EQ((*table)["k"].asString(), "\xE4\xB8\xAD");
    }
}

TEST(StringsFile, MalformedTextIsRefused) {
    for (const char* text : {"\"a\" = \"b\"", "\"a\" = ", "\"a\" \"b\";", "\"unterminated", "/* open comment",
                             "\"a\" = \"\\U12\";", "\"a\" = \"\\UDC00\";", "= \"b\";", "\"a\" = \"b\"; junk"}) {
        EXPECT_FALSE(parse(text)) << text;
    }
    EXPECT_TRUE(parse(""));
    EXPECT_TRUE(parse("  // only a comment\n"));
}
