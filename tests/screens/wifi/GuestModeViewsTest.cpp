// The guest screen's views: the count-down fills in 0.1 s ticks and tells
// its delegate once, at the 600th tick of a 60 s window; the visitor field
// gives each newcomer a free place of six (a seventh waits out of sight
// until one frees up) and, dismissed, lets its visitors go one by one.
#include <gtest/gtest.h>

#include <set>

#include "platform/ui/Window.h"
#include "screens/wifi/TAVOVisitModeProgress.h"
#include "screens/wifi/TAVOVisitorNetView.h"
#include "tests/support/Harness.h"

namespace keelbox::test {
namespace {

struct Timeouts : TAVOVisitModeProgressDelegate {
    int count = 0;
    void timeout(TAVOVisitModeProgress&) override { ++count; }
};

TEST(VisitModeProgress, TicksSixHundredTimesOverAMinuteThenTellsOnce) {
    auto timeouts = std::make_shared<Timeouts>();
    auto progress = TAVOVisitModeProgress::create(cg::RectMake(0, 0, 111, 111));
    progress->setDelegate(timeouts);
    progress->startCounter(60);
    advance(30.0);
    EXPECT_NEAR(progress->progressView()->progress(), 0.5, 0.01);
    EXPECT_EQ(timeouts->count, 0);
    progress->stopCounter();
    advance(10.0);
    EXPECT_EQ(progress->currentTimeoutCount(), 300) << "stopped, the ring stays";
    progress->startCounter(60);
    advance(29.95);
    EXPECT_EQ(timeouts->count, 0);
    advance(0.1);
    EXPECT_EQ(progress->currentTimeoutCount(), 600);
    EXPECT_EQ(progress->progressView()->progress(), 1.0f);
    EXPECT_EQ(timeouts->count, 1);
    advance(5.0);
    EXPECT_EQ(timeouts->count, 1);
    EXPECT_FALSE(progress->isCounting());
}

std::vector<std::shared_ptr<TAVORouterJoiningGuestDevice>> guests(int from, int to) {
    std::vector<std::shared_ptr<TAVORouterJoiningGuestDevice>> list;
    for (int i = from; i < to; ++i) {
        auto g = TAVORouterJoiningGuestDevice::create();
        g->end_mac = "06:00:00:00:00:0" + std::to_string(i);
        g->end_name = "visitor " + std::to_string(i);
        list.push_back(g);
    }
    return list;
}

TEST(VisitorNetView, EachNewcomerTakesAFreePlaceAndASeventhWaitsOutOfSight) {
    auto field = TAVOVisitorNetView::create(cg::RectMake(10, 84, 300, 548));
    for (int round = 0; round < 20; ++round) {  // the places are random
        field->setGuesterList({});
        field->setGuesterList(guests(0, 7));
        ASSERT_EQ(field->indicators().size(), 7u);
        std::set<int> places;
        for (std::size_t i = 0; i < 6; ++i) {
            const auto& indicator = field->indicators()[i];
            ASSERT_GE(indicator->posIndex, 0);
            places.insert(indicator->posIndex);
            const cg::Point base = field->basePoint(indicator->posIndex);
            const cg::Rect f = indicator->frame();
            EXPECT_GE(f.origin.x, base.x);
            EXPECT_LT(f.origin.x, base.x + 75 + 56.25);
            EXPECT_LE(std::abs(f.origin.y - base.y), f.size.height * 0.5);
        }
        EXPECT_EQ(places.size(), 6u);
        EXPECT_TRUE(field->unusedPostion().empty());
        const auto seventh = field->indicators()[6];
        EXPECT_EQ(seventh->frame().origin.x, TAVOVisitorNetView::kOutOfSight);

        // The first visitor leaves: its place goes to the seventh.
        const int freed = field->indicators()[0]->posIndex;
        field->setGuesterList(guests(1, 7));
        EXPECT_EQ(field->indicators().size(), 6u);
        EXPECT_EQ(seventh->posIndex, freed);
        EXPECT_NE(seventh->frame().origin.x, TAVOVisitorNetView::kOutOfSight);
    }
}

TEST(VisitorNetView, DismissedItLetsItsVisitorsGoOneByOneThenLeaves) {
    auto window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
    auto field = TAVOVisitorNetView::create(cg::RectMake(10, 84, 300, 548));
    window->addSubview(field);
    field->setGuesterList(guests(0, 2));
    field->dismiss(true);
    EXPECT_EQ(field->indicators().size(), 1u);
    EXPECT_TRUE(field->superview());
    advance(0.25);
    EXPECT_TRUE(field->indicators().empty());
    EXPECT_TRUE(field->superview());
    advance(0.25);
    EXPECT_FALSE(field->superview());
}

}  // namespace
}  // namespace keelbox::test
