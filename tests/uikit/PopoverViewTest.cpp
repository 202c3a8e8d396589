// The popover view on a window, driven as a finger would: it opens above
// its tip where there is room and below it near the top edge, keeps clear
// of the screen edges, reports the tapped item and stays, closes on a tap
// outside and tells its delegate, and shows its busy, success and error
// states in place of the items.
#include <gtest/gtest.h>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "tests/support/screen/ViewReader.h"
#include "uikit/PopoverView.h"

namespace keelbox::test {
namespace {

class RecordingDelegate : public PopoverViewDelegate {
public:
    void popoverViewDidSelectItemAtIndex(PopoverView&, std::size_t index) override { selected.push_back(index); }
    void popoverViewDidDismiss(PopoverView&) override { ++dismissed; }
    std::vector<std::size_t> selected;
    int dismissed = 0;
};

class PopoverOnAWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
        window->makeKeyAndVisible();
        root = ui::View::create(window->bounds());
        root->setBackgroundColor(ui::Color::whiteColor());
        window->addSubview(root);
    }

    std::shared_ptr<PopoverView> showList(const cg::Point& tip) {
        auto popover = PopoverView::showPopoverAtPoint(tip, root, PopoverView::StringArray{"One", "Two", "Three"},
                                                       delegate);
        advance(0.5);  // popped out
        return popover;
    }

    ui::WindowPtr window;
    ui::ViewPtr root;
    std::shared_ptr<RecordingDelegate> delegate = std::make_shared<RecordingDelegate>();
    ScreenDriver screen;
};

TEST_F(PopoverOnAWindow, OpensBelowTheTipNearTheTopAndAboveItElsewhere) {
    struct Case {
        const char* name;
        cg::Point tip;
        bool above;
        cg::Point arrow;
    };
    const Case cases[] = {
        {"near the top", {160, 30}, false, {160, 30}},
        {"low on the screen", {160, 400}, true, {160, 400}},
        {"close to the left edge", {10, 400}, true, {22, 400}},
    };
    for (const auto& c : cases) {
        auto popover = showList(c.tip);
        EXPECT_EQ(popover->superview(), root) << c.name;
        EXPECT_EQ(popover->above(), c.above) << c.name;
        EXPECT_EQ(popover->arrowPoint(), c.arrow) << c.name;
        const cg::Rect box = popover->boxFrame();
        if (c.above)
            EXPECT_EQ(cg::RectGetMaxY(box), c.tip.y - PopoverView::kArrowHeight) << c.name;
        else
            EXPECT_EQ(box.origin.y, c.tip.y + PopoverView::kArrowHeight) << c.name;
        EXPECT_GE(box.origin.x, PopoverView::kScreenMargin) << c.name;
        EXPECT_LE(cg::RectGetMaxX(box), 320 - PopoverView::kScreenMargin) << c.name;
        popover->removeFromSuperview();
    }
}

TEST_F(PopoverOnAWindow, ListsItsStringsAndReportsTheTappedOneWithoutClosing) {
    auto popover = showList({160, 300});
    const auto& items = popover->subviewsArray();
    ASSERT_EQ(items.size(), 3u);
    for (const auto& item : items) EXPECT_EQ(item->frame().size.width, items[0]->frame().size.width);
    EXPECT_EQ(items[1]->frame().origin.y, cg::RectGetMaxY(items[0]->frame()) + 5);
    EXPECT_EQ(popover->dividerRects().size(), 2u);

    ASSERT_TRUE(screen.tap(screen.viewWithText("Three")));
    EXPECT_EQ(delegate->selected, std::vector<std::size_t>{2});
    auto chosen = std::dynamic_pointer_cast<ui::Label>(items[2]);
    EXPECT_EQ(chosen->textColor(), ui::Color::whiteColor());
    EXPECT_EQ(chosen->backgroundColor(), ui::Color::rgba(0.329, 0.341, 0.353, 1));
    advance(1);
    EXPECT_EQ(popover->superview(), root) << "a choice does not close the popover";
    EXPECT_EQ(delegate->dismissed, 0);
}

TEST_F(PopoverOnAWindow, ATapOutsideClosesItAndTellsTheDelegateOnceItIsGone) {
    auto popover = showList({160, 300});
    ASSERT_TRUE(screen.tapAt({160, 500}));
    EXPECT_EQ(delegate->dismissed, 0) << "still closing";
    advance(0.3);
    EXPECT_EQ(popover->superview(), nullptr);
    EXPECT_EQ(delegate->dismissed, 1);
    EXPECT_TRUE(delegate->selected.empty());
}

TEST_F(PopoverOnAWindow, BusySuccessAndErrorReplaceTheItems) {
    auto popover = PopoverView::showPopoverAtPoint({160, 400}, root, "Channel",
                                                   PopoverView::StringArray{"Auto", "Channel 1", "Channel 6"}, delegate);
    advance(0.5);
    auto title = std::dynamic_pointer_cast<ui::Label>(popover->titleView());
    ASSERT_TRUE(title);
    const cg::Rect content = popover->contentView()->bounds();
    auto itemsHidden = [&] {
        for (const auto& item : popover->subviewsArray())
            if (item->alpha() != 0) return false;
        return !popover->showDividerRects();
    };

    popover->showActivityIndicatorWithMessage("Switching");
    advance(0.3);
    EXPECT_EQ(title->text(), "Switching");
    // The title takes the width its new text needs, centred, within the box.
    const double titleWidth = std::min(content.size.width, title->sizeThatFits({0, 0}).width);
    EXPECT_EQ(title->frame().size.width, titleWidth);
    EXPECT_EQ(title->frame().origin.x, (content.size.width - titleWidth) / 2);
    EXPECT_TRUE(itemsHidden());
    auto spinner = popover->activityIndicator();
    ASSERT_TRUE(spinner);
    EXPECT_TRUE(spinner->isAnimating());
    EXPECT_EQ(spinner->superview(), popover->contentView());
    EXPECT_EQ(spinner->frame(), cg::RectMake(cg::RectGetMidX(content) - 10, cg::RectGetMidY(content) + 10, 20, 20));

    popover->hideActivityIndicatorWithMessage("Switched");
    advance(0.2);
    EXPECT_EQ(title->text(), "Switched");
    EXPECT_EQ(spinner->superview(), nullptr);

    for (const char* mark : {"success", "error"}) {
        if (std::string(mark) == "success")
            popover->showSuccess();
        else
            popover->showError();
        advance(0.3);
        auto shown = ViewFinder(popover->contentView()).withImage(mark);
        ASSERT_EQ(shown.size(), 1u) << mark;
        EXPECT_EQ(shown[0]->frame(), cg::RectMake(cg::RectGetMidX(content) - 20, cg::RectGetMidY(content), 40, 40));
        EXPECT_EQ(shown[0]->alpha(), 1) << mark;
        EXPECT_EQ(title->text(), "Switched") << "marks leave the title alone";
        shown[0]->removeFromSuperview();
    }
    EXPECT_TRUE(itemsHidden());
}

}  // namespace
}  // namespace keelbox::test
