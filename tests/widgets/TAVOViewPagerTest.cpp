// The title strip: where buttons and separators go, that layout passes
// and new titles do not pile up views, and which choices reach the delegate.
#include <gtest/gtest.h>

#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "widgets/TAVOViewPager.h"

namespace keelbox::test {
namespace {

class RecordingPagerDelegate : public TAVOViewPagerDelegate {
public:
    void viewPagerDidSelectAtIndex(TAVOViewPager&, long index) override { chosen.push_back(index); }
    std::vector<long> chosen;
};

template <class Views>
std::vector<cg::Rect> framesOf(const Views& views) {
    std::vector<cg::Rect> frames;
    for (const auto& view : views) frames.push_back(view->frame());
    return frames;
}

class ViewPagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = ui::Window::create(ui::Screen::mainScreen()->bounds());
        window->setRootViewController(ui::ViewController::create());
        window->makeKeyAndVisible();
        pager = TAVOViewPager::create(cg::RectMake(0, 64, 320, 40));
        pager->setNormalBGImage(TAVOCommonUtility::createImageFromColor(ui::Color::whiteColor(), {1, 1}));
        pager->setHighBGImage(TAVOCommonUtility::createImageFromColor(ui::Color::white(0.9), {1, 1}));
        pager->setSplitImage(TAVOCommonUtility::createImageFromColor(ui::Color::white(0.8), {1, 20}));
        delegate = std::make_shared<RecordingPagerDelegate>();
        pager->setDelegate(delegate);
        window->rootViewController()->view()->addSubview(pager);
    }

    ui::WindowPtr window;
    TAVOViewPagerPtr pager;
    std::shared_ptr<RecordingPagerDelegate> delegate;
    ScreenDriver screen;
};

TEST_F(ViewPagerTest, ThreeTitlesShareTheWidthBetweenSeparatorsAndLayoutMakesNoNewViews) {
    pager->setTitlesArr({"Day", "Week", "Month"});
    pager->layoutIfNeeded();
    const std::size_t subviews = pager->subviews().size();
    EXPECT_EQ(subviews, 3u + 2u + 1u) << "buttons, separators, bottom line";
    EXPECT_EQ(framesOf(pager->buttons()), (std::vector<cg::Rect>{cg::RectMake(0, 0, 106, 40),
                                                                 cg::RectMake(107, 0, 106, 40),
                                                                 cg::RectMake(214, 0, 106, 40)}));
    EXPECT_EQ(framesOf(pager->separators()),
              (std::vector<cg::Rect>{cg::RectMake(106, 0, 1, 40), cg::RectMake(213, 0, 1, 40)}));
    EXPECT_EQ(pager->bottomLine()->frame(), cg::RectMake(0, 39, 320, 1));
    EXPECT_EQ(pager->bottomLine()->backgroundColor(), ui::Color::rgb255(224, 224, 224));
    EXPECT_EQ(pager->subviews().back(), pager->bottomLine()) << "over the buttons";
    EXPECT_EQ(pager->buttons()[1]->titleForState(ui::ControlStateNormal), "Week");
    EXPECT_EQ(pager->buttons()[1]->backgroundImageForState(ui::ControlStateSelected), pager->highBGImage());

    for (int pass = 0; pass < 3; ++pass) {
        pager->setNeedsLayout();
        pager->layoutIfNeeded();
    }
    pager->setFrame(cg::RectMake(0, 64, 375, 44));
    pager->layoutIfNeeded();
    EXPECT_EQ(pager->subviews().size(), subviews) << "layout passes make no new views";
    EXPECT_EQ(pager->bottomLine()->frame(), cg::RectMake(0, 43, 375, 1));
    EXPECT_EQ(pager->buttons()[2]->frame().origin.x + pager->buttons()[2]->frame().size.width, 375);
}

TEST_F(ViewPagerTest, NewTitlesReplaceTheButtonsInsteadOfAddingASecondSet) {
    pager->setTitlesArr({"Day", "Week", "Month"});
    pager->layoutIfNeeded();
    ASSERT_TRUE(screen.tap(pager->buttons()[2]));
    auto oldButtons = pager->buttons();

    pager->setTitlesArr({"2.4G", "5G"});
    pager->layoutIfNeeded();
    ASSERT_EQ(pager->buttons().size(), 2u);
    EXPECT_EQ(pager->separators().size(), 1u);
    EXPECT_EQ(pager->subviews().size(), 2u + 1u + 1u);
    for (const auto& old : oldButtons) EXPECT_FALSE(old->superview());
    EXPECT_EQ(framesOf(pager->buttons()),
              (std::vector<cg::Rect>{cg::RectMake(0, 0, 160, 40), cg::RectMake(160, 0, 160, 40)}));
    EXPECT_EQ(pager->selectedIndex(), -1) << "a new strip starts unselected";
    for (const auto& button : pager->buttons()) EXPECT_FALSE(button->isSelected());

    // Empty titles leave an empty strip.
    pager->setTitlesArr({});
    EXPECT_TRUE(pager->buttons().empty());
    EXPECT_EQ(pager->subviews().size(), 1u);
    pager->layoutIfNeeded();
}

TEST_F(ViewPagerTest, OnlyANewChoiceReachesTheDelegate) {
    pager->setTitlesArr({"Day", "Week", "Month"});
    pager->layoutIfNeeded();
    ASSERT_TRUE(screen.tap(pager->buttons()[1]));
    ASSERT_TRUE(screen.tap(pager->buttons()[1]));  // already chosen: nothing
    EXPECT_EQ(delegate->chosen, (std::vector<long>{1}));
    EXPECT_TRUE(pager->buttons()[1]->isSelected());

    pager->setSelectedIndex(2);
    EXPECT_EQ(delegate->chosen, (std::vector<long>{1, 2}));
    EXPECT_FALSE(pager->buttons()[1]->isSelected());
    EXPECT_TRUE(pager->buttons()[2]->isSelected());

    // Out of range: stored, nothing selected anew, so any later tap counts.
    pager->setSelectedIndex(5);
    EXPECT_EQ(pager->selectedIndex(), 5);
    EXPECT_EQ(delegate->chosen, (std::vector<long>{1, 2}));
    ASSERT_TRUE(screen.tap(pager->buttons()[2]));
    EXPECT_EQ(delegate->chosen, (std::vector<long>{1, 2, 2}));
    EXPECT_EQ(pager->selectedIndex(), 2);
}

}  // namespace
}  // namespace keelbox::test
