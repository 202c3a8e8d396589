#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Application.h"
#include "platform/ui/ApplicationNotifications.h"
#include "platform/ui/DeviceRotation.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"

using namespace ui;
using keelbox::test::advance;

namespace {

std::vector<std::string> gLog;

std::string number(InterfaceOrientation o) { return std::to_string(static_cast<int>(o)); }

class Turning : public ViewController {
public:
    using ViewController::ViewController;
    unsigned supported = (1u << 1) | (1u << 3) | (1u << 4);
    bool autorotates = true;
    unsigned supportedInterfaceOrientations() const override { return supported; }
    bool shouldAutorotate() const override { return autorotates; }
    void willRotateToInterfaceOrientation(InterfaceOrientation o, double d) override {
        gLog.push_back("willRotate " + number(o) + " " + std::to_string(d).substr(0, 3));
    }
    void willAnimateRotationToInterfaceOrientation(InterfaceOrientation o, double) override {
        gLog.push_back("willAnimate " + number(o));
    }
    void didRotateFromInterfaceOrientation(InterfaceOrientation from) override {
        gLog.push_back("didRotate from " + number(from));
    }
};

struct Rig {
    std::shared_ptr<Window> window = Window::create(cg::RectMake(0, 0, 320, 480));
    std::shared_ptr<Turning> screen = ViewController::make<Turning>();
    ns::ObjectPtr observer = ns::NotificationCenter::defaultCenter()->addObserverForName(
        ns::UIApplicationWillChangeStatusBarOrientationNotification, {}, nullptr,
        [](const ns::NotificationPtr&) { gLog.push_back("status bar will turn"); });
    explicit Rig(const ViewControllerPtr& root = nullptr) {
        gLog.clear();
        window->setRootViewController(root ? root : screen);
        window->makeKeyAndVisible();
    }
    ~Rig() { ns::NotificationCenter::defaultCenter()->removeObserver(observer); }
};

void expectRectNear(const cg::Rect& a, const cg::Rect& b) {
    EXPECT_NEAR(a.origin.x, b.origin.x, 1e-6);
    EXPECT_NEAR(a.origin.y, b.origin.y, 1e-6);
    EXPECT_NEAR(a.size.width, b.size.width, 1e-6);
    EXPECT_NEAR(a.size.height, b.size.height, 1e-6);
}

}  // namespace

TEST(Rotation, TheRootControllerTurnsInsideAnUprightWindowAndHearsTheCallsInOrder) {
    Rig rig;
    EXPECT_TRUE(DeviceRotation::turnDeviceTo(DeviceOrientation::LandscapeLeft));
    EXPECT_EQ(gLog, (std::vector<std::string>{"willRotate 3 0.4", "status bar will turn", "willAnimate 3"}));
    auto app = Application::sharedApplication();
    EXPECT_EQ(app->statusBarOrientation(), InterfaceOrientation::LandscapeRight);
    EXPECT_EQ(rig.screen->interfaceOrientation(), InterfaceOrientation::LandscapeRight);
    EXPECT_EQ(app->statusBarFrame(), cg::RectMake(300, 0, 20, 480));
    EXPECT_EQ(Screen::mainScreen()->applicationFrame(), cg::RectMake(0, 0, 300, 480));
    expectRectNear(rig.screen->view()->bounds(), cg::RectMake(0, 0, 480, 320));
    expectRectNear(rig.screen->view()->frame(), cg::RectMake(0, 0, 320, 480));
    EXPECT_EQ(rig.window->bounds(), cg::RectMake(0, 0, 320, 480));
    advance(0.39);
    EXPECT_EQ(gLog.size(), 3u);
    advance(0.01);
    EXPECT_EQ(gLog.back(), "didRotate from 1");

    // Landscape to landscape is a half turn and takes twice as long.
    gLog.clear();
    EXPECT_TRUE(DeviceRotation::turnDeviceTo(DeviceOrientation::LandscapeRight));
    EXPECT_EQ(gLog.front(), "willRotate 4 0.8");
    EXPECT_EQ(app->statusBarFrame(), cg::RectMake(0, 0, 20, 480));
    EXPECT_EQ(Screen::mainScreen()->applicationFrame(), cg::RectMake(20, 0, 300, 480));
    advance(0.8);
    EXPECT_EQ(gLog.back(), "didRotate from 3");
}

TEST(Rotation, TheInterfaceStaysWhenTheControllerRefusesOrTheDeviceLiesFlat) {
    Rig rig;
    int deviceChanges = 0;
    auto token = ns::NotificationCenter::defaultCenter()->addObserverForName(
        DeviceOrientationDidChangeNotification, {}, nullptr, [&](const ns::NotificationPtr&) { ++deviceChanges; });
    struct Case {
        DeviceOrientation device;
        unsigned supported;
        bool autorotates;
    };
    for (const Case& c : {Case{DeviceOrientation::PortraitUpsideDown, (1u << 1) | (1u << 3), true},
                          Case{DeviceOrientation::LandscapeLeft, (1u << 1) | (1u << 3), false},
                          Case{DeviceOrientation::FaceUp, 0x1e, true}}) {
        rig.screen->supported = c.supported;
        rig.screen->autorotates = c.autorotates;
        EXPECT_FALSE(DeviceRotation::turnDeviceTo(c.device));
        EXPECT_EQ(Device::currentDevice()->orientation, c.device);
        EXPECT_EQ(Application::sharedApplication()->statusBarOrientation(), InterfaceOrientation::Portrait);
    }
    EXPECT_EQ(deviceChanges, 3);
    EXPECT_TRUE(gLog.empty());
    expectRectNear(rig.screen->view()->frame(), cg::RectMake(0, 0, 320, 480));
}

namespace {
struct TurningNavigation : NavigationController {
    using NavigationController::NavigationController;
    unsigned supportedInterfaceOrientations() const override { return 0x1e; }
};
}  // namespace

TEST(Rotation, ANavigationControllerPassesTheCallsToItsTopController) {
    {
        // A plain navigation controller keeps the portrait default: the
        // device turns, the interface does not.
        Rig rig(NavigationController::create(ViewController::make<Turning>()));
        EXPECT_FALSE(DeviceRotation::turnDeviceTo(DeviceOrientation::LandscapeLeft));
    }
    auto nav = ViewController::make<TurningNavigation>();
    nav->initWithRootViewController(ViewController::make<Turning>());
    Rig rig(nav);
    EXPECT_TRUE(DeviceRotation::turnDeviceTo(DeviceOrientation::LandscapeRight));
    advance(0.4);
    EXPECT_EQ(gLog, (std::vector<std::string>{"willRotate 4 0.4", "status bar will turn", "willAnimate 4",
                                              "didRotate from 1"}));
}
