// The breakdown panel: what each code shows, the repair road (recovering,
// success, failure and the fault's return) and the lost-connection panel's
// reconnect button.
#include <gtest/gtest.h>

#include "platform/ui/Image.h"
#include "screens/home/TAVORouterBreakdownView.h"
#include "tests/screens/home/HomeViewTestSupport.h"

namespace keelbox::test {
namespace {

class RecordingBreakdownDelegate : public TAVORouterBreakdownViewDelegate {
public:
    void breakdownView(TAVORouterBreakdownView& view, int action) override {
        actions.push_back(action);
        codes.push_back(view.errorCode());
    }
    std::vector<int> actions;
    std::vector<int> codes;
};

class BreakdownViewTest : public HomeViewTest {
protected:
    void SetUp() override {
        HomeViewTest::SetUp();
        panel = show(TAVORouterBreakdownView::create(cg::RectMake(0, 101, 320, 417)));
        delegate = std::make_shared<RecordingBreakdownDelegate>();
        panel->setDelegate(delegate);
    }
    void setCode(int code) {
        panel->setErrorCode(code);
        panel->layoutIfNeeded();
    }
    std::string detail() const { return panel->indicator()->detailLabel()->text(); }

    TAVORouterBreakdownViewPtr panel;
    std::shared_ptr<RecordingBreakdownDelegate> delegate;
};

TEST_F(BreakdownViewTest, EachCodeShowsItsPanelTextButtonAndIcon) {
    struct Case {
        int code;
        bool fault;
        std::string text;
        std::string button;  // "" none; for the lost-connection panel "reconnect"
        std::string icon;
    };
    const std::string unknown = L("unknown error");
    const Case cases[] = {
        {1, true, unknown, L("click to view"), "home_yichang_ic_03"},
        {5, true, unknown, L("click to view"), "home_yichang_ic_03"},
        {2, true, L("no line in"), "", "home_yichang_ic_01"},
        {3, true, L("net card error"), "", "home_yichang_ic_01"},
        {4, true, unknown + ":4", L("click to view"), "home_yichang_ic_03"},
        {6, true, L("IP error"), L("realloc the ip"), "home_yichang_ic_02"},
        {7, true, L("DNS error"), L("quick to recovery"), "home_yichang_ic_02"},
        {100, true, L("router lost connect"), "", "home_yichang_ic_03"},
        {646, true, L("no money"), L("click to view"), "home_yichang_ic_04"},
        {649, true, L("no money"), L("click to view"), "home_yichang_ic_04"},
        {691, true, L("no money"), L("click to view"), "home_yichang_ic_05"},
        {-7, true, unknown + ":-7", "", "home_yichang_ic_03"},
        {100004, false, L("router lost connect"), "reconnect", "public_ic_noconnect"},
        {100006, false, L("router lost connect"), "reconnect", "public_ic_noconnect"},
        {100002, false, L("router is not online"), "", "public_ic_noconnect"},
        {100000, false, L("server is exception"), "", "public_ic_noconnect"},
        {123456, false, unknown + ":123456", "", "public_ic_noconnect"},
    };
    for (const Case& c : cases) {
        setCode(c.code);
        SCOPED_TRACE(c.code);
        EXPECT_EQ(panel->indicator()->isHidden(), !c.fault);
        EXPECT_EQ(panel->lostView()->isHidden(), c.fault);
        if (c.fault) {
            EXPECT_EQ(detail(), c.text);
            EXPECT_EQ(panel->recoveryBtn()->isHidden(), c.button.empty());
            if (!c.button.empty()) {
                EXPECT_EQ(panel->recoveryBtn()->currentTitle(), c.button);
                EXPECT_EQ(panel->recoveryBtn()->frame(), cg::RectMake(60, 377, 200, 30));
            }
            ASSERT_TRUE(panel->indicator()->iconInCircle()->image());
            EXPECT_EQ(panel->indicator()->iconInCircle()->image()->name(), c.icon);
        } else {
            EXPECT_TRUE(panel->recoveryBtn()->isHidden());
            EXPECT_EQ(panel->lostView()->descriptLabel()->text(), c.text);
            EXPECT_EQ(panel->lostView()->reconnectBtn()->isHidden(), c.button.empty());
            EXPECT_EQ(panel->lostView()->lostView()->image()->name(), c.icon);
        }
    }
    // The fault indicator sits centred at the top; the lost panel 43 lower.
    EXPECT_EQ(panel->indicator()->frame(), cg::RectMake(71.5, 0, 177, 195));
    EXPECT_EQ(panel->lostView()->frame(), cg::RectMake(71.5, 43, 177, 195));
}

TEST_F(BreakdownViewTest, ARepairShowsItsProgressAndASuccessStaysUntilTheNextCode) {
    setCode(7);
    ASSERT_TRUE(tap(panel->recoveryBtn()));
    EXPECT_EQ(delegate->actions, std::vector<int>{0});
    EXPECT_TRUE(panel->isRecoverying());
    EXPECT_TRUE(panel->recoveryBtn()->isHidden());
    EXPECT_EQ(detail(), L("it is recoverying"));

    setCode(2);  // stored while repairing, not shown
    EXPECT_EQ(panel->errorCode(), 2);
    EXPECT_EQ(detail(), L("it is recoverying"));

    panel->recoveryResult(true);
    EXPECT_FALSE(panel->isRecoverying());
    EXPECT_EQ(detail(), L("ok to recovery"));
    advance(5);
    EXPECT_EQ(detail(), L("ok to recovery"));
    setCode(2);
    EXPECT_EQ(detail(), L("no line in"));
}

TEST_F(BreakdownViewTest, AFailedRepairShowsItsTextForASecondThenTheFaultAgain) {
    setCode(6);
    ASSERT_TRUE(tap(panel->recoveryBtn()));
    panel->recoveryResult(false);
    EXPECT_EQ(detail(), L("fail to recovery"));
    advance(0.9);
    EXPECT_EQ(detail(), L("fail to recovery"));
    advance(0.2);
    EXPECT_EQ(detail(), L("IP error"));
    EXPECT_FALSE(panel->recoveryBtn()->isHidden());
    EXPECT_EQ(panel->recoveryBtn()->currentTitle(), L("realloc the ip"));
}

TEST_F(BreakdownViewTest, AViewButtonReportsWithoutTheRepairLookAndAResultWithoutRepairChangesNothing) {
    setCode(1);
    ASSERT_TRUE(tap(panel->recoveryBtn()));
    EXPECT_EQ(delegate->actions, std::vector<int>{0});
    EXPECT_FALSE(panel->isRecoverying());
    EXPECT_FALSE(panel->recoveryBtn()->isHidden());
    panel->recoveryResult(false);
    advance(2);
    EXPECT_EQ(detail(), L("unknown error"));
}

TEST_F(BreakdownViewTest, TheReconnectButtonReportsOne) {
    setCode(100004);
    ASSERT_TRUE(tap(panel->lostView()->reconnectBtn()));
    EXPECT_EQ(delegate->actions, std::vector<int>{1});
    EXPECT_EQ(delegate->codes, std::vector<int>{100004});
}

TEST_F(BreakdownViewTest, WithoutADelegateTheRepairButtonDoesNothing) {
    panel->setDelegate(nullptr);
    setCode(7);
    ASSERT_TRUE(tap(panel->recoveryBtn()));
    EXPECT_FALSE(panel->isRecoverying());
    EXPECT_EQ(detail(), L("DNS error"));
}

}  // namespace
}  // namespace keelbox::test
