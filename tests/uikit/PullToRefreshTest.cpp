// Pull-to-refresh on a scroll view: pulling the header down past 64 points
// and letting go refreshes once and keeps the header open until the owner
// is done, after which the header tells when; pulling the footer up loads
// more. The views never keep their scroll view, nor it them, alive.
#include <gtest/gtest.h>

#include "platform/foundation/Calendar.h"
#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "uikit/UIScrollViewPull.h"

namespace keelbox::test {
namespace {

struct Owner : ns::Object {
    int refreshes = 0;
    int loads = 0;
    void refresh(PullDownView&) { ++refreshes; }
    void loadMore(PullUpView&) { ++loads; }
};

class PullOnAWindow : public ::testing::Test {
protected:
    void SetUp() override {
        scrollView->setContentSize({320, 1000});
        window->addSubview(scrollView);
        window->makeKeyAndVisible();
        UIScrollViewPull::addHeaderWithTarget(scrollView, owner, &Owner::refresh);
        UIScrollViewPull::addFooterWithTarget(scrollView, owner, &Owner::loadMore);
        window->layoutIfNeeded();
    }
    // A finger pulls the content by `dy` points and rests before lifting.
    void pull(double dy) {
        const cg::Point start{160, dy > 0 ? 100.0 : 400.0};
        auto& finger = screen.finger();
        finger.down(window, start);
        for (int step = 1; step <= 10; ++step) {
            finger.moveTo({start.x, start.y + dy * step / 10});
            advance(0.02);
        }
        advance(0.2);
        lastStatus = UIScrollViewPull::header(scrollView)->statusLB()->text();
        lastFooterStatus = UIScrollViewPull::footer(scrollView)->statusLB()->text();
        finger.up();
        drainMainLoop();
    }
    PullDownViewPtr header() { return UIScrollViewPull::header(scrollView); }
    PullUpViewPtr footer() { return UIScrollViewPull::footer(scrollView); }

    ui::WindowPtr window = ui::Window::create(ui::Screen::mainScreen()->bounds());
    ui::ScrollViewPtr scrollView = ui::ScrollView::create(ui::Screen::mainScreen()->bounds());
    std::shared_ptr<Owner> owner = std::make_shared<Owner>();
    ScreenDriver screen;
    std::string lastStatus, lastFooterStatus;
};

TEST_F(PullOnAWindow, TheHeaderFillsItsRingAsThePullNearsTheThreshold) {
    EXPECT_EQ(header()->frame(), cg::RectMake(0, -64, 320, 64)) << "just above the content";
    scrollView->beginDragging();
    scrollView->dragBy({0, 32});
    EXPECT_EQ(header()->circleIndicatorView()->percent(), 50u);
    EXPECT_EQ(header()->statusLB()->text(), "下拉刷新");
    scrollView->dragBy({0, 70});
    EXPECT_EQ(header()->state(), PullRefreshState::Ready);
    scrollView->dragBy({0, 40});
    EXPECT_EQ(header()->state(), PullRefreshState::Pulling) << "pushed back before letting go";
    scrollView->endDragging({0, 0});
    advance(1);
    EXPECT_EQ(owner->refreshes, 0);
    EXPECT_EQ(scrollView->contentInset().top, 0);
}

TEST(PullDownHeader, MeasuresThePullFromTheRestingPositionBelowABar) {
    auto scrollView = ui::ScrollView::create(cg::RectMake(0, 0, 320, 480));
    scrollView->setContentSize({320, 1000});
    scrollView->setContentInset({64, 0, 0, 0});
    UIScrollViewPull::addHeaderWithTarget(scrollView, nullptr, nullptr);
    scrollView->setContentOffset({0, -64});
    scrollView->beginDragging();
    scrollView->dragBy({0, 32});
    EXPECT_EQ(UIScrollViewPull::header(scrollView)->circleIndicatorView()->percent(), 50u);
    scrollView->dragBy({0, 66});
    EXPECT_EQ(UIScrollViewPull::header(scrollView)->state(), PullRefreshState::Ready);
}

TEST_F(PullOnAWindow, ReleasingPastTheThresholdRefreshesOnceUntilTheOwnerIsDone) {
    pull(100);
    EXPECT_EQ(lastStatus, "松手更新");
    EXPECT_EQ(header()->state(), PullRefreshState::Refreshing);
    EXPECT_EQ(header()->statusLB()->text(), "更新中...");
    EXPECT_EQ(scrollView->contentInset().top, 64);
    EXPECT_EQ(scrollView->contentOffset().y, -64) << "the header stays in view";
    EXPECT_EQ(owner->refreshes, 0) << "called once the header has opened";
    advance(0.31);
    EXPECT_EQ(owner->refreshes, 1);
    advance(5);
    pull(100);
    EXPECT_EQ(owner->refreshes, 1) << "pulling while refreshing starts nothing";
    EXPECT_EQ(scrollView->contentInset().top, 64);

    UIScrollViewPull::headerEndRefreshing(scrollView);
    EXPECT_EQ(header()->statusLB()->text(), "更新完成");
    advance(0.31);
    EXPECT_EQ(header()->state(), PullRefreshState::Pulling);
    advance(0.31);
    EXPECT_EQ(scrollView->contentInset().top, 0);
    EXPECT_EQ(scrollView->contentOffset().y, 0);
    EXPECT_EQ(header()->statusLB()->text(), "下拉刷新");
    auto formatter = ns::DateFormatter::create();
    formatter->setDateFormat("HH:mm");
    EXPECT_EQ(header()->dateLB()->text(), "最后更新：今天 " + formatter->stringFromDate(ns::Date::now()));
    const ns::Value stored = ns::UserDefaults::standardUserDefaults()->objectForKey("timeKey");
    ASSERT_TRUE(stored.isDate());
    EXPECT_NEAR(stored.asDate().timeIntervalSinceNow(), 0, 0.5);
}

TEST_F(PullOnAWindow, TheLastUpdateReadsTodayThisYearOrAFullDate) {
    const ns::Date now = ns::Date::now();
    const auto calendar = ns::Calendar::currentCalendar();
    ns::DateComponents sameDayLastMonth = calendar.components(now);
    *sameDayLastMonth.month -= 1;
    ns::DateComponents lastYear = calendar.components(now);
    *lastYear.year -= 1;
    const struct {
        ns::Date stored;
        std::string format;
    } cases[] = {
        {now.addingTimeInterval(-60), "今天 HH:mm"},
        {*calendar.dateFromComponents(sameDayLastMonth), "MM-dd HH:mm"},
        {*calendar.dateFromComponents(lastYear), "yyyy-MM-dd HH:mm"},
    };
    for (const auto& c : cases) {
        ns::UserDefaults::standardUserDefaults()->setObject(ns::Value(c.stored), "timeKey");
        header()->updateTime();
        auto formatter = ns::DateFormatter::create();
        formatter->setDateFormat(c.format);
        EXPECT_EQ(header()->dateLB()->text(), "最后更新：" + formatter->stringFromDate(c.stored));
    }
}

TEST_F(PullOnAWindow, PullingTheFooterUpLoadsMore) {
    const double height = scrollView->bounds().size.height;
    EXPECT_EQ(footer()->frame(), cg::RectMake(0, 1000, 320, 64)) << "right after the content";
    scrollView->setContentOffset({0, 1000 - height});
    pull(-100);
    EXPECT_EQ(lastFooterStatus, "释放立即刷新");
    EXPECT_EQ(footer()->statusLB()->text(), "加载中...");
    EXPECT_EQ(scrollView->contentInset().bottom, 64);
    EXPECT_EQ(scrollView->contentOffset().y, 1000 + 64 - height) << "the footer stays in view";
    advance(0.31);
    EXPECT_EQ(owner->loads, 1);
    EXPECT_EQ(owner->refreshes, 0);

    UIScrollViewPull::footerEndLoading(scrollView);
    advance(0.7);
    EXPECT_EQ(scrollView->contentInset().bottom, 0);
    EXPECT_EQ(footer()->statusLB()->text(), "上拉加载更多");
    EXPECT_EQ(owner->loads, 1);
}

TEST_F(PullOnAWindow, AFooterUnderShortContentSitsAtTheBottomAndCoversTheGap) {
    const double height = scrollView->bounds().size.height;
    scrollView->setContentSize({320, 200});
    EXPECT_EQ(footer()->frame().origin.y, height);
    scrollView->alwaysBounceVertical = true;
    pull(-100);
    EXPECT_EQ(footer()->state(), PullRefreshState::Refreshing);
    EXPECT_EQ(scrollView->contentInset().bottom, 64 + (height - 200));
}

TEST(PullViews, NeitherKeepsTheOtherAliveNorOutlivesIt) {
    auto owner = std::make_shared<Owner>();
    auto scrollView = ui::ScrollView::create(cg::RectMake(0, 0, 320, 480));
    UIScrollViewPull::addHeaderWithTarget(scrollView, owner, &Owner::refresh);
    PullDownViewPtr header = UIScrollViewPull::header(scrollView);
    std::weak_ptr<ui::ScrollView> weakScrollView = scrollView;
    header->removeFromSuperview();
    scrollView.reset();
    EXPECT_TRUE(weakScrollView.expired()) << "the header does not own its scroll view";
    EXPECT_FALSE(header->scrollView());

    // A header gone while its refresh ends: its timer goes with it.
    scrollView = ui::ScrollView::create(cg::RectMake(0, 0, 320, 480));
    UIScrollViewPull::addHeaderWithTarget(scrollView, owner, &Owner::refresh);
    std::weak_ptr<PullDownView> weakHeader = UIScrollViewPull::header(scrollView);
    weakHeader.lock()->setState(PullRefreshState::Refreshing);
    weakHeader.lock()->endRefreshing();
    weakHeader.lock()->removeFromSuperview();
    EXPECT_TRUE(weakHeader.expired());
    EXPECT_FALSE(UIScrollViewPull::header(scrollView));
    advance(2);
    scrollView->setContentOffset({0, -100});
    EXPECT_EQ(scrollView->contentInset().top, 64) << "the gone header closed nothing";
    EXPECT_EQ(owner->refreshes, 0);
}

}  // namespace
}  // namespace keelbox::test
