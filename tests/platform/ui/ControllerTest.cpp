#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/graphics/Image.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/Button.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"

using namespace ui;
using keelbox::test::advance;

namespace {

std::vector<std::string> gLog;

class Screen : public ViewController {
public:
    using ViewController::ViewController;
    std::string name = "screen";
    void viewDidLoad() override { gLog.push_back(name + ".viewDidLoad"); }
    void viewWillAppear(bool) override {
        gLog.push_back(name + ".viewWillAppear" + (view()->window() ? "(in window)" : "(off window)"));
    }
    void viewDidAppear(bool) override { gLog.push_back(name + ".viewDidAppear"); }
    void viewWillDisappear(bool) override { gLog.push_back(name + ".viewWillDisappear"); }
    void viewDidDisappear(bool) override { gLog.push_back(name + ".viewDidDisappear"); }
};

std::shared_ptr<Screen> screen(const std::string& name) {
    auto s = ViewController::make<Screen>();
    s->name = name;
    return s;
}

struct NavLog : NavigationControllerDelegate {
    void willShowViewController(NavigationController&, const ViewControllerPtr& vc, bool animated) override {
        auto s = std::static_pointer_cast<Screen>(vc);
        bool shown = s->isViewLoaded() && s->view()->window();
        gLog.push_back("willShow " + s->name + (shown ? "(in window)" : "(off window)") +
                       (animated ? " animated" : "") + (vc->hidesBottomBarWhenPushed ? " hidesBottomBar" : ""));
    }
    void didShowViewController(NavigationController&, const ViewControllerPtr& vc, bool) override {
        gLog.push_back("didShow " + std::static_pointer_cast<Screen>(vc)->name);
    }
};

struct App {
    std::shared_ptr<Window> window = Window::create(cg::RectMake(0, 0, 320, 480));
    std::shared_ptr<Screen> root = screen("root");
    NavigationControllerPtr nav = NavigationController::create(root);
    std::shared_ptr<NavLog> navLog = std::make_shared<NavLog>();
    App() {
        gLog.clear();
        nav->setDelegate(navLog);
        nav->setNavigationBarHidden(true);
        window->setRootViewController(nav);
        window->makeKeyAndVisible();
    }
};

}  // namespace

TEST(Navigation, FirstControllerIsAnnouncedWhenTheNavigationControllerAppears) {
    App app;
    // The navigation controller's view (with the root's inside) is in the
    // window before the appearance calls, as the window adds it first.
    EXPECT_EQ(gLog, (std::vector<std::string>{"root.viewDidLoad", "willShow root(in window)",
                                              "root.viewWillAppear(in window)", "root.viewDidAppear",
                                              "didShow root"}));
    EXPECT_EQ(app.root->view()->superview(), app.nav->view());
    EXPECT_EQ(Application::sharedApplication()->keyWindow(), app.window);
}

TEST(Navigation, PushAnnouncesWillShowBeforeTheNewViewAppearsAndFinishesOnTheClock) {
    App app;
    gLog.clear();
    auto detail = screen("detail");
    detail->hidesBottomBarWhenPushed = true;
    app.nav->pushViewController(detail, true);
    EXPECT_EQ(gLog, (std::vector<std::string>{"willShow detail(off window) animated hidesBottomBar",
                                              "detail.viewDidLoad", "detail.viewWillAppear(off window)",
                                              "root.viewWillDisappear"}));
    EXPECT_EQ(app.nav->topViewController(), detail);
    EXPECT_EQ(detail->view()->window(), app.window);  // the model changed at once
    EXPECT_EQ(app.root->view()->superview(), nullptr);
    gLog.clear();
    advance(ViewController::kTransitionDuration);
    EXPECT_EQ(gLog, (std::vector<std::string>{"root.viewDidDisappear", "detail.viewDidAppear", "didShow detail"}));
    EXPECT_EQ(detail->navigationController(), app.nav);
}

TEST(Navigation, PopsReturnWhatTheyRemoved) {
    App app;
    auto a = screen("a"), b = screen("b"), c = screen("c");
    app.nav->pushViewController(a, false);
    app.nav->pushViewController(b, true);
    app.nav->pushViewController(c, false);  // finishes b's transition first
    EXPECT_EQ(app.nav->viewControllers().size(), 4u);
    EXPECT_EQ(app.nav->popToViewController(c, false).size(), 0u);
    auto popped = app.nav->popToViewController(a, false);
    EXPECT_EQ(popped, (std::vector<ViewControllerPtr>{b, c}));
    EXPECT_EQ(b->parentViewController(), nullptr);
    EXPECT_EQ(app.nav->popViewControllerAnimated(false), a);
    EXPECT_EQ(app.nav->popViewControllerAnimated(false), nullptr);  // the root stays
    EXPECT_EQ(app.nav->visibleViewController(), app.root);
    EXPECT_TRUE(app.root->isVisible());
}

// A screen that fills its navigation item when its view loads, as the
// photo picker's screens do.
class ItemScreen : public ViewController {
public:
    using ViewController::ViewController;
    bool withLeft = false;
    void viewDidLoad() override {
        navigationItem().titleView = View::create(cg::RectMake(0, 0, 160, 44));
        auto side = View::create(cg::RectMake(0, 0, 50, 30));
        if (withLeft)
            navigationItem().leftBarButtonView = side;
        else
            navigationItem().rightBarButtonView = side;
    }
};

TEST(Navigation, TheBarShowsTheTopControllersItemViewsAndOnlyThose) {
    auto window = Window::create(cg::RectMake(0, 0, 320, 480));
    auto list = ViewController::make<ItemScreen>();
    auto nav = NavigationController::create(list);
    window->setRootViewController(nav);
    window->makeKeyAndVisible();
    const auto& bar = nav->navigationBar();
    const NavigationItem& listItem = list->navigationItem();
    ASSERT_TRUE(listItem.titleView && listItem.rightBarButtonView);
    EXPECT_EQ(listItem.titleView->superview(), bar);
    EXPECT_EQ(listItem.titleView->frame(), cg::RectMake(80, 0, 160, 44));
    EXPECT_EQ(listItem.rightBarButtonView->frame(), cg::RectMake(320 - NavigationController::kItemMargin - 50, 7, 50, 30));

    auto detail = ViewController::make<ItemScreen>();
    detail->withLeft = true;
    nav->pushViewController(detail, false);
    EXPECT_EQ(listItem.titleView->superview(), nullptr);
    EXPECT_EQ(listItem.rightBarButtonView->superview(), nullptr);
    EXPECT_EQ(detail->navigationItem().leftBarButtonView->superview(), bar);
    EXPECT_EQ(detail->navigationItem().leftBarButtonView->frame().origin.x, NavigationController::kItemMargin);
    EXPECT_EQ(bar->subviews().size(), 2u);

    nav->popViewControllerAnimated(false);
    EXPECT_EQ(detail->navigationItem().titleView->superview(), nullptr);
    EXPECT_EQ(listItem.titleView->superview(), bar);
    EXPECT_EQ(bar->subviews().size(), 2u);
}

TEST(Presentation, DismissCompletionRunsAfterTheAppearanceCalls) {
    App app;
    auto modal = screen("modal");
    bool presented = false;
    app.root->presentViewController(modal, true, [&] { presented = true; });
    EXPECT_EQ(app.nav->presentedViewController(), modal);  // the root-most ancestor presents
    EXPECT_EQ(app.nav->visibleViewController(), modal);
    advance(ViewController::kTransitionDuration);
    EXPECT_TRUE(presented);
    gLog.clear();
    modal->dismissViewControllerAnimated(true, [&] { gLog.push_back("completion"); });
    // The navigation controller reappearing announces its top controller again.
    EXPECT_EQ(gLog, (std::vector<std::string>{"modal.viewWillDisappear", "willShow root(in window) animated",
                                              "root.viewWillAppear(in window)"}));
    advance(ViewController::kTransitionDuration);
    EXPECT_EQ(gLog, (std::vector<std::string>{"modal.viewWillDisappear", "willShow root(in window) animated",
                                              "root.viewWillAppear(in window)", "modal.viewDidDisappear",
                                              "root.viewDidAppear", "didShow root", "completion"}));
    EXPECT_EQ(app.nav->presentedViewController(), nullptr);
    EXPECT_EQ(modal->view()->window(), nullptr);
}

TEST(Presentation, UnanimatedDismissStillCompletesOnALaterTurn) {
    App app;
    auto modal = screen("modal");
    app.nav->presentViewController(modal, false);
    bool done = false;
    app.nav->dismissViewControllerAnimated(false, [&] { done = true; });
    EXPECT_FALSE(done);
    advance(0);
    EXPECT_TRUE(done);
}

TEST(Containment, ChildrenHearAppearanceWhenTheirViewsEnterAShownParent) {
    App app;
    auto child = screen("child");
    app.root->addChildViewController(child);
    gLog.clear();
    app.root->view()->addSubview(child->view());
    EXPECT_EQ(gLog, (std::vector<std::string>{"child.viewDidLoad", "child.viewWillAppear(in window)",
                                              "child.viewDidAppear"}));
    gLog.clear();
    app.nav->pushViewController(screen("next"), false);  // the parent goes, the child with it
    EXPECT_NE(std::find(gLog.begin(), gLog.end(), "child.viewDidDisappear"), gLog.end());
}

namespace {
class Ring : public View {
public:
    using View::View;
    std::vector<std::string> applied;
    OptionalColor trackColor;
    void setTrackColor(const Color& c) {
        markExplicitValue("trackColor");
        trackColor = c;
        applied.push_back("trackColor");
    }
};
class SpecialRing : public Ring {
    using Ring::Ring;
};
}  // namespace

TEST(AppearanceProxy, BaseClassDefaultsFirstInstanceValuesWin) {
    Appearance::set<SpecialRing>("trackColor", [](SpecialRing& r) { r.setTrackColor(Color::redColor()); });
    Appearance::set<Ring>("trackColor", [](Ring& r) { r.setTrackColor(Color::grayColor()); });
    Appearance::set<View>("backgroundColor", [](View& v) { v.setBackgroundColor(Color::clearColor()); });
    auto window = Window::create(cg::RectMake(0, 0, 320, 480));
    auto special = View::make<SpecialRing>();
    auto plain = View::make<Ring>();
    auto own = View::make<Ring>();
    own->setTrackColor(Color::blueColor());  // set before entering the window
    EXPECT_FALSE(plain->trackColor.has_value());  // nothing until it enters a window
    window->addSubview(special);
    window->addSubview(plain);
    window->addSubview(own);
    EXPECT_EQ(*special->trackColor, Color::redColor());
    EXPECT_EQ(special->applied.size(), 2u);  // Ring's default, then SpecialRing's
    EXPECT_EQ(*plain->trackColor, Color::grayColor());
    EXPECT_EQ(*own->trackColor, Color::blueColor());
    EXPECT_EQ(*own->backgroundColor(), Color::clearColor());
    // Entering a window again replays nothing.
    special->setTrackColor(Color::greenColor());
    special->removeFromSuperview();
    window->addSubview(special);
    EXPECT_EQ(*special->trackColor, Color::greenColor());
}

TEST(AppearanceProxy, PlatformSettersCountAsInstanceValuesButBuiltInDefaultsDoNot) {
    auto pressed = Image::imageWithCGImage(cg::Image::create(1, 1));
    Appearance::set<Button>(Button::statePropertyName("titleColor", ControlStateNormal),
                            [](Button& b) { b.setTitleColor(Color::greenColor(), ControlStateNormal); });
    Appearance::set<Button>(Button::statePropertyName("backgroundImage", ControlStateHighlighted),
                            [pressed](Button& b) { b.setBackgroundImage(pressed, ControlStateHighlighted); });
    Appearance::set<View>("tintColor", [](View& v) { v.setTintColor(Color::redColor()); });
    Appearance::set<Label>("shadowColor", [](Label& l) { l.setShadowColor(Color::blackColor()); });
    auto window = Window::create(cg::RectMake(0, 0, 320, 480));

    auto plain = Button::buttonWithType(ButtonType::Custom);  // white title is the platform's own default
    auto own = Button::buttonWithType(ButtonType::Custom);
    own->setTitleColor(Color::blueColor(), ControlStateNormal);
    own->setBackgroundImage(nullptr, ControlStateHighlighted);  // explicitly none
    own->setTintColor(Color::blueColor());
    auto label = Label::create();
    label->setShadowColor(std::nullopt);
    for (const ViewPtr& v : std::vector<ViewPtr>{plain, own, label}) window->addSubview(v);

    EXPECT_EQ(*plain->titleColorForState(ControlStateNormal), Color::greenColor());
    EXPECT_EQ(plain->backgroundImageForState(ControlStateHighlighted), pressed);
    EXPECT_EQ(*plain->tintColor(), Color::redColor());
    EXPECT_EQ(*own->titleColorForState(ControlStateNormal), Color::blueColor());
    EXPECT_EQ(own->backgroundImageForState(ControlStateHighlighted), nullptr);
    EXPECT_EQ(*own->tintColor(), Color::blueColor());
    EXPECT_FALSE(label->shadowColor().has_value());
}

namespace {
class StatusScreen : public Screen {
public:
    using Screen::Screen;
    StatusBarStyle style = StatusBarStyle::Default;
    bool hidesBar = false;
    ViewControllerPtr forward;  // decides in this one's place
    StatusBarStyle preferredStatusBarStyle() const override { return style; }
    bool prefersStatusBarHidden() const override { return hidesBar; }
    ViewControllerPtr childViewControllerForStatusBarStyle() const override { return forward; }
    ViewControllerPtr childViewControllerForStatusBarHidden() const override { return forward; }
};
}  // namespace

TEST(StatusBarAppearance, TheShownScreenOfTheTopWindowDecides) {
    App app;
    auto application = Application::sharedApplication();
    auto light = ViewController::make<StatusScreen>();
    light->style = StatusBarStyle::LightContent;
    light->hidesBar = true;
    app.nav->pushViewController(light, false);
    EXPECT_EQ(application->statusBarStyle(), StatusBarStyle::LightContent);
    EXPECT_TRUE(application->isStatusBarHidden());

    // What the screen presents decides while it is up.
    auto sheet = ViewController::make<StatusScreen>();
    light->presentViewController(sheet, false);
    advance(0);
    EXPECT_EQ(application->statusBarStyle(), StatusBarStyle::Default);
    EXPECT_FALSE(application->isStatusBarHidden());
    sheet->style = StatusBarStyle::LightContent;
    sheet->setNeedsStatusBarAppearanceUpdate();
    EXPECT_EQ(application->statusBarStyle(), StatusBarStyle::LightContent);
    // Presentations are hosted by the navigation controller; the pushed
    // screen still sees and dismisses what it presented.
    EXPECT_EQ(light->presentedViewController(), sheet);
    light->dismissViewControllerAnimated(false);
    advance(0);
    EXPECT_EQ(app.nav->presentedViewController(), nullptr);
    EXPECT_TRUE(application->isStatusBarHidden());

    // A window above (an alert's) answers for the screen underneath.
    auto alertWindow = Window::create(cg::RectMake(0, 0, 320, 480));
    alertWindow->setWindowLevel(1999);
    auto alertController = ViewController::make<StatusScreen>();
    alertController->forward = app.nav;
    alertWindow->setRootViewController(alertController);
    alertWindow->makeKeyAndVisible();
    EXPECT_EQ(application->statusBarStyle(), StatusBarStyle::LightContent);
    alertController->forward = nullptr;
    alertController->setNeedsStatusBarAppearanceUpdate();
    EXPECT_EQ(application->statusBarStyle(), StatusBarStyle::Default);
    alertWindow->setHidden(true);
    EXPECT_EQ(application->statusBarStyle(), StatusBarStyle::LightContent);  // the screen below again
}
