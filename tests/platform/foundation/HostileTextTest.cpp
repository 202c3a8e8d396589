// Random bytes through every text entry point: nothing may crash, read out of
// bounds (the sanitizers watch) or produce invalid UTF-8.
#include <gtest/gtest.h>

#include <random>

#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Format.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/StringEncoding.h"
#include "platform/foundation/StringUtils.h"
#include "platform/foundation/URL.h"

namespace {

std::string randomText(std::mt19937& rng) {
    // Mostly URL-ish and format-ish characters, with arbitrary bytes mixed in.
    static const std::string alphabet = "%:/?#[]@!$&'()*+,;=-._~abcXYZ019 \"<>\\^`{|}dfsx@.*lq";
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> pick(0, 9);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> index(0, alphabet.size() - 1);
    std::string s;
    for (int i = length(rng); i > 0; --i) {
        s += pick(rng) < 8 ? alphabet[index(rng)] : static_cast<char>(byte(rng));
    }
    return s;
}

}  // namespace

TEST(HostileText, RandomInputNeverBreaksTheTextFunctions) {
    std::mt19937 rng(20261210);
    auto base = ns::URL::URLWithString("http://a/b/c/d;p?q");
    ns::DateFormatter formatter;
    formatter.setDateFormat("yyyy-MM-dd HH:mm");
    formatter.setTimeZone(ns::TimeZone::GMT());
    for (int i = 0; i < 3000; ++i) {
        std::string s = randomText(rng);
        std::string t = randomText(rng);
        std::size_t length = ns::utf16::length(s);
        EXPECT_TRUE(ns::utf16::isValidUtf8(ns::utf16::substring(s, ns::Range{length / 3, length / 2})));
        ns::str::rangeOfString(s, t, ns::kCaseInsensitiveSearch | ns::kBackwardsSearch);
        EXPECT_TRUE(ns::utf16::isValidUtf8(ns::str::lowercase(s)));
        ns::str::trimmingWhitespaceAndNewlines(s);
        ns::str::scanHexInt(s);
        if (auto url = ns::URL::URLWithString(s)) {
            EXPECT_EQ(url->absoluteString(), s);
            url->path();
            url->host();
            url->URLByAppendingPathComponent(t);
            url->URLByDeletingLastPathComponent();
        }
        if (auto rel = ns::URL::URLWithString(s, base)) rel->pathComponents();
        ns::str::removingPercentEncoding(s);
        ns::str::replacingPercentEscapes(s, ns::kGB18030StringEncoding);
        ns::str::addingPercentEscapes(s, t, "");
        ns::str::fromBytes(s, ns::kGB18030StringEncoding);
        ns::str::fromBytes(s, ns::kUnicodeStringEncoding);
        ns::format(s, 1, "x", 2.5);  // random text as a format: missing arguments read as nil
        formatter.dateFromString(s);
    }
}
