#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/Log.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TableViewCellContentView.h"
#include "platform/ui/Transaction.h"
#include "platform/ui/TouchDriver.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"

using namespace ui;
using keelbox::test::advance;

namespace {

struct Rows : TableViewDataSource, TableViewDelegate {
    std::vector<long> counts{30};
    int created = 0;
    std::vector<std::string> log;
    long numberOfSectionsInTableView(TableView&) override { return static_cast<long>(counts.size()); }
    long numberOfRowsInSection(TableView&, long s) override { return counts[s]; }
    TableViewCellPtr cellForRowAtIndexPath(TableView& t, const IndexPath& ip) override {
        auto cell = t.dequeueReusableCellWithIdentifier("row");
        if (!cell) {
            cell = TableViewCell::create(TableViewCellStyle::Subtitle, "row");
            ++created;
        }
        cell->textLabel()->setText("row " + std::to_string(ip.row));
        return cell;
    }
    std::optional<std::string> titleForHeaderInSection(TableView&, long s) override {
        return s == 1 ? std::optional<std::string>("Second") : std::nullopt;
    }
    std::vector<std::string> sectionIndexTitlesForTableView(TableView&) override { return {"A", "B"}; }
    std::optional<IndexPath> willSelectRowAtIndexPath(TableView&, const IndexPath& ip) override {
        log.push_back("willSelect " + ip.description());
        if (ip.row == 3) return std::nullopt;
        return ip;
    }
    void didSelectRowAtIndexPath(TableView&, const IndexPath& ip) override { log.push_back("didSelect " + ip.description()); }
    void didDeselectRowAtIndexPath(TableView&, const IndexPath& ip) override {
        log.push_back("didDeselect " + ip.description());
    }
};

struct TableScreen {
    std::shared_ptr<Window> window = Window::create(cg::RectMake(0, 0, 320, 480));
    TableViewPtr table = TableView::create(cg::RectMake(0, 0, 320, 440));
    std::shared_ptr<Rows> rows = std::make_shared<Rows>();
    TableScreen() {
        table->setDataSource(rows);
        table->setTableDelegate(rows);
        window->addSubview(table);
        window->makeKeyAndVisible();
        table->reloadData();
    }
};

}  // namespace

TEST(TableViewTest, OnlyRowsInViewHaveCellsAndCellsAreReusedAcrossScrollsAndReloads) {
    TableScreen s;
    EXPECT_EQ(s.table->contentSize(), cg::SizeMake(320, 30 * 44));
    EXPECT_EQ(s.table->visibleCells().size(), 10u);  // 440 / 44
    EXPECT_EQ(s.rows->created, 10);
    auto first = s.table->cellForRowAtIndexPath({0, 0});
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(s.table->indexPathForCell(first), (IndexPath{0, 0}));
    s.table->setContentOffset({0, 440});
    EXPECT_EQ(s.table->cellForRowAtIndexPath({0, 0}), nullptr);
    EXPECT_NE(s.table->cellForRowAtIndexPath({0, 15}), nullptr);
    EXPECT_EQ(s.rows->created, 10);  // every new row took a cell from the pool
    s.table->reloadData();
    s.table->reloadData();
    EXPECT_EQ(s.rows->created, 10);
    EXPECT_EQ(s.table->reusePoolSize("row"), 0u);
    EXPECT_EQ(s.table->cellForRowAtIndexPath({0, 10})->textLabel()->text(), "row 10");
}

TEST(TableViewTest, SectionHeadersFootersAndIndexTitlesTakeTheirPlace) {
    TableScreen s;
    s.rows->counts = {2, 3};
    s.table->reloadData();
    EXPECT_EQ(s.table->rectForRowAtIndexPath({1, 0}), cg::RectMake(0, 2 * 44 + 22, 320, 44));
    ASSERT_NE(s.table->headerViewForSection(1), nullptr);
    EXPECT_EQ(s.table->headerViewForSection(0), nullptr);  // a plain table shows no empty header
    EXPECT_EQ(s.table->sectionIndexTitles(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(s.table->indexPathForRowAtPoint({10, 2 * 44 + 22 + 50}), (IndexPath{1, 1}));
    EXPECT_FALSE(s.table->indexPathForRowAtPoint({10, 2 * 44 + 5}).has_value());
}

TEST(TableViewTest, ANewRowHeightPlacesTheRowsAgainAtTheNextLayoutKeepingTheirCells) {
    TableScreen s;
    s.table->selectRowAtIndexPath(IndexPath{0, 2}, false, TableViewScrollPosition::None);
    auto third = s.table->cellForRowAtIndexPath({0, 2});
    s.table->setRowHeight(88);
    s.table->layoutIfNeeded();
    EXPECT_EQ(s.table->contentSize(), cg::SizeMake(320, 30 * 88));
    EXPECT_EQ(s.table->cellForRowAtIndexPath({0, 2}), third);
    EXPECT_EQ(third->frame(), cg::RectMake(0, 2 * 88, 320, 88));
    EXPECT_EQ(s.table->visibleCells().size(), 5u);  // 440 / 88
    EXPECT_EQ(s.table->indexPathForSelectedRow(), (IndexPath{0, 2}));
    s.rows->counts = {2, 3};
    s.table->reloadData();
    s.table->setSectionHeaderHeight(30);
    s.table->layoutIfNeeded();
    EXPECT_EQ(s.table->rectForRowAtIndexPath({1, 0}), cg::RectMake(0, 2 * 88 + 30, 320, 88));
}

TEST(TableViewTest, TappingARowSelectsItThroughTheDelegateAndDragsDoNot) {
    TableScreen s;
    TouchDriver finger(keelbox::test::advance);
    auto cell = s.table->cellForRowAtIndexPath({0, 1});
    finger.down(s.window, {100, 44 + 20});
    EXPECT_TRUE(cell->isHighlighted());
    finger.up();
    EXPECT_FALSE(cell->isHighlighted());
    EXPECT_TRUE(cell->isSelected());
    EXPECT_EQ(s.table->indexPathForSelectedRow(), (IndexPath{0, 1}));
    finger.tap(s.window, {100, 3 * 44 + 20});  // the delegate refuses row 3
    finger.tap(s.window, {100, 2 * 44 + 20});
    EXPECT_EQ(s.rows->log, (std::vector<std::string>{"willSelect {0, 1}", "didSelect {0, 1}", "willSelect {0, 3}",
                                                     "willSelect {0, 2}", "didDeselect {0, 1}", "didSelect {0, 2}"}));
    EXPECT_FALSE(cell->isSelected());
    s.rows->log.clear();
    finger.drag(s.window, {100, 300}, {100, 100}, 0.2, 4);
    EXPECT_TRUE(s.rows->log.empty());
    EXPECT_GT(s.table->contentOffset().y, 0);
}

TEST(TableViewTest, RowUpdatesCheckTheirCountsAndCompleteTheirTransaction) {
    TableScreen s;
    s.table->selectRowAtIndexPath(IndexPath{0, 5}, false, TableViewScrollPosition::None);
    bool done = false;
    ca::Transaction::begin();
    ca::Transaction::setCompletionBlock([&] { done = true; });
    s.rows->counts = {31};
    s.table->insertRowsAtIndexPaths({{0, 0}}, TableViewRowAnimation::Fade);
    ca::Transaction::commit();
    EXPECT_EQ(s.table->numberOfRowsInSection(0), 31);
    EXPECT_EQ(s.table->indexPathForSelectedRow(), (IndexPath{0, 6}));
    advance(TableView::kRowAnimationDuration - 0.01);
    EXPECT_FALSE(done);
    advance(0.01);
    EXPECT_TRUE(done);
    // Counts that do not add up reload instead of failing.
    std::vector<std::string> warnings;
    auto old = ns::setLogSink([&](const std::string& w) { warnings.push_back(w); });
    s.rows->counts = {20};
    s.table->deleteRowsAtIndexPaths({{0, 0}}, TableViewRowAnimation::Automatic);
    s.table->deleteRowsAtIndexPaths({{4, 0}}, TableViewRowAnimation::Automatic);
    ns::setLogSink(old);
    EXPECT_EQ(warnings.size(), 2u);
    EXPECT_EQ(s.table->numberOfRowsInSection(0), 20);
}

TEST(ScrollViewTest, DraggingReportsVelocityTargetAndDeceleratesOnTheClock) {
    struct Log : ScrollViewDelegate {
        std::vector<std::string> events;
        cg::Point velocity;
        void scrollViewWillBeginDragging(ScrollView&) override { events.push_back("willBeginDragging"); }
        void scrollViewWillEndDragging(ScrollView&, cg::Point v, cg::Point& target) override {
            events.push_back("willEndDragging");
            velocity = v;
            target = {0, 320};  // a page boundary
        }
        void scrollViewDidEndDragging(ScrollView&, bool decelerate) override {
            events.push_back(decelerate ? "didEndDragging:YES" : "didEndDragging:NO");
        }
        void scrollViewDidEndDecelerating(ScrollView&) override { events.push_back("didEndDecelerating"); }
    };
    auto scroll = ScrollView::create(cg::RectMake(0, 0, 320, 400));
    scroll->setContentSize({320, 2000});
    auto log = std::make_shared<Log>();
    scroll->setDelegate(log);
    std::vector<double> offsets;
    auto token = scroll->observeContentOffset([&](cg::Point, cg::Point now) { offsets.push_back(now.y); });
    scroll->beginDragging();
    scroll->dragBy({0, -100});
    scroll->endDragging({0, -1000});  // finger moving up at 1000 points per second
    EXPECT_EQ(log->velocity, cg::PointMake(0, 1));  // points per millisecond, along the offset
    EXPECT_EQ(scroll->contentOffset(), cg::PointMake(0, 320));
    EXPECT_TRUE(scroll->isDecelerating());
    advance(ScrollView::kDecelerationDuration);
    EXPECT_EQ(log->events, (std::vector<std::string>{"willBeginDragging", "willEndDragging", "didEndDragging:YES",
                                                     "didEndDecelerating"}));
    EXPECT_EQ(offsets, (std::vector<double>{100, 320}));
    token.reset();
    scroll->setContentOffset({0, 0}, true);
    EXPECT_EQ(offsets.size(), 2u);  // the observation ended with its token
}

TEST(ScrollViewTest, PagingAndBouncesKeepTheOffsetInRange) {
    auto scroll = ScrollView::create(cg::RectMake(0, 0, 320, 400));
    scroll->setContentSize({960, 400});
    scroll->pagingEnabled = true;
    scroll->beginDragging();
    scroll->dragBy({-100, 0});
    scroll->endDragging({-300, 0});
    EXPECT_EQ(scroll->contentOffset(), cg::PointMake(320, 0));
    scroll->bounces = false;
    scroll->beginDragging();
    scroll->dragBy({500, 0});
    EXPECT_EQ(scroll->contentOffset(), cg::PointMake(0, 0));
    scroll->endDragging({0, 0});
    EXPECT_EQ(scroll->maximumContentOffset(), cg::PointMake(640, 0));
}

TEST(TableViewTest, PlainHeadersFloatAtTheTopWhileTheirSectionPassesBeneath) {
    TableScreen s;
    s.rows->counts = {10, 10, 10};  // section 1 (with a header) spans 440 .. 902
    s.table->reloadData();
    auto header = s.table->headerViewForSection(1);
    ASSERT_NE(header, nullptr);
    struct Case {
        double offset, headerY;
    };
    for (const Case& c : {Case{100, 440}, Case{500, 500}, Case{890, 902 - 22}, Case{0, 440}}) {
        s.table->setContentOffset({0, c.offset});
        EXPECT_EQ(header->frame(), cg::RectMake(0, c.headerY, 320, 22)) << "offset " << c.offset;
    }
    s.table->setContentOffset({0, 500});
    EXPECT_EQ(s.table->subviews().back(), header);  // drawn over the rows passing beneath
    EXPECT_EQ(s.table->rectForHeaderInSection(1).origin.y, 440);
}

TEST(ScrollViewTest, ANestedScrollViewTakesOnlyDragsAlongTheDirectionItScrolls) {
    TableScreen s;
    auto inner = ScrollView::create(cg::RectMake(0, 0, 320, 44));  // the row's sideways strip
    inner->setContentSize({480, 44});
    s.table->cellForRowAtIndexPath({0, 2})->contentView()->addSubview(inner);
    TouchDriver finger(advance);
    finger.down(s.window, {300, 110});
    finger.moveTo({250, 111});
    finger.moveTo({200, 112});
    EXPECT_EQ(inner->contentOffset(), cg::PointMake(100, 0));
    EXPECT_EQ(s.table->contentOffset(), cg::PointMake(0, 0));
    finger.up();
    double innerX = inner->contentOffset().x;
    finger.down(s.window, {160, 110});
    finger.moveTo({160, 60});
    finger.moveTo({158, 10});
    EXPECT_EQ(s.table->contentOffset(), cg::PointMake(0, 100));
    EXPECT_EQ(inner->contentOffset().x, innerX);
    finger.up();
}

namespace {
// A sideways strip that lets the table scroll along with it, as a swipeable
// row does.
struct SharingStrip : ScrollView {
    using ScrollView::ScrollView;
    int asked = 0;
    bool shouldRecognizeSimultaneously(GestureRecognizer&, GestureRecognizer&) override {
        ++asked;
        return true;
    }
};
}  // namespace

TEST(ScrollViewTest, AScrollViewAnswersForItsOwnPanAndSubclassesMayShareTheDrag) {
    TableScreen s;
    auto strip = View::make<SharingStrip>(cg::RectMake(0, 0, 320, 44));
    strip->setContentSize({480, 200});  // scrolls both ways
    auto content = s.table->cellForRowAtIndexPath({0, 2})->contentView();
    EXPECT_NE(std::dynamic_pointer_cast<TableViewCellContentView>(content), nullptr);
    content->addSubview(strip);
    EXPECT_EQ(strip->panGestureRecognizer()->delegate().get(), static_cast<GestureRecognizerDelegate*>(strip.get()));
    TouchDriver finger(advance);
    finger.down(s.window, {160, 110});
    finger.moveTo({160, 80});
    finger.moveTo({160, 60});
    EXPECT_GT(strip->asked, 0);
    EXPECT_EQ(strip->contentOffset(), cg::PointMake(0, 50));
    EXPECT_EQ(s.table->contentOffset(), cg::PointMake(0, 50));  // both move with the finger
    finger.up();
}
