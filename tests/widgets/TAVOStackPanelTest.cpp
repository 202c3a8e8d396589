// The stack panel: the stack's arithmetic, the two request queues on the
// 0.3 s timings, and requests that meet each other.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "widgets/UIViewPCStackPanel.h"

namespace keelbox::test {
namespace {

class StackPanelTest : public ::testing::Test {
public:
    void SetUp() override {
        window = ui::Window::create(cg::RectMake(0, 0, 320, 568));
        window->makeKeyAndVisible();
        panel = TAVOStackPanel::create(cg::RectMake(0, 0, 320, 400));
        window->addSubview(panel);
    }
    static ui::ViewPtr box(double height, double x = 10) { return ui::View::create(cg::RectMake(x, 999, 300, height)); }
    void stack(std::initializer_list<double> heights) {
        for (double h : heights) {
            views.push_back(box(h));
            panel->addView(views.back());
        }
    }
    std::vector<double> ys() const {
        std::vector<double> out;
        for (const auto& v : panel->viewsCollection()) out.push_back(v->frame().origin.y);
        return out;
    }
    // Every view right under the one before, and the panel sized to the stack.
    void expectNoGaps() const {
        double y = 0;
        for (const auto& v : panel->viewsCollection()) {
            EXPECT_DOUBLE_EQ(v->frame().origin.y, y);
            y += v->frame().size.height;
        }
        EXPECT_DOUBLE_EQ(panel->yPosition(), y);
        EXPECT_DOUBLE_EQ(panel->contentSize().height, y);
    }
    ui::WindowPtr window;
    std::shared_ptr<TAVOStackPanel> panel;
    std::vector<ui::ViewPtr> views;
};

TEST_F(StackPanelTest, AddingInsertingAndRemovingAtOnceKeepTheStackTight) {
    stack({40, 50, 60});
    EXPECT_EQ(ys(), (std::vector<double>{0, 40, 90}));
    EXPECT_DOUBLE_EQ(panel->contentSize().height, 150);
    EXPECT_DOUBLE_EQ(views[0]->frame().origin.x, 10);

    auto inserted = box(30, 20);
    insertToStackPanel(inserted, panel, 1, false);
    EXPECT_EQ(ys(), (std::vector<double>{0, 40, 70, 120}));
    EXPECT_DOUBLE_EQ(panel->contentSize().height, 180);
    EXPECT_DOUBLE_EQ(inserted->frame().origin.x, 20);
    EXPECT_FALSE(panel->isInserting());

    removeFromStackPanel(inserted, false);
    removeFromStackPanel(views[1], false);
    EXPECT_EQ(ys(), (std::vector<double>{0, 40}));
    EXPECT_DOUBLE_EQ(panel->contentSize().height, 100);
    EXPECT_EQ(views[1]->superview(), nullptr);

    // Past the end appends; a view already in the stack moves, never doubles.
    auto last = box(25);
    panel->insertView(last, 99, false);
    EXPECT_EQ(panel->viewsCollection().back(), last);
    panel->insertView(last, 0, false);
    EXPECT_EQ(panel->viewsCollection().size(), 3u);
    EXPECT_EQ(panel->viewsCollection().front(), last);
    expectNoGaps();
}

TEST_F(StackPanelTest, AnimatedInsertsQueueUpAndRunOneFadeAtATime) {
    stack({40, 50});
    auto first = box(30);
    auto second = box(20);
    panel->insertView(first, 1, true);
    panel->insertView(second, 0, true);
    EXPECT_TRUE(panel->isInserting());
    EXPECT_EQ(panel->insertQueue().size(), 2u);
    EXPECT_FALSE(first->layer()->animationKeys().empty());  // fading in
    EXPECT_EQ(second->superview(), nullptr);  // waits for the first fade

    advance(0.29);
    EXPECT_EQ(second->superview(), nullptr);
    advance(0.02);
    EXPECT_DOUBLE_EQ(first->alpha(), 1);
    EXPECT_EQ(second->superview(), panel);
    EXPECT_EQ(panel->insertQueue().size(), 1u);
    advance(0.3);
    EXPECT_FALSE(panel->isInserting());
    EXPECT_TRUE(panel->insertQueue().empty());
    EXPECT_EQ(panel->viewsCollection(), (std::vector<ui::ViewPtr>{second, views[0], first, views[1]}));
    expectNoGaps();
}

TEST_F(StackPanelTest, RemovalsPassOverViewsNotInThePanelAndKeepTheirOrder) {
    stack({40, 50, 60});
    auto stranger = box(10);
    panel->removeView(views[0], true);
    panel->removeView(stranger, true);
    panel->removeView(views[2], true);
    EXPECT_EQ(panel->removeQueue().size(), 3u);
    EXPECT_EQ(ys(), (std::vector<double>{0, 0, 50}));  // the others move up at once
    advance(0.31);
    EXPECT_EQ(views[0]->superview(), nullptr);
    EXPECT_DOUBLE_EQ(views[0]->alpha(), 1);
    // The stranger's turn passed at once; the last removal is fading.
    EXPECT_EQ(panel->removeQueue().size(), 1u);
    advance(0.3);
    EXPECT_FALSE(panel->isRemoving());
    EXPECT_EQ(panel->viewsCollection(), (std::vector<ui::ViewPtr>{views[1]}));
    expectNoGaps();
}

TEST_F(StackPanelTest, AnInsertDuringAnAnimatedRemovalLeavesNoGap) {
    stack({40, 50, 60});
    panel->removeView(views[1], true);
    advance(0.1);
    auto added = box(30);
    panel->insertView(added, 0, false);
    advance(0.25);
    EXPECT_FALSE(panel->isRemoving());
    EXPECT_EQ(panel->viewsCollection(), (std::vector<ui::ViewPtr>{added, views[0], views[2]}));
    advance(0.3);  // the relayout's own moves
    expectNoGaps();
    EXPECT_DOUBLE_EQ(views[2]->frame().origin.y, 70);
}

TEST_F(StackPanelTest, SizeModeOneResizesThePanelAndStrangersAreLeftAlone) {
    panel->setSizeChangeMode(TAVOStackPanel::kResizeFrameMode);
    stack({40, 50});
    EXPECT_DOUBLE_EQ(panel->frame().size.height, 90);
    panel->removeView(views[0], false);
    EXPECT_DOUBLE_EQ(panel->frame().size.height, 50);

    auto elsewhere = ui::View::create(cg::RectMake(0, 0, 100, 100));
    auto child = box(20);
    elsewhere->addSubview(child);
    removeFromStackPanel(child, false);
    EXPECT_EQ(child->superview(), elsewhere);
    EXPECT_FALSE(panel->isRemoving());

    panel->setBackgroundImage(ui::Image::imageNamed("bg_indicator"));
    EXPECT_EQ(panel->subviews().front()->frame(), panel->bounds());
    EXPECT_EQ(panel->stackPanelFrameOnlyHeight(12), cg::RectMake(0, 0, 320, 12));
}

}  // namespace
}  // namespace keelbox::test
