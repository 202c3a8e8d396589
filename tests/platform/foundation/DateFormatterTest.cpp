#include <gtest/gtest.h>

#include "platform/foundation/DateFormatter.h"

using ns::Date;
using ns::DateFormatter;
using ns::TimeZone;

namespace {
const Date kInstant = Date::withTimeIntervalSince1970(1400000000);  // 2014-05-13 16:53:20 UTC
}

TEST(DateFormatter, FormatsAndParsesTheFixedPatternsInAGivenZone) {
    auto shanghai = TimeZone::timeZoneWithName("Asia/Shanghai");
    ASSERT_TRUE(shanghai);
    struct Case {
        const char* pattern;
        std::string text;
        double parsedBack;  // seconds since 1970 of the parsed text
    };
    const Case cases[] = {
        {"yyyy-MM-dd HH:mm", "2014-05-14 00:53", 1399999980},
        {"yyyy-MM-dd hh:mm", "2014-05-14 12:53", 1399999980},  // no day period: 12 reads back as midnight
        {"MM-dd hh:mm", "05-14 12:53", 0},
        {"yyyy/MM/dd", "2014/05/14", 1399996800},
        {"yyyy-MM-dd", "2014-05-14", 1399996800},
        {"HH:mm", "00:53", -8 * 3600 + 53 * 60},  // only hour and minute mean anything
        {"\xE4\xBB\x8A\xE5\xA4\xA9 HH:mm", "\xE4\xBB\x8A\xE5\xA4\xA9 00:53", -8 * 3600 + 53 * 60},
    };
    auto f = DateFormatter::create();
    f->setTimeZone(*shanghai);
    for (const auto& c : cases) {
        f->setDateFormat(c.pattern);
        EXPECT_EQ(f->stringFromDate(kInstant), c.text) << c.pattern;
        if (c.parsedBack == 0) continue;
        auto parsed = f->dateFromString(c.text);
        ASSERT_TRUE(parsed) << c.pattern;
        EXPECT_EQ(parsed->timeIntervalSince1970(), c.parsedBack) << c.pattern;
    }
}

TEST(DateFormatter, UnparsableTextGivesNothing) {
    DateFormatter f;
    f.setTimeZone(TimeZone::GMT());
    f.setDateFormat("yyyy-MM-dd HH:mm");
    const char* bad[] = {"", "abc", "2014-05-14", "2014-05-14 00:53 extra", "2014-13-01 00:00", "2014-05-14 25:00"};
    for (const char* text : bad) EXPECT_EQ(f.dateFromString(text), std::nullopt) << text;
    f.setDateFormat("HH:mm");
    EXPECT_EQ(f.dateFromString("12:30")->timeIntervalSince1970(), 12 * 3600 + 30 * 60);
    EXPECT_EQ(f.dateFromString("24:00"), std::nullopt);
    DateFormatter unset;
    EXPECT_EQ(unset.dateFromString("12:30"), std::nullopt);
}

TEST(DateFormatter, LocalZoneIsReadAtEachUse) {
    DateFormatter f;
    f.setDateFormat("yyyy/MM/dd HH:mm");
    TimeZone::setDefaultTimeZone(*TimeZone::timeZoneWithName("America/Los_Angeles"));
    EXPECT_EQ(f.stringFromDate(Date::withTimeIntervalSince1970(0)), "1969/12/31 16:00");
    TimeZone::setDefaultTimeZone(TimeZone::timeZoneForSecondsFromGMT(3 * 3600 + 1800));
    EXPECT_EQ(f.stringFromDate(Date::withTimeIntervalSince1970(0)), "1970/01/01 03:30");
}

TEST(TimeZone, NamesOffsetsAndDaylightSaving) {
    EXPECT_EQ(TimeZone::timeZoneWithName("No/Such_Zone"), std::nullopt);
    EXPECT_EQ(TimeZone::timeZoneWithName(""), std::nullopt);
    auto berlin = TimeZone::timeZoneWithName("Europe/Berlin");
    ASSERT_TRUE(berlin);
    EXPECT_EQ(berlin->name(), "Europe/Berlin");
    EXPECT_EQ(berlin->secondsFromGMT(Date::withTimeIntervalSince1970(1400000000)), 7200);  // summer
    EXPECT_EQ(berlin->secondsFromGMT(Date::withTimeIntervalSince1970(1390000000)), 3600);  // winter
    EXPECT_EQ(TimeZone::timeZoneForSecondsFromGMT(-5 * 3600).secondsFromGMT(Date()), -5 * 3600);
    EXPECT_EQ(TimeZone::GMT().secondsFromGMT(Date()), 0);
    TimeZone::setDefaultTimeZone(*berlin);
    EXPECT_EQ(TimeZone::localTimeZone(), *berlin);
    TimeZone::resetDefaultTimeZone();
    EXPECT_EQ(TimeZone::localTimeZone(), TimeZone::systemTimeZone());
}
