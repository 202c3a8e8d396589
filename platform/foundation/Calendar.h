// ns::Calendar: the Gregorian calendar in a time zone (the local zone at the
// time of use unless set): a date's year, month, day, hour, minute, second
// and weekday, dates from components, and day comparisons.
#pragma once

#include <optional>

#include "platform/foundation/Date.h"
#include "platform/foundation/DateComponents.h"
#include "platform/foundation/TimeZone.h"

namespace ns {

enum CalendarUnit : unsigned {
    kCalendarUnitYear = 1u << 2,
    kCalendarUnitMonth = 1u << 3,
    kCalendarUnitDay = 1u << 4,
    kCalendarUnitHour = 1u << 5,
    kCalendarUnitMinute = 1u << 6,
    kCalendarUnitSecond = 1u << 7,
    kCalendarUnitWeekday = 1u << 9,
};

class Calendar {
public:
    // The user's calendar: Gregorian, in the local zone.
    static Calendar currentCalendar() { return Calendar(); }
    Calendar() = default;
    explicit Calendar(TimeZone zone) : zone_(std::move(zone)) {}

    TimeZone timeZone() const { return zone_ ? *zone_ : TimeZone::localTimeZone(); }
    void setTimeZone(std::optional<TimeZone> zone) { zone_ = std::move(zone); }

    // The requested units of the date (all of them by default).
    DateComponents components(Date date, unsigned units = ~0u) const;
    // One unit's value (the unit's number, e.g. kCalendarUnitHour).
    int component(CalendarUnit unit, Date date) const;
    // The date the components name; unset fields take their lowest value
    // (year 1, January, day 1, midnight). Out-of-range fields roll over as
    // the platform's do (month 13 is January of the next year).
    std::optional<Date> dateFromComponents(const DateComponents& components) const;

    Date startOfDayForDate(Date date) const;
    bool isDate(Date a, Date inSameDayAsDate) const;
    // Compares with Date::now(), so virtual time in tests.
    bool isDateInToday(Date date) const { return isDate(date, Date::now()); }
    bool isDateInYesterday(Date date) const;

private:
    std::optional<TimeZone> zone_;
};

}  // namespace ns
