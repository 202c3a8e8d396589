// The date wheel shows the chosen value of each field on its middle row
// with its neighbours around it, wrapping at the ends of each field's
// range and stepping by the minute interval.
#include <gtest/gtest.h>

#include "platform/foundation/Calendar.h"
#include "platform/ui/DatePicker.h"

namespace {

using Columns = std::vector<std::vector<std::string>>;

ns::Date at(int year, int month, int day, int hour, int minute) {
    return *ns::Calendar::currentCalendar().dateFromComponents({year, month, day, hour, minute, 0, std::nullopt});
}

TEST(DatePickerWheel, EachModeShowsItsFieldsAroundTheChosenValue) {
    struct Case {
        const char* what;
        ui::DatePickerMode mode;
        long interval;
        ns::Date date;
        Columns columns;
    };
    const std::vector<Case> cases{
        {"a time", ui::DatePickerMode::Time, 1, at(2026, 5, 28, 7, 30),
         {{"05", "06", "07", "08", "09"}, {"28", "29", "30", "31", "32"}}},
        {"wrapping at midnight", ui::DatePickerMode::Time, 1, at(2026, 5, 28, 23, 59),
         {{"21", "22", "23", "00", "01"}, {"57", "58", "59", "00", "01"}}},
        {"a minute interval", ui::DatePickerMode::Time, 15, at(2026, 5, 28, 0, 20),
         {{"22", "23", "00", "01", "02"}, {"45", "00", "15", "30", "45"}}},
        {"a date", ui::DatePickerMode::Date, 1, at(2026, 1, 1, 12, 0),
         {{"2024", "2025", "2026", "2027", "2028"}, {"11", "12", "01", "02", "03"}, {"30", "31", "01", "02", "03"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto picker = ui::DatePicker::create(cg::RectMake(0, 0, 320, 216));
        picker->datePickerMode = c.mode;
        picker->minuteInterval = c.interval;
        picker->setDate(c.date);
        EXPECT_EQ(picker->wheelTexts(), c.columns);
    }
}

}  // namespace
