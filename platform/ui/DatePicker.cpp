#include "platform/ui/DatePicker.h"

#include <algorithm>
#include <cmath>

#include "platform/foundation/Calendar.h"
#include "platform/foundation/Format.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/StringDrawing.h"
#include "platform/ui/Font.h"

namespace ui {

namespace {

constexpr int kRowsEachSide = 2;
constexpr double kMaxRowHeight = 36;
constexpr double kFontSize = 20;
constexpr double kMaxColumnWidth = 80;

// One wheel: its chosen value, the step between rows, the range it wraps
// in and how a value reads.
struct Wheel {
    int value;
    int step;
    int lowest;
    int highest;
    const char* format;
};

std::vector<Wheel> wheelsOf(DatePickerMode mode, const ns::DateComponents& c, long minuteInterval) {
    const int minuteStep = static_cast<int>(std::clamp<long>(minuteInterval, 1, 30));
    const Wheel hour{c.hour.value_or(0), 1, 0, 23, "%02d"};
    const Wheel minute{c.minute.value_or(0) / minuteStep * minuteStep, minuteStep, 0, 59, "%02d"};
    switch (mode) {
        case DatePickerMode::Time:
        case DatePickerMode::CountDownTimer: return {hour, minute};
        case DatePickerMode::Date:
            return {{c.year.value_or(2000), 1, c.year.value_or(2000) - 100, c.year.value_or(2000) + 100, "%d"},
                    {c.month.value_or(1), 1, 1, 12, "%02d"},
                    {c.day.value_or(1), 1, 1, 31, "%02d"}};
        case DatePickerMode::DateAndTime: break;
    }
    return {{c.month.value_or(1), 1, 1, 12, "%02d"}, {c.day.value_or(1), 1, 1, 31, "%02d"}, hour, minute};
}

}  // namespace

void DatePicker::initWithFrame(const cg::Rect& frame) {
    Control::initWithFrame(frame);
    date_ = ns::Date::now();
}

void DatePicker::setDate(const ns::Date& date, bool) {
    double t = date.timeIntervalSince1970();
    if (minimumDate && t < minimumDate->timeIntervalSince1970()) t = minimumDate->timeIntervalSince1970();
    if (maximumDate && t > maximumDate->timeIntervalSince1970()) t = maximumDate->timeIntervalSince1970();
    date_ = ns::Date::withTimeIntervalSince1970(t);
    setNeedsDisplay();
}

std::vector<std::vector<std::string>> DatePicker::wheelTexts() const {
    std::vector<std::vector<std::string>> columns;
    const auto components = ns::Calendar::currentCalendar().components(date_);
    for (const Wheel& w : wheelsOf(datePickerMode, components, minuteInterval)) {
        std::vector<std::string> rows;
        const int span = w.highest - w.lowest + 1;
        for (int offset = -kRowsEachSide; offset <= kRowsEachSide; ++offset) {
            const int value = w.lowest + ((w.value - w.lowest + offset * w.step) % span + span) % span;
            rows.push_back(ns::format(w.format, value));
        }
        columns.push_back(std::move(rows));
    }
    return columns;
}

void DatePicker::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    const auto columns = wheelTexts();
    if (columns.empty()) return;
    const cg::Size size = bounds().size;
    const int rowCount = 2 * kRowsEachSide + 1;
    const double rowHeight = std::min(kMaxRowHeight, size.height / rowCount);
    const double top = (size.height - rowHeight * rowCount) / 2;
    const double middleTop = top + rowHeight * kRowsEachSide;
    // The lines that frame the chosen row.
    context->setRGBStrokeColor(0.8, 0.8, 0.8, 1);
    context->setLineWidth(0.5);
    context->strokeLineSegments({{0, middleTop}, {size.width, middleTop}, {0, middleTop + rowHeight},
                                 {size.width, middleTop + rowHeight}});
    const auto font = Font::systemFontOfSize(kFontSize).ctFont();
    // The wheels stand together in the middle, as on the phone.
    const double columnWidth = std::min(kMaxColumnWidth, size.width / static_cast<double>(columns.size()));
    const double left = (size.width - columnWidth * static_cast<double>(columns.size())) / 2;
    for (std::size_t c = 0; c < columns.size(); ++c)
        for (int row = 0; row < rowCount; ++row) {
            const std::string& text = columns[c][static_cast<std::size_t>(row)];
            const int distance = std::abs(row - kRowsEachSide);
            const double grey = distance == 0 ? 0.1 : 0.55;
            context->setRGBFillColor(grey, grey, grey, distance == 0 ? 1.0 : 1.0 - 0.3 * distance);
            const cg::Size textSize = ct::sizeWithFont(text, font);
            ct::drawAtPoint(*context, text,
                            {left + columnWidth * static_cast<double>(c) + (columnWidth - textSize.width) / 2,
                             top + rowHeight * row + (rowHeight - textSize.height) / 2},
                            font);
        }
}

void DatePicker::spinTo(const ns::Date& date) {
    setDate(date);
    sendActionsForControlEvents(ControlEventValueChanged);
}

}  // namespace ui
