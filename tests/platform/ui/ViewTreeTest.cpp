#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/Window.h"

using namespace ui;

namespace {

class RecordingView : public View {
public:
    using View::View;
    std::vector<std::string>* log = nullptr;
    std::string name;
    void willMoveToSuperview(const ViewPtr& s) override { note(std::string("willMoveToSuperview:") + (s ? "view" : "nil")); }
    void didMoveToSuperview() override { note("didMoveToSuperview"); }
    void willMoveToWindow(const std::shared_ptr<Window>& w) override { note(std::string("willMoveToWindow:") + (w ? "window" : "nil")); }
    void didMoveToWindow() override { note("didMoveToWindow"); }
    void didAddSubview(const ViewPtr&) override { note("didAddSubview"); }
    void willRemoveSubview(const ViewPtr&) override { note("willRemoveSubview"); }
    void layoutSubviews() override { note("layoutSubviews"); }

private:
    void note(const std::string& s) {
        if (log) log->push_back(name + "." + s);
    }
};

std::shared_ptr<RecordingView> recording(const std::string& name, std::vector<std::string>& log) {
    auto v = View::make<RecordingView>(cg::RectMake(0, 0, 100, 100));
    v->name = name;
    v->log = &log;
    return v;
}

std::vector<View*> order(const ViewPtr& v) {
    std::vector<View*> out;
    for (auto& s : v->subviews()) out.push_back(s.get());
    return out;
}

}  // namespace

TEST(ViewTree, AddInsertAndReorderKeepSubviewsAndLayersInStep) {
    auto root = View::create(cg::RectMake(0, 0, 320, 480));
    auto a = View::create(), b = View::create(), c = View::create(), d = View::create();
    root->addSubview(a);
    root->addSubview(c);
    root->insertSubviewAtIndex(b, 1);
    root->insertSubviewBelow(d, a);
    EXPECT_EQ(order(root), (std::vector<View*>{d.get(), a.get(), b.get(), c.get()}));
    root->bringSubviewToFront(d);
    root->sendSubviewToBack(c);
    EXPECT_EQ(order(root), (std::vector<View*>{c.get(), a.get(), b.get(), d.get()}));
    root->insertSubviewAbove(c, b);
    EXPECT_EQ(order(root), (std::vector<View*>{a.get(), b.get(), c.get(), d.get()}));
    root->exchangeSubviewAtIndex(0, 3);
    EXPECT_EQ(order(root), (std::vector<View*>{d.get(), b.get(), c.get(), a.get()}));
    // A program layer stays where it was among the views' layers.
    auto extra = ca::Layer::create();
    root->layer()->insertSublayer(extra, 0);
    root->bringSubviewToFront(d);
    ASSERT_EQ(root->layer()->sublayers().size(), 5u);
    EXPECT_EQ(root->layer()->sublayers()[0], extra);
    std::vector<ca::Layer*> layers;
    for (auto& l : root->layer()->sublayers()) layers.push_back(l.get());
    EXPECT_EQ(layers, (std::vector<ca::Layer*>{extra.get(), b->layer().get(), c->layer().get(), a->layer().get(),
                                                d->layer().get()}));
    // Adding to another parent moves the view; adding an ancestor is refused.
    auto other = View::create();
    other->addSubview(b);
    EXPECT_EQ(b->superview(), other);
    EXPECT_EQ(root->subviews().size(), 3u);
    b->addSubview(other);
    EXPECT_EQ(other->superview(), nullptr);
}

TEST(ViewTree, MoveHooksRunInThePlatformOrder) {
    std::vector<std::string> log;
    auto window = Window::create(cg::RectMake(0, 0, 320, 480));
    auto parent = recording("parent", log);
    auto child = recording("child", log);
    window->addSubview(parent);
    log.clear();
    parent->addSubview(child);
    EXPECT_EQ(log, (std::vector<std::string>{"child.willMoveToWindow:window", "child.willMoveToSuperview:view",
                                             "child.didMoveToSuperview", "parent.didAddSubview",
                                             "child.didMoveToWindow"}));
    log.clear();
    child->removeFromSuperview();
    EXPECT_EQ(log, (std::vector<std::string>{"child.willMoveToWindow:nil", "child.willMoveToSuperview:nil",
                                             "parent.willRemoveSubview", "child.didMoveToSuperview",
                                             "child.didMoveToWindow"}));
    EXPECT_EQ(child->window(), nullptr);
}

TEST(ViewTree, ViewWithTagSearchesDepthFirstSelfFirst) {
    auto root = View::create();
    auto a = View::create(), a1 = View::create(), b = View::create();
    root->addSubview(a);
    a->addSubview(a1);
    root->addSubview(b);
    a1->setTag(7);
    b->setTag(7);
    EXPECT_EQ(root->viewWithTag(7), a1);
    root->setTag(7);
    EXPECT_EQ(root->viewWithTag(7), root);
    EXPECT_EQ(root->viewWithTag(99), nullptr);
}

TEST(ViewTree, FrameBoundsCenterAndTransform) {
    auto v = View::create(cg::RectMake(10, 20, 100, 50));
    EXPECT_EQ(v->center(), cg::PointMake(60, 45));
    EXPECT_EQ(v->bounds(), cg::RectMake(0, 0, 100, 50));
    v->setBounds(cg::RectMake(5, 5, 200, 50));
    EXPECT_EQ(v->frame(), cg::RectMake(-40, 20, 200, 50));  // centre kept
    v->setTransform(cg::AffineTransformMakeScale(0.5, 2));
    EXPECT_EQ(v->frame(), cg::RectMake(10, -5, 100, 100));
    EXPECT_EQ(v->bounds().size, cg::SizeMake(200, 50));
}

struct AutoresizeCase {
    unsigned mask;
    cg::Rect expected;  // child frame after the parent grows from 100x100 to 200x150
};

class Autoresizing : public ::testing::TestWithParam<AutoresizeCase> {};

TEST_P(Autoresizing, SharesTheChangeAmongFlexibleParts) {
    auto parent = View::create(cg::RectMake(0, 0, 100, 100));
    auto child = View::create(cg::RectMake(10, 20, 60, 40));  // right margin 30, bottom 40
    child->setAutoresizingMask(GetParam().mask);
    parent->addSubview(child);
    parent->setFrame(cg::RectMake(0, 0, 200, 150));
    cg::Rect f = child->frame(), e = GetParam().expected;
    EXPECT_NEAR(f.origin.x, e.origin.x, 1e-9) << cg::StringFromRect(f);
    EXPECT_NEAR(f.origin.y, e.origin.y, 1e-9) << cg::StringFromRect(f);
    EXPECT_NEAR(f.size.width, e.size.width, 1e-9) << cg::StringFromRect(f);
    EXPECT_NEAR(f.size.height, e.size.height, 1e-9) << cg::StringFromRect(f);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, Autoresizing,
    ::testing::Values(
        AutoresizeCase{ViewAutoresizingNone, cg::RectMake(10, 20, 60, 40)},
        AutoresizeCase{ViewAutoresizingFlexibleWidth | ViewAutoresizingFlexibleHeight, cg::RectMake(10, 20, 160, 90)},
        AutoresizeCase{ViewAutoresizingFlexibleLeftMargin | ViewAutoresizingFlexibleTopMargin,
                       cg::RectMake(110, 70, 60, 40)},
        AutoresizeCase{ViewAutoresizingFlexibleRightMargin | ViewAutoresizingFlexibleBottomMargin,
                       cg::RectMake(10, 20, 60, 40)},
        // Both margins: 100 points shared 10 : 30, 50 points shared 20 : 40.
        AutoresizeCase{ViewAutoresizingFlexibleLeftMargin | ViewAutoresizingFlexibleRightMargin |
                           ViewAutoresizingFlexibleTopMargin | ViewAutoresizingFlexibleBottomMargin,
                       cg::RectMake(35, 20 + 50.0 * 20 / 60, 60, 40)},
        // Margin and width: 100 shared 10 : 60.
        AutoresizeCase{ViewAutoresizingFlexibleLeftMargin | ViewAutoresizingFlexibleWidth,
                       cg::RectMake(10 + 100.0 * 10 / 70, 20, 60 + 100.0 * 60 / 70, 40)}));

TEST(ViewTree, AutoresizingCanBeSwitchedOffAndShrinksToZeroAtMost) {
    auto parent = View::create(cg::RectMake(0, 0, 100, 100));
    auto child = View::create(cg::RectMake(0, 0, 10, 10));
    child->setAutoresizingMask(ViewAutoresizingFlexibleWidth);
    parent->addSubview(child);
    parent->setFrame(cg::RectMake(0, 0, 50, 100));
    EXPECT_EQ(child->frame().size.width, 0);
    parent->setAutoresizesSubviews(false);
    parent->setFrame(cg::RectMake(0, 0, 300, 100));
    EXPECT_EQ(child->frame().size.width, 0);
}

TEST(ViewTree, LayoutRunsOncePerRequestTopDown) {
    std::vector<std::string> log;
    auto parent = recording("parent", log);
    auto child = recording("child", log);
    parent->addSubview(child);
    parent->layoutIfNeeded();
    log.clear();
    parent->layoutIfNeeded();
    EXPECT_TRUE(log.empty());
    parent->setNeedsLayout();
    child->setFrame(cg::RectMake(0, 0, 5, 5));  // a size change asks for layout
    parent->layoutIfNeeded();
    EXPECT_EQ(log, (std::vector<std::string>{"parent.layoutSubviews", "child.layoutSubviews"}));
}

TEST(ViewTree, HitTestSkipsHiddenTransparentAndNonInteractiveViews) {
    auto window = Window::create(cg::RectMake(0, 0, 320, 480));
    auto back = View::create(cg::RectMake(0, 0, 200, 200));
    auto front = View::create(cg::RectMake(50, 50, 100, 100));
    EXPECT_EQ(window->hitTest({60, 60}, nullptr), nullptr);  // a hidden window takes nothing
    window->makeKeyAndVisible();
    window->addSubview(back);
    window->addSubview(front);
    EXPECT_EQ(window->hitTest({60, 60}, nullptr), front);
    front->setHidden(true);
    EXPECT_EQ(window->hitTest({60, 60}, nullptr), back);
    front->setHidden(false);
    front->setAlpha(0.005);
    EXPECT_EQ(window->hitTest({60, 60}, nullptr), back);
    front->setAlpha(1);
    front->setUserInteractionEnabled(false);
    EXPECT_EQ(window->hitTest({60, 60}, nullptr), back);
    // A subview outside its parent's bounds is not reached.
    auto outside = View::create(cg::RectMake(250, 0, 50, 50));
    back->addSubview(outside);
    EXPECT_EQ(window->hitTest({260, 10}, nullptr), window);
}

TEST(ViewTree, ConversionFollowsOffsetsBoundsOriginAndTransforms) {
    auto window = Window::create(cg::RectMake(0, 0, 320, 480));
    auto a = View::create(cg::RectMake(10, 20, 200, 200));
    auto b = View::create(cg::RectMake(5, 5, 50, 50));
    window->addSubview(a);
    a->addSubview(b);
    EXPECT_EQ(b->convertPointToView({1, 1}, nullptr), cg::PointMake(16, 26));
    EXPECT_EQ(a->convertPointFromView({16, 26}, nullptr), cg::PointMake(6, 6));
    a->setBounds(cg::RectMake(0, 100, 200, 200));  // scrolled by 100
    EXPECT_EQ(b->convertPointToView({1, 1}, nullptr), cg::PointMake(16, -74));
    EXPECT_EQ(b->convertRectToView(cg::RectMake(0, 0, 10, 10), a), cg::RectMake(5, 5, 10, 10));
    b->setTransform(cg::AffineTransformMakeScale(2, 2));  // about b's centre (30, 30)
    EXPECT_EQ(b->convertPointToView({0, 0}, a), cg::PointMake(-20, -20));
    EXPECT_EQ(b->convertPointFromView({-20, -20}, a), cg::PointMake(0, 0));
}
