#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/foundation/Date.h"
#include "platform/ui/Button.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/RefreshControl.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TouchDriver.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"

using namespace ui;
using keelbox::test::advance;

namespace {
// A change from data, checked to have moved the control, and what a person
// does to the same control.
struct QuietCase {
    std::string kind;
    std::function<ControlPtr()> make;
    std::function<bool(Control&)> setFromData;
    std::function<void(Control&, TouchDriver&)> actAsUser;
};
}  // namespace

TEST(ControlActions, AValueSetByCodeMovesTheControlQuietlyAndOnlyAPersonSendsActions) {
    const std::vector<QuietCase> cases = {
        {"button", [] { return Button::create(cg::RectMake(10, 10, 100, 40)); },
         [](Control& c) {
             c.setSelected(true);
             c.setHighlighted(true);
             c.setHighlighted(false);
             c.setEnabled(false);
             c.setEnabled(true);
             return c.isSelected();
         },
         [](Control& c, TouchDriver& finger) { finger.tapView(c.self<View>()); }},
        {"text field", [] { return TextField::create(cg::RectMake(10, 60, 200, 30)); },
         [](Control& c) {
             auto& field = static_cast<TextField&>(c);
             field.setText("from data");
             return field.text() == "from data";
         },
         [](Control& c, TouchDriver& finger) {
             finger.tapView(c.self<View>());
             static_cast<TextField&>(c).insertText("!");
         }},
        {"date picker", [] { return DatePicker::create(cg::RectMake(0, 100, 320, 216)); },
         [](Control& c) {
             auto& picker = static_cast<DatePicker&>(c);
             picker.setDate(ns::Date::withTimeIntervalSince1970(7200), true);
             return picker.date().timeIntervalSince1970() == 7200;
         },
         [](Control& c, TouchDriver&) { static_cast<DatePicker&>(c).spinTo(ns::Date::withTimeIntervalSince1970(0)); }},
        {"refresh control", [] { return RefreshControl::create(); },
         [](Control& c) {
             auto& refresh = static_cast<RefreshControl&>(c);
             refresh.beginRefreshing();
             bool began = refresh.isRefreshing();
             refresh.endRefreshing();
             return began && !refresh.isRefreshing();
         },
         [](Control& c, TouchDriver&) { static_cast<RefreshControl&>(c).pull(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        auto window = Window::create(cg::RectMake(0, 0, 320, 480));
        window->makeKeyAndVisible();
        auto control = c.make();
        window->addSubview(control);
        int sent = 0;
        control->addTarget(nullptr, "record", [&](Control&) { ++sent; }, ControlEventAllEvents);
        EXPECT_TRUE(c.setFromData(*control));
        EXPECT_EQ(sent, 0);
        TouchDriver finger(advance);
        c.actAsUser(*control, finger);
        EXPECT_GT(sent, 0);
        control->endEditing(true);
    }
}
