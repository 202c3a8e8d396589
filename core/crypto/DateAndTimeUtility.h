// Time helpers: hour and minute of a date in the current calendar, and
// "HH:mm" text read in the local time zone.
#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Date.h"

class DateAndTimeUtility {
public:
    DateAndTimeUtility() = delete;
    static int getHour(const ns::Date& date);
    static int getMinute(const ns::Date& date);
    // Only the hour and minute of the result are meaningful; nothing for
    // text that is not "HH:mm".
    static std::optional<ns::Date> getDateFromString(const std::string& text);
};
