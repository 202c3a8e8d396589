#include "platform/ui/DatePicker.h"

namespace ui {

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

void DatePicker::spinTo(const ns::Date& date) {
    setDate(date);
    sendActionsForControlEvents(ControlEventValueChanged);
}

}  // namespace ui
