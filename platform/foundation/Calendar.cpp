#include "platform/foundation/Calendar.h"

#include <unicode/gregocal.h>
#include <unicode/timezone.h>

#include <memory>

namespace ns {

namespace {

std::unique_ptr<icu::GregorianCalendar> makeCalendar(const TimeZone& zone) {
    UErrorCode status = U_ZERO_ERROR;
    auto cal = std::make_unique<icu::GregorianCalendar>(zone.icuZone(), icu::Locale("en_US_POSIX"), status);
    if (U_FAILURE(status)) return nullptr;
    return cal;
}

}  // namespace

DateComponents Calendar::components(Date date, unsigned units) const {
    DateComponents c;
    auto cal = makeCalendar(timeZone());
    if (!cal) return c;
    UErrorCode status = U_ZERO_ERROR;
    cal->setTime(date.timeIntervalSince1970() * 1000.0, status);
    auto field = [&](UCalendarDateFields f) { return cal->get(f, status); };
    if (units & kCalendarUnitYear) c.year = field(UCAL_EXTENDED_YEAR);
    if (units & kCalendarUnitMonth) c.month = field(UCAL_MONTH) + 1;
    if (units & kCalendarUnitDay) c.day = field(UCAL_DATE);
    if (units & kCalendarUnitHour) c.hour = field(UCAL_HOUR_OF_DAY);
    if (units & kCalendarUnitMinute) c.minute = field(UCAL_MINUTE);
    if (units & kCalendarUnitSecond) c.second = field(UCAL_SECOND);
    if (units & kCalendarUnitWeekday) c.weekday = field(UCAL_DAY_OF_WEEK);
    if (U_FAILURE(status)) return DateComponents{};
    return c;
}

int Calendar::component(CalendarUnit unit, Date date) const {
    DateComponents c = components(date, unit);
    switch (unit) {
        case kCalendarUnitYear: return c.year.value_or(0);
        case kCalendarUnitMonth: return c.month.value_or(0);
        case kCalendarUnitDay: return c.day.value_or(0);
        case kCalendarUnitHour: return c.hour.value_or(0);
        case kCalendarUnitMinute: return c.minute.value_or(0);
        case kCalendarUnitSecond: return c.second.value_or(0);
        case kCalendarUnitWeekday: return c.weekday.value_or(0);
    }
    return 0;
}

std::optional<Date> Calendar::dateFromComponents(const DateComponents& c) const {
    auto cal = makeCalendar(timeZone());
    if (!cal) return std::nullopt;
    cal->clear();
    cal->setLenient(true);
    cal->set(UCAL_EXTENDED_YEAR, c.year.value_or(1));
    cal->set(UCAL_MONTH, c.month.value_or(1) - 1);
    cal->set(UCAL_DATE, c.day.value_or(1));
    cal->set(UCAL_HOUR_OF_DAY, c.hour.value_or(0));
    cal->set(UCAL_MINUTE, c.minute.value_or(0));
    cal->set(UCAL_SECOND, c.second.value_or(0));
    UErrorCode status = U_ZERO_ERROR;
    UDate when = cal->getTime(status);
    if (U_FAILURE(status)) return std::nullopt;
    return Date::withTimeIntervalSince1970(when / 1000.0);
}

Date Calendar::startOfDayForDate(Date date) const {
    DateComponents c = components(date, kCalendarUnitYear | kCalendarUnitMonth | kCalendarUnitDay);
    return dateFromComponents(c).value_or(date);
}

bool Calendar::isDate(Date a, Date b) const {
    const unsigned units = kCalendarUnitYear | kCalendarUnitMonth | kCalendarUnitDay;
    return components(a, units) == components(b, units);
}

bool Calendar::isDateInYesterday(Date date) const {
    // Noon of yesterday is on yesterday's date whatever the zone's transitions.
    Date start = startOfDayForDate(Date::now());
    return isDate(date, start.addingTimeInterval(-12 * 3600.0));
}

}  // namespace ns
