#include <gtest/gtest.h>

#include "platform/foundation/Format.h"

using ns::Value;

TEST(Format, ConversionsFlagsWidthsAndPrecision) {
    struct Case {
        std::string expected;
        std::string actual;
    };
    const Case cases[] = {
        {"42|-7|  5|05|+3", ns::format("%d|%i|%3d|%02d|%+d", 42, -7, 5, 5, 3)},
        {"4294967295|-1", ns::format("%u|%ld", -1, -1)},
        {"9223372036854775807|18446744073709551615",
         ns::format("%lld|%llu", INT64_MAX, UINT64_MAX)},
        {"-1294967296", ns::format("%d", 3000000000LL)},  // %d works on 32 bits
        {"ff|FF|0x1f|17|00ab", ns::format("%x|%X|%#x|%o|%04x", 255, 255, 31, 15, 0xab)},
        {"1.500000|1.50|  1.5|1.5e+03|0.0001|1e+10", ns::format("%f|%.2f|%5.1f|%.1e|%g|%g", 1.5, 1.5, 1.5, 1500.0, 0.0001, 1e10)},
        {"[abc  ]|[  abc]|ab", ns::format("[%-5s]|[%5s]|%.2s", "abc", "abc", "abc")},
        {"A|%|x", ns::format("%c|%%|%s", 'A', "x")},
        {"  7|7  ", ns::format("%*d|%-*d", 3, 7, 3, 7)},
        {"12.5", ns::format("%@", 12.5)},
        {"(null)|(null)", ns::format("%@|%s", Value(), Value())},
        {"1 (null)", ns::format("%d %@", 1)},  // a missing argument reads as nil
        {"%q|%", ns::format("%q|%")},          // unknown conversions stay as written
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(Format, ObjectDescriptionsAndUtf16Widths) {
    Value dict = Value::dictionary({{"name", "x y"}, {"n", 1}});
    EXPECT_EQ(ns::format("<%@>", dict), "<{\n    name = \"x y\";\n    n = 1;\n}>");
    EXPECT_EQ(ns::format("%@", Value::array({1, "a"})), "(\n    1,\n    a\n)");
    EXPECT_EQ(ns::format("%@ build%@", "1.0", "7"), "1.0 build7");
    EXPECT_EQ(ns::format("%@", true), "1");
    // %@ widths count UTF-16 units: the emoji is two, the Chinese character one.
    EXPECT_EQ(ns::format("[%4@]", "\xF0\x9F\x98\x80\xE4\xB8\xAD"), "[ \xF0\x9F\x98\x80\xE4\xB8\xAD]");
    EXPECT_EQ(ns::format("[%-3@]", "\xE4\xB8\xAD"), "[\xE4\xB8\xAD  ]");
    EXPECT_EQ(ns::format("%.1f%@", 1.5f, " KB/s"), "1.5 KB/s");
    EXPECT_EQ(ns::format("%0.1g", 0.9f), "0.9");
    EXPECT_EQ(ns::format("%0.2f", 2.0), "2.00");
    EXPECT_EQ(ns::format("%@/%@ (%@; iOS %@; Scale/%0.2f)", "Demo", "10", "iPhone", "7.1", 2.0),
              "Demo/10 (iPhone; iOS 7.1; Scale/2.00)");
}
