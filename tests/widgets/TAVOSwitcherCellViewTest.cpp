// The switch row: where its parts sit, and that only a person's change of
// the switch reaches the delegate.
#include <gtest/gtest.h>

#include "platform/ui/Screen.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "widgets/TAVOSwitcherCellView.h"

namespace keelbox::test {
namespace {

class RecordingDelegate : public TAVOSwitcherCellViewDelegate {
public:
    void onSwithChanged(ToggleSwitch& control, TAVOSwitcherCellView& row) override {
        calls.push_back({&control, &row, control.isOn()});
    }
    struct Call {
        ToggleSwitch* control;
        TAVOSwitcherCellView* row;
        bool on;
    };
    std::vector<Call> calls;
};

// A delegate that leaves the optional operation alone.
class SilentDelegate : public TAVOSwitcherCellViewDelegate {};

class SwitcherCellViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = ui::Window::create(ui::Screen::mainScreen()->bounds());
        window->setRootViewController(ui::ViewController::create());
        window->makeKeyAndVisible();
        row = TAVOSwitcherCellView::create(cg::RectMake(0, 100, 320, 44));
        row->settingTitle()->setText("Automatic upgrade");
        window->rootViewController()->view()->addSubview(row);
        row->layoutIfNeeded();
    }

    ui::WindowPtr window;
    TAVOSwitcherCellViewPtr row;
    ScreenDriver screen;
};

TEST_F(SwitcherCellViewTest, TheSwitchSitsAtTheRightAndTheTitleTakesTheRest) {
    EXPECT_EQ(row->switchControl()->frame(), cg::RectMake(255, 7, 50, 30));
    EXPECT_EQ(row->settingTitle()->frame(), cg::RectMake(18, 0, 240, 44));
    EXPECT_EQ(row->topLine()->frame(), cg::RectMake(0, 0, 320, 1));
    EXPECT_EQ(row->bottomLine()->frame(), cg::RectMake(0, 43, 320, 1));
    ASSERT_TRUE(row->topLine()->image());
    EXPECT_EQ(row->topLine()->image()->leftCapWidth(), 2);
    EXPECT_EQ(row->topLine()->image()->topCapHeight(), 0);

    row->setFrame(cg::RectMake(0, 100, 375, 60));
    row->layoutIfNeeded();
    EXPECT_EQ(row->switchControl()->frame(), cg::RectMake(310, 15, 50, 30));
    EXPECT_EQ(row->settingTitle()->frame(), cg::RectMake(18, 0, 295, 60));
    EXPECT_EQ(row->topLine()->frame(), cg::RectMake(0, 0, 375, 1));
    EXPECT_EQ(row->bottomLine()->frame(), cg::RectMake(0, 59, 375, 1));
}

TEST_F(SwitcherCellViewTest, OnlyAPersonsChangeReachesTheDelegateOnce) {
    auto delegate = std::make_shared<RecordingDelegate>();
    row->setDelegate(delegate);
    row->switchControl()->setOn(true);
    row->switchControl()->setOn(false, true);
    advance(1.0);
    EXPECT_TRUE(delegate->calls.empty()) << "changes made by code say nothing";

    ASSERT_TRUE(screen.tap(row->switchControl()));
    advance(1.0);
    ASSERT_EQ(delegate->calls.size(), 1u);
    EXPECT_EQ(delegate->calls[0].control, row->switchControl().get());
    EXPECT_EQ(delegate->calls[0].row, row.get());
    EXPECT_TRUE(delegate->calls[0].on);
}

TEST_F(SwitcherCellViewTest, ADelegateWithoutTheOperationOrNoDelegateAtAllIsFine) {
    auto silent = std::make_shared<SilentDelegate>();
    row->setDelegate(silent);
    ASSERT_TRUE(screen.tap(row->switchControl()));
    EXPECT_TRUE(row->switchControl()->isOn());
    silent.reset();  // gone: the row holds it weakly
    ASSERT_TRUE(screen.tap(row->switchControl()));
    EXPECT_FALSE(row->switchControl()->isOn());
}

}  // namespace
}  // namespace keelbox::test
