// The desktop window under a virtual X server: a press and release inside
// a control reach it as a tap, and the frame shows the window stack.
#include <gtest/gtest.h>

#include <SDL.h>

#include "platform/render/DesktopWindow.h"
#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"
#include "tests/platform/render/VirtualDisplay.h"

namespace {

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

}  // namespace

TEST(DesktopWindow, ClickReachesTheControlAndTheFrameShowsTheStack) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not installed";
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
