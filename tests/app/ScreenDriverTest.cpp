// The screen driver on a plain window: it sees what a person sees (not
// what is hidden, transparent, off the window or covered) and its touches
// reach controls, recognisers, tables, pickers and text fields the way a
// finger does.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/LongPressGestureRecognizer.h"
#include "platform/ui/SwipeGestureRecognizer.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCell.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "tests/support/screen/ViewReader.h"

namespace keelbox::test {
namespace {

std::shared_ptr<ui::Label> label(const std::string& text, const cg::Rect& frame) {
    auto l = ui::Label::create(frame);
    l->setText(text);
    return l;
}

std::shared_ptr<ui::Button> button(const std::string& title, const cg::Rect& frame) {
    auto b = ui::Button::create(frame);
    b->setTitle(title, ui::ControlStateNormal);
    return b;
}

class ScreenDriverOnAWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
        window->setBackgroundColor(ui::Color::whiteColor());
        window->makeKeyAndVisible();
    }
    void add(const ui::ViewPtr& view) { window->addSubview(view); }

    ui::WindowPtr window;
    ScreenDriver screen;
    std::shared_ptr<ns::Object> target = std::make_shared<ns::Object>();
};

TEST_F(ScreenDriverOnAWindow, SeesOnlyWhatAPersonSees) {
    auto panel = ui::View::create(cg::RectMake(20, 100, 200, 200));
    add(panel);
    auto hello = label("Hello", cg::RectMake(10, 10, 100, 20));
    panel->addSubview(hello);
    auto hidden = label("Secret", cg::RectMake(10, 40, 100, 20));
    hidden->setHidden(true);
    panel->addSubview(hidden);
    auto ghost = label("Ghost", cg::RectMake(10, 70, 100, 20));
    ghost->setAlpha(0);
    panel->addSubview(ghost);
    auto far = label("Far", cg::RectMake(400, 10, 50, 20));
    panel->addSubview(far);
    auto go = button("Go", cg::RectMake(10, 100, 80, 30));
    go->titleLabel();  // the button's own label shows the title too
    panel->addSubview(go);
    auto picture = ui::ImageView::createWithImage(ui::Image::imageNamed("home_wifi00"));
    ASSERT_TRUE(picture->image());
    picture->setTag(7);
    panel->addSubview(picture);

    EXPECT_EQ(screen.viewWithText("Hello"), hello);
    for (const char* unseen : {"Secret", "Ghost", "Far"}) EXPECT_FALSE(screen.viewWithText(unseen)) << unseen;
    EXPECT_EQ(ViewFinder(panel, ViewFinder::Scope::All).withText("Secret").size(), 1u);
    EXPECT_EQ(screen.find().withText("Go"), std::vector<ui::ViewPtr>{go}) << "the button, not also its label";
    EXPECT_EQ(screen.viewWithTextContaining("ell"), hello);
    EXPECT_EQ(screen.viewWithImage("home_wifi00"), picture);
    EXPECT_EQ(screen.viewWithTag(7), picture);
    EXPECT_EQ(screen.viewOfClass<ui::Button>(), go);
    EXPECT_EQ(screen.shownTexts(), (std::vector<std::string>{"Hello", "Go"}));

    const ViewFinder inWindow(window);
    EXPECT_EQ(inWindow.pathOf(go), "0/4");
    EXPECT_EQ(inWindow.atPath("0/4"), go);
    EXPECT_FALSE(inWindow.atPath("0/9"));
    EXPECT_FALSE(inWindow.atPath("0/x"));
    EXPECT_EQ(ViewReader::frameInWindow(hello), cg::RectMake(30, 110, 100, 20));
    EXPECT_EQ(ViewReader::text(go), "Go");
    EXPECT_NE(screen.describe().find("\"Secret\" hidden"), std::string::npos) << screen.describe();

    // Hiding the panel hides all of it.
    panel->setHidden(true);
    EXPECT_TRUE(screen.shownTexts().empty());
}

TEST_F(ScreenDriverOnAWindow, ATouchReachesWhatIsUnderTheFingerOrFails) {
    auto go = button("Go", cg::RectMake(20, 100, 100, 40));
    int taps = 0;
    go->addTarget(target, "tap", [&](ui::Control&) { ++taps; }, ui::ControlEventTouchUpInside);
    add(go);
    EXPECT_TRUE(screen.tapText("Go"));
    EXPECT_EQ(taps, 1);
    EXPECT_TRUE(screen.tapAt({70, 120}));
    EXPECT_EQ(taps, 2);

    auto cover = ui::View::create(cg::RectMake(0, 90, 320, 60));
    add(cover);
    bool tapped = true;
    EXPECT_NONFATAL_FAILURE(tapped = screen.tap(go), "reaches");
    EXPECT_FALSE(tapped);
    cover->removeFromSuperview();
    go->setHidden(true);
    EXPECT_NONFATAL_FAILURE(tapped = screen.tap(go), "not on screen");
    EXPECT_EQ(taps, 2);
}

TEST_F(ScreenDriverOnAWindow, GesturesReachTheirRecognisers) {
    auto pad = ui::View::create(cg::RectMake(0, 100, 320, 300));
    add(pad);
    int pressed = 0;
    std::vector<std::string> swiped;
    auto press = ui::LongPressGestureRecognizer::create();
    press->addTarget(target, "press", [&](ui::GestureRecognizer& g) {
        if (g.state() == ui::GestureRecognizerState::Began) ++pressed;
    });
    pad->addGestureRecognizer(press);
    for (auto [direction, name] : {std::pair{ui::SwipeDirectionLeft, "left"}, std::pair{ui::SwipeDirectionUp, "up"}}) {
        auto swipe = ui::SwipeGestureRecognizer::create();
        swipe->direction = direction;
        swipe->addTarget(target, name, [&swiped, name = std::string(name)](ui::GestureRecognizer&) { swiped.push_back(name); });
        pad->addGestureRecognizer(swipe);
    }

    EXPECT_TRUE(screen.longPress(pad, 1.0));
    EXPECT_EQ(pressed, 1);
    EXPECT_TRUE(screen.swipe(pad, ui::SwipeDirectionUp));
    EXPECT_TRUE(screen.swipe(pad, ui::SwipeDirectionLeft));
    EXPECT_TRUE(screen.swipe(pad, ui::SwipeDirectionRight));
    EXPECT_EQ(swiped, (std::vector<std::string>{"up", "left"}));
}

class Rows : public ui::TableViewDataSource, public ui::TableViewDelegate {
public:
    long numberOfRowsInSection(ui::TableView&, long) override { return 40; }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override {
        auto cell = table.dequeueReusableCellWithIdentifier("row");
        if (!cell) cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, "row");
        cell->textLabel()->setText("Row " + std::to_string(ip.row));
        return cell;
    }
    void didSelectRowAtIndexPath(ui::TableView&, const ui::IndexPath& ip) override { selected.push_back(ip); }
    std::vector<ui::IndexPath> selected;
};

class Field : public ui::TextFieldDelegate {
public:
    bool textFieldShouldReturn(ui::TextField& field) override {
        returned = field.text();
        return true;
    }
    std::string returned;
};

TEST_F(ScreenDriverOnAWindow, RowsDatesAndTypingGoThroughTheControls) {
    auto table = ui::TableView::create(cg::RectMake(0, 200, 320, 300));
    auto rows = std::make_shared<Rows>();
    table->setDataSource(rows);
    table->setTableDelegate(rows);
    add(table);
    table->reloadData();
    table->layoutIfNeeded();
    EXPECT_TRUE(screen.selectRow(table, {0, 30}));
    EXPECT_EQ(rows->selected, std::vector<ui::IndexPath>{ui::IndexPath::indexPathForRow(30, 0)});
    EXPECT_TRUE(screen.viewWithText("Row 30"));
    bool selected = true;
    EXPECT_NONFATAL_FAILURE(selected = screen.selectRow(table, {0, 40}), "no row");
    EXPECT_FALSE(selected);

    auto picker = ui::DatePicker::create(cg::RectMake(0, 0, 320, 100));
    std::vector<double> picked;
    picker->addTarget(target, "picked", [&](ui::Control& c) {
        picked.push_back(static_cast<ui::DatePicker&>(c).date().timeIntervalSince1970());
    }, ui::ControlEventValueChanged);
    add(picker);
    EXPECT_TRUE(screen.pickDate(picker, ns::Date::withTimeIntervalSince1970(1700000000)));
    EXPECT_EQ(picked, std::vector<double>{1700000000});

    auto field = ui::TextField::create(cg::RectMake(20, 120, 200, 30));
    field->setPlaceholder("Name");
    auto delegate = std::make_shared<Field>();
    field->setDelegate(delegate);
    add(field);
    EXPECT_NONFATAL_FAILURE(screen.type("lost"), "focus");
    ASSERT_TRUE(screen.tapText("Name"));
    EXPECT_TRUE(screen.type("Keel"));
    EXPECT_TRUE(screen.type("box"));
    EXPECT_TRUE(screen.pressReturn());
    EXPECT_EQ(delegate->returned, "Keelbox");
    EXPECT_EQ(screen.viewWithText("Keelbox"), field);
}

}  // namespace
}  // namespace keelbox::test
