// The desktop window under a virtual X server: a press and release inside
// a control reach it as a tap, and the frame shows the window stack; the
// wheel and typed text reach the view tree, desktop text input follows the
// phone's keyboard, and closing the window sends the application to the
// background.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "platform/render/DesktopWindow.h"
#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"
#include "tests/platform/render/VirtualDisplay.h"

namespace {

// SDL's video stays connected to the first X server it met for the rest of
// the process: the tests here share one.
VirtualDisplay& display() {
    static VirtualDisplay shared;
    return shared;
}

void push(Uint32 type, int x, int y) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
        e.motion.x = x, e.motion.y = y, e.motion.state = SDL_BUTTON_LMASK;
    } else {
        e.button.x = x, e.button.y = y, e.button.button = SDL_BUTTON_LEFT;
    }
    SDL_PushEvent(&e);
}

void pushHover(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x, e.motion.y = y;
    SDL_PushEvent(&e);
}

void pushWheel(float y) {
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.y = int(y), e.wheel.preciseY = y, e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    SDL_PushEvent(&e);
}

void pushText(const char* text) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, text, sizeof e.text.text - 1);
    SDL_PushEvent(&e);
}

void pushKey(SDL_Keycode key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
}

}  // namespace

TEST(DesktopWindow, ClickReachesTheControlAndTheFrameShowsTheStack) {
    if (!display().running()) GTEST_SKIP() << "Xvfb is not installed";
    auto screen = ui::Screen::mainScreen()->bounds();
    auto window = ui::Window::create(screen);
    window->setBackgroundColor(ui::Color::whiteColor());
    auto control = ui::View::make<ui::Control>(cg::RectMake(100, 200, 80, 40));
    control->setBackgroundColor(ui::Color::redColor());
    int taps = 0;
    control->addTarget(nullptr, "tapped", [&](ui::Control&) { ++taps; }, ui::ControlEventTouchUpInside);
    window->addSubview(control);
    window->makeKeyAndVisible();

    auto desktop = cg::DesktopWindow::open("Keelbox test");
    ASSERT_TRUE(desktop) << "no window on the virtual display";
    ASSERT_TRUE(desktop->lastFrame());
    auto red = desktop->lastFrame()->pixel(2 * 140, 2 * 220);
    EXPECT_GT(red.r, 0.9);
    EXPECT_LT(red.g, 0.1);

    push(SDL_MOUSEBUTTONDOWN, 140, 220);
    push(SDL_MOUSEMOTION, 142, 221);
    push(SDL_MOUSEBUTTONUP, 142, 221);
    EXPECT_TRUE(desktop->pump());
    EXPECT_EQ(taps, 1);
    // A press outside the control taps nothing.
    push(SDL_MOUSEBUTTONDOWN, 10, 10);
    push(SDL_MOUSEBUTTONUP, 10, 10);
    desktop->pump();
    EXPECT_EQ(taps, 1);
    desktop.reset();
}

TEST(DesktopWindow, WheelTypingAndClosingReachTheApplication) {
    if (!display().running()) GTEST_SKIP() << "Xvfb is not installed";
    auto app = ui::Application::sharedApplication();
    app->launch();
    auto window = ui::Window::create(ui::Screen::mainScreen()->bounds());
    auto list = ui::ScrollView::create(cg::RectMake(0, 100, 320, 300));
    list->setContentSize({320, 1000});
    auto field = ui::TextField::create(cg::RectMake(10, 20, 300, 40));
    window->addSubview(list);
    window->addSubview(field);
    window->makeKeyAndVisible();
    auto desktop = cg::DesktopWindow::open("Keelbox test");
    ASSERT_TRUE(desktop) << "no window on the virtual display";

    // One notch towards the user scrolls the list under the pointer down.
    pushHover(160, 200);
    pushWheel(-1);
    EXPECT_TRUE(desktop->pump());
    EXPECT_GT(list->contentOffset().y, 0);

    EXPECT_FALSE(SDL_IsTextInputActive());
    push(SDL_MOUSEBUTTONDOWN, 160, 40);
    push(SDL_MOUSEBUTTONUP, 160, 40);
    desktop->pump();
    ASSERT_TRUE(field->isFirstResponder());
    EXPECT_TRUE(SDL_IsTextInputActive());  // the keyboard is up
    pushText("keel");
    pushText("boxx");
    pushKey(SDLK_BACKSPACE);
    pushKey(SDLK_RETURN);
    desktop->pump();
    EXPECT_EQ(field->text(), "keelbox");
    field->resignFirstResponder();
    desktop->pump();
    EXPECT_FALSE(SDL_IsTextInputActive());

    std::vector<std::string> heard;
    auto center = ns::NotificationCenter::defaultCenter();
    auto token = center->addObserverForName("", {}, nullptr, [&](const ns::NotificationPtr& n) {
        if (n->name().find("UIApplication") == 0) heard.push_back(n->name());
    });
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_FALSE(desktop->pump());
    EXPECT_EQ(heard, (std::vector<std::string>{"UIApplicationWillResignActiveNotification",
                                               "UIApplicationDidEnterBackgroundNotification"}));
    EXPECT_EQ(app->applicationState(), ui::ApplicationState::Background);
    EXPECT_FALSE(desktop->pump());
    EXPECT_EQ(heard.size(), 2u);
    center->removeObserver(token);
    desktop.reset();
}
