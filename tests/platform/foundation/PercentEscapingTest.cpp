#include <gtest/gtest.h>

#include "platform/foundation/PercentEscaping.h"

namespace str = ns::str;

TEST(PercentEscaping, ClassicEscapingWithBothCharacterLists) {
    const std::string formEscapes = ":/?#[]@!$ &'()*+,;=\"<>%{}|\\^~`";
    struct Case {
        std::string text;
        std::string leave;
        std::string escape;
        std::string expected;
    };
    const Case cases[] = {
        // Nothing passed: only characters that are illegal in a URL are escaped.
        {"a b\"%<>[\\]^`{|}#?&=~", "", "", "a%20b%22%25%3C%3E%5B%5C%5D%5E%60%7B%7C%7D#?&=~"},
        {"\xE4\xB8\xAD/x", "", "", "%E4%B8%AD/x"},
        // Form fields: everything but letters, digits, "-", "." and "_" escaped.
        {"a b/c~d", "", formEscapes, "a%20b%2Fc%7Ed"},
        {"A-z_0.9!*'()", "", formEscapes, "A-z_0.9%21%2A%27%28%29"},
        // Query keys: brackets and "." left, reserved characters escaped.
        {"x[0].y a:b", "[].", ":/?&=;+!@#$()',*", "x[0].y%20a%3Ab"},
        {"a+b=c", "", "", "a+b=c"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(str::addingPercentEscapes(c.text, c.leave, c.escape), c.expected) << c.text;
    }
    EXPECT_EQ(str::addingPercentEscapes("caf\xC3\xA9", "", "", ns::kISOLatin1StringEncoding), "caf%E9");
    EXPECT_EQ(str::addingPercentEscapes("\xE4\xB8\xAD", "", "", ns::kISOLatin1StringEncoding), std::nullopt);
    EXPECT_EQ(str::addingPercentEscapes("a\xFF", "", ""), std::nullopt);
}

TEST(PercentEscaping, AllowedSetsAndRoundTrips) {
    using CS = ns::CharacterSet;
    EXPECT_EQ(str::addingPercentEncoding("a b?c=d&e#f/\xE4\xB8\xAD", CS::URLQueryAllowed()),
              "a%20b?c=d&e%23f/%E4%B8%AD");
    EXPECT_EQ(str::addingPercentEncoding("/p a/t?h", CS::URLPathAllowed()), "/p%20a/t%3Fh");
    EXPECT_EQ(str::addingPercentEncoding("u:s@r", CS::URLUserAllowed()), "u%3As%40r");
    EXPECT_EQ(str::addingPercentEncoding("[::1]", CS::URLHostAllowed()), "[::1]");
    const std::string samples[] = {"", "plain", "a b+c%d", "\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80", "100%"};
    for (const auto& s : samples) {
        auto escaped = str::addingPercentEncoding(s, CS::alphanumeric());
        ASSERT_TRUE(escaped) << s;
        EXPECT_EQ(str::removingPercentEncoding(*escaped), s);
        auto classic = str::addingPercentEscapes(s, "", ":/?#[]@!$&'()*+,;=");
        ASSERT_TRUE(classic) << s;
        EXPECT_EQ(str::replacingPercentEscapes(*classic, ns::kUTF8StringEncoding), s);
    }
}

TEST(PercentEscaping, InvalidEscapesGiveNothing) {
    const std::string bad[] = {"%", "a%4", "%zz", "%G1", "%C3%28", "%FF"};
    for (const auto& s : bad) EXPECT_EQ(str::removingPercentEncoding(s), std::nullopt) << s;
    EXPECT_EQ(str::removingPercentEncoding("a%2Bb%2fc+d"), "a+b/c+d");
    EXPECT_EQ(str::replacingPercentEscapes("caf%E9", ns::kISOLatin1StringEncoding), "caf\xC3\xA9");
}
