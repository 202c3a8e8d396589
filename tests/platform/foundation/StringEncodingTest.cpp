#include <gtest/gtest.h>

#include "platform/foundation/StringEncoding.h"

namespace str = ns::str;

static std::string bytesOf(const std::optional<ns::Data>& d) { return d ? d->toString() : "<nil>"; }

TEST(StringEncoding, EncodesAndDecodesOrFailsEmpty) {
    struct Case {
        std::string text;
        ns::StringEncoding encoding;
        std::optional<std::string> bytes;  // nothing: not representable
    };
    const Case cases[] = {
        {"abc", ns::kASCIIStringEncoding, "abc"},
        {"caf\xC3\xA9", ns::kASCIIStringEncoding, std::nullopt},
        {"caf\xC3\xA9", ns::kISOLatin1StringEncoding, std::string("caf\xE9")},
        {"\xE4\xB8\xAD", ns::kISOLatin1StringEncoding, std::nullopt},
        {"\xE4\xB8\xAD\xE6\x96\x87", ns::kGB18030StringEncoding, std::string("\xD6\xD0\xCE\xC4")},
        {"\xF0\x9F\x98\x80", ns::kGB18030StringEncoding, std::string("\x94\x39\xFC\x36")},
        {"a\xE4\xB8\xAD", ns::kUTF16BigEndianStringEncoding, std::string("\0a\x4E\x2D", 4)},
        {"a", ns::kUnicodeStringEncoding, std::string("\xFF\xFE" "a\0", 4)},
        {"\xE4\xB8\xAD", ns::kUTF8StringEncoding, std::string("\xE4\xB8\xAD")},
        {"a\xFF", ns::kUTF8StringEncoding, std::nullopt},  // invalid UTF-8 is refused, never passed on
    };
    for (const auto& c : cases) {
        auto data = str::dataUsingEncoding(c.text, c.encoding);
        ASSERT_EQ(data.has_value(), c.bytes.has_value()) << c.text << " in " << c.encoding;
        if (!data) continue;
        EXPECT_EQ(data->toString(), *c.bytes) << c.text;
        EXPECT_EQ(str::fromData(*data, c.encoding), c.text) << c.text;
    }
    EXPECT_EQ(bytesOf(str::dataUsingEncoding("x", static_cast<ns::StringEncoding>(999))), "<nil>");
}

TEST(StringEncoding, DecodingRejectsInvalidBytes) {
    EXPECT_EQ(str::fromBytes("\xC3\x28", ns::kUTF8StringEncoding), std::nullopt);
    EXPECT_EQ(str::fromBytes("\x80", ns::kASCIIStringEncoding), std::nullopt);
    EXPECT_EQ(str::fromBytes("\xE9", ns::kISOLatin1StringEncoding), "\xC3\xA9");
    EXPECT_EQ(str::fromBytes("\xD6", ns::kGB18030StringEncoding), std::nullopt);  // truncated pair
    EXPECT_EQ(str::fromBytes(std::string("\xFE\xFF\0a", 4), ns::kUnicodeStringEncoding), "a");
    EXPECT_EQ(str::fromBytes(std::string("\0a", 2), ns::kUnicodeStringEncoding), "a");  // no mark: big-endian
}

TEST(StringEncoding, IanaNames) {
    EXPECT_EQ(str::IANACharsetName(ns::kUTF8StringEncoding), "utf-8");
    EXPECT_EQ(str::IANACharsetName(ns::kISOLatin1StringEncoding), "iso-8859-1");
    EXPECT_EQ(str::encodingFromIANACharsetName("ISO-8859-1"), ns::kISOLatin1StringEncoding);
    EXPECT_EQ(str::encodingFromIANACharsetName(" UTF8"), ns::kUTF8StringEncoding);
    EXPECT_EQ(str::encodingFromIANACharsetName("GB18030"), ns::kGB18030StringEncoding);
    EXPECT_EQ(str::encodingFromIANACharsetName("klingon"), std::nullopt);
}
