// The date wheel: a date within optional bounds, a mode (time, date, both,
// count-down) and a minute interval. Programs set the date silently; a
// user's turn of the wheel (spinTo) sends value-changed. It draws its
// wheels at rest: one column per field of the mode, the chosen values on
// the middle row between two lines, their neighbours fading above and below.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Date.h"
#include "platform/ui/Control.h"

namespace ui {

enum class DatePickerMode { Time = 0, Date = 1, DateAndTime = 2, CountDownTimer = 3 };

class DatePicker : public Control {
public:
    using Control::Control;
    static std::shared_ptr<DatePicker> create(const cg::Rect& frame = {}) { return make<DatePicker>(frame); }

    DatePickerMode datePickerMode = DatePickerMode::DateAndTime;
    long minuteInterval = 1;
    std::optional<ns::Date> minimumDate;
    std::optional<ns::Date> maximumDate;

    const ns::Date& date() const { return date_; }
    // Clamped to the bounds; sends nothing.
    void setDate(const ns::Date& date, bool animated = false);
    // The user turns the wheel to a date: clamped, then value-changed.
    void spinTo(const ns::Date& date);

    void initWithFrame(const cg::Rect& frame) override;
    void drawRect(const cg::Rect& rect) override;
    // The texts of each column's rows, top to bottom (the middle one chosen).
    std::vector<std::vector<std::string>> wheelTexts() const;

private:
    ns::Date date_;
};

}  // namespace ui
