// The router scan page on its own: the eighteen sweeps of 0.75 s, item by
// item with the carousel, one finish message, pausing that holds the next
// sweep, and the library date panel.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "platform/foundation/Format.h"
#include "screens/safety/TAVOCheckRouterViewController.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {
namespace {

struct Heard : TAVOCheckRouterViewControllerDelegate {
    void checkRouterViewControllerDidFinishChecking(TAVOCheckRouterViewController&) override { ++finished; }
    void userDidClickUpdateButton() override { ++updates; }
    int finished = 0, updates = 0;
};

class RouterScan : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.launch());
        scan = TAVOCheckRouterViewController::create();
        scan->setDelegate(heard);
        app.push(scan);
    }
    AppFixture app;
    std::shared_ptr<TAVOCheckRouterViewController> scan;
    std::shared_ptr<Heard> heard = std::make_shared<Heard>();
};

TEST_F(RouterScan, EveryItemIsSweptOnceInOrderThenTheCheckFinishes) {
    EXPECT_EQ(scan->securityItemsCount(), 18);
    scan->setDataReady(true);
    EXPECT_EQ(scan->scanningView()->alpha(), 1);
    EXPECT_EQ(scan->waitingView()->alpha(), 0);
    EXPECT_EQ(scan->securityItemBeingScanned(), 0) << "the first sweep shows item 0";
    EXPECT_EQ(scan->parseSublabel()->text(), TAVOLocalizedString("notify new connected devices"));
    for (long item = 1; item < 18; ++item) {
        app.screen().wait(0.75);
        EXPECT_EQ(scan->securityItemBeingScanned(), item);
    }
    EXPECT_EQ(scan->parseLabel()->text(), TAVOLocalizedString("Scanning local domain network protections ..."));
    EXPECT_EQ(heard->finished, 0);
    app.screen().wait(0.75);
    EXPECT_EQ(heard->finished, 1);
    EXPECT_EQ(scan->securityItemsHasBeenScanned(), 18);
    app.screen().wait(3.0);
    EXPECT_EQ(heard->finished, 1) << "the sweeps stop";
}

TEST_F(RouterScan, APausedScanHoldsItsNextSweepUntilResumed) {
    scan->setDataReady(true);
    app.screen().wait(0.75 * 3 + 0.1);
    EXPECT_EQ(scan->securityItemBeingScanned(), 3);
    scan->setPaused(true);
    app.screen().wait(5.0);
    EXPECT_EQ(scan->securityItemBeingScanned(), 3) << "the running sweep ends, no next one";
    scan->setPaused(false);
    EXPECT_EQ(scan->securityItemBeingScanned(), 4) << "continues with the next item";
}

TEST_F(RouterScan, TheCarouselWrapsAroundTheLastItem) {
    using Place = TAVOCheckRouterViewController;
    EXPECT_EQ(Place::placeOf(0, 0, 18).frame.size.width, 68);
    EXPECT_EQ(Place::placeOf(17, 0, 18).alpha, 0.5) << "the last item is the left neighbour of the first";
    EXPECT_EQ(cg::RectGetMidX(Place::placeOf(17, 0, 18).frame), 17);
    EXPECT_EQ(cg::RectGetMidX(Place::placeOf(16, 0, 18).frame), -55);
    EXPECT_EQ(Place::placeOf(16, 0, 18).alpha, 0);
    EXPECT_EQ(cg::RectGetMidX(Place::placeOf(1, 0, 18).frame), 161);
    EXPECT_EQ(cg::RectGetMidX(Place::placeOf(5, 0, 18).frame), 233);
}

TEST_F(RouterScan, TheLibraryDatePanelAndTheUpdateButton) {
    auto panel = scan->virusLibraryDateLabel()->superview();
    EXPECT_TRUE(panel->isHidden()) << "no update date stored";
    scan->setVirusLibraryUpdateTime("2026-12-01");
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(scan->virusLibraryDateLabel()->text(), ns::format(TAVOLocalizedString("Virus library date: %@"), "2026-12-01"));
    scan->setVirusLibraryUpdateTime("");
    EXPECT_TRUE(panel->isHidden());
    ASSERT_TRUE(app.screen().tap(scan->virusLibraryUpdateButton()));
    EXPECT_EQ(heard->updates, 1);
}

}  // namespace
}  // namespace keelbox::test
