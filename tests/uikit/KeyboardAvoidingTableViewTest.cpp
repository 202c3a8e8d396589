// A form in a keyboard-avoiding table on a window: a low field lifts above
// the keyboard when tapped, Return walks the fields in reading order (two
// fields on one row left to right) to the last one, whose Return ends
// editing and gives the table its insets back.
#include <gtest/gtest.h>

#include "platform/ui/Keyboard.h"
#include "platform/ui/Screen.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "uikit/KeyboardAvoidingScrollView.h"
#include "uikit/KeyboardAvoidingTableView.h"

namespace keelbox::test {
namespace {

constexpr long kRows = 10;
constexpr long kPairRow = 7;

// One field per row, placeholder "Field <row>"; row 7 holds two fields side
// by side ("Field 7a", "Field 7b").
struct Form : ui::TableViewDataSource {
    std::vector<ui::TableViewCellPtr> cells;
    long numberOfRowsInSection(ui::TableView&, long) override { return kRows; }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView&, const ui::IndexPath& ip) override {
        if (cells.size() <= static_cast<std::size_t>(ip.row)) cells.resize(ip.row + 1);
        auto& cell = cells[ip.row];
        if (cell) return cell;
        cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, "field");
        auto add = [&](const std::string& name, const cg::Rect& frame) {
            auto field = ui::TextField::create(frame);
            field->setPlaceholder(name);
            cell->contentView()->addSubview(field);
        };
        const std::string name = "Field " + std::to_string(ip.row);
        if (ip.row == kPairRow) {
            add(name + "a", cg::RectMake(10, 7, 140, 30));
            add(name + "b", cg::RectMake(170, 7, 140, 30));
        } else {
            add(name, cg::RectMake(100, 7, 200, 30));
        }
        return cell;
    }
};

class FormOnAWindow : public ::testing::Test {
protected:
    void SetUp() override {
        table->setDataSource(form);
        window->addSubview(table);
        window->makeKeyAndVisible();
        window->layoutIfNeeded();
        advance(0.2);  // the table scans its fields after laying out
    }
    std::shared_ptr<ui::TextField> field(const std::string& name) {
        auto view = std::dynamic_pointer_cast<ui::TextField>(screen.viewWithText(name));
        EXPECT_TRUE(view) << name;
        return view;
    }
    std::shared_ptr<ui::TextField> focused() {
        return std::dynamic_pointer_cast<ui::TextField>(ui::Responder::currentFirstResponder());
    }
    // Whether a person can see the whole field above the keyboard.
    bool aboveKeyboard(const std::shared_ptr<ui::TextField>& f) {
        const cg::Rect inWindow = f->convertRectToView(f->bounds(), nullptr);
        return inWindow.origin.y >= 0 && cg::RectGetMaxY(inWindow) <= ui::Keyboard::shownFrame().origin.y;
    }

    ui::WindowPtr window = ui::Window::create(ui::Screen::mainScreen()->bounds());
    std::shared_ptr<KeyboardAvoidingTableView> table =
        KeyboardAvoidingTableView::create(ui::Screen::mainScreen()->bounds());
    std::shared_ptr<Form> form = std::make_shared<Form>();
    ScreenDriver screen;
};

TEST_F(FormOnAWindow, ALowFieldLiftsAboveTheKeyboardAndReturnWalksTheFieldsToTheEnd) {
    EXPECT_EQ(field("Field 0")->returnKeyType(), ui::ReturnKeyType::Next);
    EXPECT_EQ(field("Field 9")->returnKeyType(), ui::ReturnKeyType::Done);

    auto low = field("Field 6");
    ASSERT_FALSE(aboveKeyboard(low)) << "the keyboard would hide it";
    ASSERT_TRUE(screen.tap(low));
    ASSERT_EQ(focused(), low);
    EXPECT_EQ(table->contentInset().bottom, ui::Keyboard::kHeight);
    advance(0.3);

    std::vector<std::string> walked{"Field 6"};
    while (focused()) {
        EXPECT_TRUE(aboveKeyboard(focused())) << walked.back();
        ASSERT_TRUE(screen.pressReturn());
        advance(0.3);
        if (auto now = focused()) walked.push_back(now->placeholder());
        ASSERT_LT(walked.size(), 20u) << "Return must not go round in circles";
    }
    const std::vector<std::string> expected{"Field 6", "Field 7a", "Field 7b", "Field 8", "Field 9"};
    EXPECT_EQ(walked, expected);
    EXPECT_FALSE(ui::Keyboard::isVisible());
    EXPECT_EQ(table->contentInset(), cg::EdgeInsets{});
}

TEST_F(FormOnAWindow, ATapOutsideTheFieldsEndsEditing) {
    ASSERT_TRUE(screen.tap(field("Field 9")));
    EXPECT_TRUE(aboveKeyboard(field("Field 9")));
    ASSERT_GT(table->contentOffset().y, 0);
    table->setContentSize(table->contentSize());
    EXPECT_EQ(table->contentInset().bottom, ui::Keyboard::kHeight) << "scrolled, the keyboard covers as much";
    ASSERT_TRUE(screen.tapAt({20, 5}));
    EXPECT_FALSE(focused());
    EXPECT_FALSE(ui::Keyboard::isVisible());
}

TEST(KeyboardAvoidingTableView, ItsFieldScanEndsWithTheTable) {
    auto window = ui::Window::create(ui::Screen::mainScreen()->bounds());
    auto form = std::make_shared<Form>();
    auto table = KeyboardAvoidingTableView::create(window->bounds());
    table->setDataSource(form);
    window->addSubview(table);
    window->layoutIfNeeded();
    std::weak_ptr<KeyboardAvoidingTableView> weak = table;
    table->removeFromSuperview();
    table.reset();
    EXPECT_TRUE(weak.expired());
    advance(0.2);
    EXPECT_EQ(form->cells.at(0)->contentView()->subviews().size(), 1u);
    auto field = std::dynamic_pointer_cast<ui::TextField>(form->cells.at(0)->contentView()->subviews().front());
    EXPECT_EQ(field->returnKeyType(), ui::ReturnKeyType::Default) << "no scan ran for a gone table";
}

TEST(KeyboardAvoidingScrollView, AViewAboveTheKeyboardKeepsItsInsets) {
    auto window = ui::Window::create(ui::Screen::mainScreen()->bounds());
    auto scroll = KeyboardAvoidingScrollView::create(cg::RectMake(0, 0, 320, 200));
    auto field = ui::TextField::create(cg::RectMake(20, 100, 200, 30));
    scroll->addSubview(field);
    window->addSubview(scroll);
    window->makeKeyAndVisible();
    ASSERT_TRUE(field->becomeFirstResponder());
    EXPECT_EQ(scroll->contentInset().bottom, 0);
    field->resignFirstResponder();
}

TEST(KeyboardAvoidingScrollView, SizesItsContentForTheKeyboardAndGivesTheOwnersSizeBack) {
    auto window = ui::Window::create(ui::Screen::mainScreen()->bounds());
    auto scroll = KeyboardAvoidingScrollView::create(window->bounds());
    auto field = ui::TextField::create(cg::RectMake(20, 400, 200, 30));
    scroll->addSubview(field);
    window->addSubview(scroll);
    window->makeKeyAndVisible();
    ASSERT_TRUE(field->becomeFirstResponder());
    EXPECT_EQ(scroll->contentSize(), cg::SizeMake(220, 440));
    field->resignFirstResponder();
    EXPECT_EQ(scroll->contentSize(), cg::Size{}) << "the owner had set none";
}

}  // namespace
}  // namespace keelbox::test
