// The segmented controls: which index each choice leaves and which choices
// send the value-changed event, and the two layouts.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "widgets/SGExtendSegControl.h"

namespace keelbox::test {
namespace {

std::vector<ns::Value> titles(std::initializer_list<const char*> names) {
    std::vector<ns::Value> out;
    for (const char* n : names) out.emplace_back(std::string(n));
    return out;
}

class SegmentControlTest : public ::testing::Test {
public:
    void SetUp() override {
        window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
        window->makeKeyAndVisible();
    }
    template <class T>
    void place(const std::shared_ptr<T>& control, const cg::Rect& frame) {
        control->setFrame(frame);
        window->addSubview(control);
        control->addTarget(nullptr, "changed", [this](ui::Control&) { ++events; }, ui::ControlEventValueChanged);
        control->layoutIfNeeded();
    }
    ui::WindowPtr window;
    ScreenDriver screen;
    int events = 0;
};

TEST_F(SegmentControlTest, SelectionTable) {
    struct Case {
        std::string name;
        std::function<void(SGSegmentControl&, ScreenDriver&)> act;
        int index;
        int events;
    };
    const std::vector<Case> cases = {
        {"a tap on another segment", [](SGSegmentControl& c, ScreenDriver& s) { s.tap(c.items()[2]->button); }, 2, 1},
        {"a tap on the chosen segment", [](SGSegmentControl& c, ScreenDriver& s) { s.tap(c.items()[0]->button); }, 0, 0},
        {"code chooses a segment", [](SGSegmentControl& c, ScreenDriver&) { c.setSelectedIndex(1); }, 1, 0},
        {"code chooses past the last", [](SGSegmentControl& c, ScreenDriver&) { c.setSelectedIndex(3); }, 0, 0},
        {"code chooses a negative index", [](SGSegmentControl& c, ScreenDriver&) { c.setSelectedIndex(-1); }, 0, 0},
        {"two taps", [](SGSegmentControl& c, ScreenDriver& s) { s.tap(c.items()[1]->button); s.tap(c.items()[2]->button); }, 2, 2},
    };
    for (const auto& c : cases) {
        events = 0;
        auto control = SGSegmentControl::create(titles({"Phone", "Email", "Other"}));
        place(control, cg::RectMake(0, 100, 320, 44));
        c.act(*control, screen);
        screen.wait(0.5);
        EXPECT_EQ(control->selectedIndex(), c.index) << c.name;
        EXPECT_EQ(events, c.events) << c.name;
        for (int i = 0; i < 3; ++i) {
            const auto& button = control->items()[i]->button;
            EXPECT_DOUBLE_EQ(button->titleLabel()->font().pointSize(), i == c.index ? 18 : 16) << c.name;
        }
        control->removeFromSuperview();
    }
}

TEST_F(SegmentControlTest, TheRowIsCentredByHalfTheRemainderAndTheBarFollowsTheChoice) {
    std::vector<ns::Value> mixed = titles({"A", "B"});
    mixed.insert(mixed.begin() + 1, ns::Value(7));  // not a title: skipped
    mixed.push_back(ns::Value(std::string("C")));
    auto control = SGSegmentControl::create(mixed);
    EXPECT_EQ(control->numberOfItems(), 3);
    place(control, cg::RectMake(0, 100, 311, 44));  // 311 = 3 x 103 + 2
    EXPECT_DOUBLE_EQ(control->items()[0]->button->frame().origin.x, 1);
    EXPECT_DOUBLE_EQ(control->items()[2]->button->frame().origin.x, 207);
    EXPECT_DOUBLE_EQ(control->items()[1]->button->frame().size.width, 103);
    EXPECT_EQ(control->selectionView()->frame(), cg::RectMake(15, 0, 75, 3));
    control->setSelectedIndex(2);
    screen.wait(SGSegmentControl::kSlideSeconds);
    EXPECT_EQ(control->selectionView()->frame(), cg::RectMake(221, 0, 75, 3));

    // No segments: nothing to lay out, nothing to choose.
    auto empty = SGSegmentControl::create({});
    place(empty, cg::RectMake(0, 200, 320, 44));
    empty->setSelectedIndex(0);
    EXPECT_EQ(empty->numberOfItems(), 0);
    EXPECT_EQ(empty->selectionView()->frame(), cg::Rect{});
}

TEST_F(SegmentControlTest, TheExtendedControlSpreadsRoundingOverLaterSegmentsAndSlidesItsPicture) {
    auto control = SGExtendSegControl::create(cg::RectMake(0, 0, 100, 30));
    const auto normal = ui::Color::white(0.5);
    const auto chosen = ui::Color::rgba(0, 0.6, 0.3, 1);
    control->setNormalcolor(normal);
    control->setSelectedColor(chosen);
    control->setSegSpace(5);
    control->setSelectedImage(ui::Image::imageNamed("bg_indicator"));
    control->setItemArray(titles({"Day", "Week", "Month"}));
    place(control, cg::RectMake(10, 100, 100, 30));
    EXPECT_EQ(control->selectedIndex(), 0);
    EXPECT_EQ(events, 0);  // chosen by code
    // (100 - 10) / 3 = 30, then (100 - 35 - 5) / 2 = 30, then 100 - 70 = 30;
    // with 101 the last one takes the extra point.
    control->setFrame(cg::RectMake(10, 100, 101, 30));
    control->layoutIfNeeded();
    std::vector<double> xs, widths;
    for (const auto& item : control->items()) {
        xs.push_back(item->button->frame().origin.x);
        widths.push_back(item->button->frame().size.width);
        EXPECT_DOUBLE_EQ(item->bgView->frame().size.height, 30);
    }
    EXPECT_EQ(xs, (std::vector<double>{0, 35, 70}));
    EXPECT_EQ(widths, (std::vector<double>{30, 30, 31}));
    EXPECT_EQ(control->selectionView()->image(), control->selectedImage());

    screen.tap(control->items()[2]->button);
    EXPECT_EQ(events, 1);
    EXPECT_EQ(control->items()[0]->button->titleColorForState(ui::ControlStateNormal), normal);
    screen.wait(SGExtendSegControl::kSlideSeconds);
    EXPECT_EQ(control->selectionView()->frame(), control->items()[2]->button->frame());
    EXPECT_EQ(control->items()[2]->button->titleColorForState(ui::ControlStateNormal), chosen);

    // A choice overtaking a slide: only the last chosen title is coloured.
    control->setSelectedIndex(0);
    control->setSelectedIndex(1);
    screen.wait(SGExtendSegControl::kSlideSeconds);
    EXPECT_EQ(control->items()[0]->button->titleColorForState(ui::ControlStateNormal), normal);
    EXPECT_EQ(control->items()[1]->button->titleColorForState(ui::ControlStateNormal), chosen);

    // An empty list keeps the segments and chooses the first again.
    control->setItemArray({});
    EXPECT_EQ(control->numberOfItems(), 3);
    EXPECT_EQ(control->selectedIndex(), 0);
    EXPECT_EQ(events, 1);
}

}  // namespace
}  // namespace keelbox::test
