// Swipeable rows in a table on a window, driven by a finger: releasing a
// drag past half the buttons' width opens a row and closes the other open
// row, a tap closes an open row or selects a closed one with a short
// highlight, and the utility buttons report their index.
#include <gtest/gtest.h>

#include <map>

#include "platform/ui/Screen.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "uikit/SlideTableViewCell.h"
#include "uikit/SlideUtilityButtons.h"

namespace keelbox::test {
namespace {

constexpr double kRowHeight = 60;

// Three swipeable rows with "Delete" and "Block" buttons on the right; it
// records what the rows and the table tell it, and closes the other rows
// when one opens.
struct SwipeRows : ui::TableViewDataSource, ui::TableViewDelegate, SlideTableViewCellDelegate {
    std::map<long, SlideTableViewCellPtr> cells;
    std::vector<std::size_t> triggered;
    std::vector<long> selected;

    long numberOfRowsInSection(ui::TableView&, long) override { return 3; }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& ip) override {
        auto& cell = cells[ip.row];
        if (!cell) {
            cell = ui::TableViewCell::makeCell<SlideTableViewCell>(ui::TableViewCellStyle::Default, "swipe");
            std::vector<ui::ButtonPtr> buttons;
            sl_addUtilityButtonWithColor(buttons, ui::Color::redColor(), std::string("Delete"));
            sl_addUtilityButtonWithColor(buttons, ui::Color::grayColor(), std::string("Block"));
            cell->setContainingTableView(std::static_pointer_cast<ui::TableView>(table.self<ui::View>()));
            cell->setDelegate(self.lock());
            cell->setRightUtilityButtons(buttons);
            cell->setCellHeight(kRowHeight);
            cell->textLabel()->setText("Row " + std::to_string(ip.row));
        }
        return cell;
    }
    void didSelectRowAtIndexPath(ui::TableView&, const ui::IndexPath& ip) override { selected.push_back(ip.row); }
    void swipeableTableViewCellDidTriggerRightUtilityButtonWithIndex(SlideTableViewCell& cell,
                                                                     std::size_t index) override {
        triggered.push_back(index);
        cell.hideUtilityButtonsAnimated(true);
    }
    bool swipeableTableViewCellShouldHideUtilityButtonsOnSwipe(SlideTableViewCell&) override { return true; }

    std::weak_ptr<SwipeRows> self;
};

class SwipeRowsOnAWindow : public ::testing::Test {
protected:
    void SetUp() override {
        rows->self = rows;
        table->setRowHeight(kRowHeight);
        table->setDataSource(rows);
        table->setTableDelegate(rows);
        window->addSubview(table);
        window->makeKeyAndVisible();
        window->layoutIfNeeded();
    }
    SlideTableViewCellPtr row(long i) { return rows->cells.at(i); }
    double offset(long i) { return row(i)->cellScrollView()->contentOffset().x; }
    // A finger drags the row sideways and rests before lifting, so that
    // only where it let go counts.
    void slowDrag(long i, double dx) {
        const cg::Point start{200, i * kRowHeight + kRowHeight / 2};
        auto& finger = screen.finger();
        finger.down(window, start);
        for (int step = 1; step <= 10; ++step) {
            finger.moveTo({start.x + dx * step / 10, start.y});
            advance(0.02);
        }
        advance(0.2);
        finger.up();
        drainMainLoop();
    }
    void flick(long i, double dx) { screen.drag({200, i * kRowHeight + 30}, {200 + dx, i * kRowHeight + 30}, 0.04); }

    ui::WindowPtr window = ui::Window::create(ui::Screen::mainScreen()->bounds());
    ui::TableViewPtr table = ui::TableView::create(ui::Screen::mainScreen()->bounds());
    std::shared_ptr<SwipeRows> rows = std::make_shared<SwipeRows>();
    ScreenDriver screen;
};

TEST_F(SwipeRowsOnAWindow, AReleaseDecidesByWhereTheRowWasLetGoOrHowFastItWasFlicked) {
    struct Case {
        const char* name;
        double dx;
        bool fast;
        SlideCellState state;
        double offset;
    };
    // Two 58-point buttons: 116 points, the halfway mark at 58.
    const Case cases[] = {
        {"past half the buttons", -59, false, SlideCellState::Right, 116},
        {"at half the buttons", -58, false, SlideCellState::Center, 0},
        {"a short flick", -30, true, SlideCellState::Right, 116},
        {"a flick toward the side without buttons", 30, true, SlideCellState::Center, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        row(0)->setSWCellState(SlideCellState::Center, false);
        advance(1);
        if (c.fast)
            flick(0, c.dx);
        else
            slowDrag(0, c.dx);
        advance(1);
        EXPECT_EQ(row(0)->cellState(), c.state);
        EXPECT_EQ(offset(0), c.offset);
    }
}

TEST_F(SwipeRowsOnAWindow, OpeningARowShowsItsButtonsAndClosesTheOtherOpenRow) {
    slowDrag(0, -80);
    advance(1);
    ASSERT_EQ(row(0)->cellState(), SlideCellState::Right);
    EXPECT_TRUE(screen.viewWithText("Delete"));
    EXPECT_TRUE(screen.viewWithText("Block"));
    EXPECT_EQ(row(0)->scrollViewButtonViewRight()->frame(), cg::RectMake(116 + 320 - 116, 0, 116, kRowHeight))
        << "glued to the row's visible right edge";

    slowDrag(1, -80);
    EXPECT_EQ(row(1)->cellState(), SlideCellState::Right);
    EXPECT_EQ(row(0)->cellState(), SlideCellState::Center) << "closed at once";
    advance(1);
    EXPECT_EQ(offset(0), 0) << "slid back on a later turn";
    EXPECT_EQ(offset(1), 116);
}

TEST_F(SwipeRowsOnAWindow, ATapClosesAnOpenRowOrSelectsAClosedOneWithAShortHighlight) {
    row(0)->setSWCellState(SlideCellState::Right, false);
    ASSERT_TRUE(screen.tapText("Row 0"));
    EXPECT_EQ(row(0)->cellState(), SlideCellState::Center);
    EXPECT_TRUE(rows->selected.empty()) << "closing is all a tap on an open row does";
    advance(1);

    ASSERT_TRUE(screen.tapText("Row 0"));
    EXPECT_EQ(rows->selected, std::vector<long>{0});
    EXPECT_FALSE(table->indexPathForSelectedRow());
    EXPECT_TRUE(row(0)->isHighlighted());
    EXPECT_TRUE(row(0)->scrollViewButtonViewRight()->isHidden());
    advance(0.15);
    EXPECT_TRUE(row(0)->isHighlighted());
    advance(0.1);
    EXPECT_FALSE(row(0)->isHighlighted());
    EXPECT_FALSE(row(0)->scrollViewButtonViewRight()->isHidden());
}

TEST_F(SwipeRowsOnAWindow, UtilityButtonsReportTheirIndex) {
    row(1)->setSWCellState(SlideCellState::Right, false);
    ASSERT_TRUE(screen.tapText("Block"));
    advance(1);
    EXPECT_EQ(row(1)->cellState(), SlideCellState::Center) << "the delegate closed it";
    row(1)->setSWCellState(SlideCellState::Right, false);
    ASSERT_TRUE(screen.tapText("Delete"));
    EXPECT_EQ(rows->triggered, (std::vector<std::size_t>{1, 0}));
    EXPECT_TRUE(rows->selected.empty()) << "a button is not the row";
}

TEST_F(SwipeRowsOnAWindow, AnOpenRowAskedToOpenTheOtherWayOnlyCloses) {
    row(0)->setSWCellState(SlideCellState::Right, false);
    row(0)->setSWCellState(SlideCellState::Left, false);
    EXPECT_EQ(row(0)->cellState(), SlideCellState::Center);
    advance(1);
    EXPECT_EQ(offset(0), 0);
}

TEST_F(SwipeRowsOnAWindow, ButtonsGivenAgainReportOnceAndTheHighlightEndsWithTheRow) {
    row(2)->setRightUtilityButtons(row(2)->rightUtilityButtons());
    row(2)->setCellHeight(kRowHeight);
    row(2)->setSWCellState(SlideCellState::Right, false);
    ASSERT_TRUE(screen.tapText("Block"));
    EXPECT_EQ(rows->triggered, std::vector<std::size_t>{1});

    advance(1);
    ASSERT_TRUE(screen.tapText("Row 0"));
    std::weak_ptr<SlideTableViewCell> highlighted = row(0);
    table->removeFromSuperview();
    table.reset();
    rows->cells.clear();
    EXPECT_TRUE(highlighted.expired());
    advance(1);  // the highlight's end has nothing left to touch
}

TEST(SlideUtilityButtonView, ButtonsNeverTakeMoreThan260Points) {
    const std::pair<std::size_t, double> cases[] = {{1, 58}, {4, 58}, {5, 52}, {6, 260.0 / 6}};
    for (const auto& [count, width] : cases)
        EXPECT_DOUBLE_EQ(SlideUtilityButtonView::calculateUtilityButtonWidth(count), width) << count << " buttons";
}

// A row class that lays out its content in its initialiser, as list rows
// made with the plain initialiser do.
class LaidOutInInit : public SlideTableViewCell {
public:
    using SlideTableViewCell::SlideTableViewCell;
    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override {
        SlideTableViewCell::initWithStyle(style, reuseIdentifier);
        label = ui::View::create(contentView()->bounds());
        label->setAutoresizingMask(ui::ViewAutoresizingFlexibleWidth | ui::ViewAutoresizingFlexibleHeight);
        contentView()->addSubview(label);
    }
    ui::ViewPtr label;
};

TEST(SlideTableViewCellPlainInit, ContentKeepsTheCellsHeightWhenItIsGivenLater) {
    auto cell = ui::TableViewCell::makeCell<LaidOutInInit>(ui::TableViewCellStyle::Default, "row");
    const double height = cell->bounds().size.height;
    ASSERT_GT(height, 0);
    cell->setCellHeight(height);
    EXPECT_EQ(cell->contentView()->frame().size.height, height);
    EXPECT_EQ(cell->label->frame().size.height, height);
}

}  // namespace
}  // namespace keelbox::test
