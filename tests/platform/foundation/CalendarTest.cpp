#include <gtest/gtest.h>

#include "platform/foundation/Calendar.h"
#include "platform/foundation/Clock.h"

using ns::Calendar;
using ns::Date;
using ns::DateComponents;
using ns::TimeZone;

TEST(Calendar, ComponentsAndDatesFromComponents) {
    Calendar cal(*TimeZone::timeZoneWithName("Asia/Shanghai"));
    DateComponents c = cal.components(Date::withTimeIntervalSince1970(1400000000));
    EXPECT_EQ(c, (DateComponents{2014, 5, 14, 0, 53, 20, 4}));  // a Wednesday
    EXPECT_EQ(cal.component(ns::kCalendarUnitHour, Date::withTimeIntervalSince1970(1400000000)), 0);
    DateComponents onlyDay = cal.components(Date::withTimeIntervalSince1970(0), ns::kCalendarUnitDay);
    EXPECT_EQ(onlyDay.day, 1);
    EXPECT_FALSE(onlyDay.year.has_value());

    EXPECT_EQ(cal.dateFromComponents({2014, 5, 14, 0, 53, 20, {}})->timeIntervalSince1970(), 1400000000);
    EXPECT_EQ(cal.dateFromComponents({2014, 13, 1, {}, {}, {}, {}}),  // month 13 rolls into the next year
              cal.dateFromComponents({2015, 1, 1, {}, {}, {}, {}}));
    EXPECT_EQ(cal.startOfDayForDate(Date::withTimeIntervalSince1970(1400000000)).timeIntervalSince1970(),
              1400000000 - 53 * 60 - 20);
}

TEST(Calendar, SameDayAndTodayFollowTheZoneAndTheClock) {
    // 23:30 and 00:30 local are different days in Shanghai but the same UTC day.
    Date lateEvening = Date::withTimeIntervalSince1970(1399995000);  // 2014-05-13 23:30 +08
    Date afterMidnight = Date::withTimeIntervalSince1970(1399998600);  // 2014-05-14 00:30 +08
    Calendar shanghai(*TimeZone::timeZoneWithName("Asia/Shanghai"));
    Calendar utc(TimeZone::GMT());
    EXPECT_FALSE(shanghai.isDate(lateEvening, afterMidnight));
    EXPECT_TRUE(utc.isDate(lateEvening, afterMidnight));

    // "Today" reads the (virtual) clock; the same day of an earlier month is not today.
    ns::Clock::useVirtual(1400000000);
    EXPECT_TRUE(shanghai.isDateInToday(afterMidnight));
    EXPECT_FALSE(shanghai.isDateInToday(lateEvening));
    EXPECT_TRUE(shanghai.isDateInYesterday(lateEvening));
    EXPECT_FALSE(shanghai.isDateInToday(Date::withTimeIntervalSince1970(1400000000 - 30 * 86400)));
}
