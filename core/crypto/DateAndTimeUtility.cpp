#include "core/crypto/DateAndTimeUtility.h"

#include "platform/foundation/Calendar.h"
#include "platform/foundation/DateFormatter.h"

int DateAndTimeUtility::getHour(const ns::Date& date) {
    return static_cast<int>(ns::Calendar::currentCalendar().component(ns::kCalendarUnitHour, date));
}

int DateAndTimeUtility::getMinute(const ns::Date& date) {
    return static_cast<int>(ns::Calendar::currentCalendar().component(ns::kCalendarUnitMinute, date));
}

std::optional<ns::Date> DateAndTimeUtility::getDateFromString(const std::string& text) {
    ns::DateFormatter formatter;
    formatter.setDateFormat("HH:mm");
    return formatter.dateFromString(text);
}
