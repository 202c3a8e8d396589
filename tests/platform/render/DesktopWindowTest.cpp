// The desktop window under a virtual X server: a press and release inside
// a control reach it as a tap, and the frame shows the window stack.
#include <gtest/gtest.h>

#include <SDL.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/render/DesktopWindow.h"
#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Window.h"

namespace {

// Starts Xvfb on a free display for the test; skipped when it is not installed.
class VirtualDisplay {
public:
    VirtualDisplay() {
        if (access("/usr/bin/Xvfb", X_OK) != 0) return;
        display_ = ":" + std::to_string(90 + getpid() % 100);
        pid_ = fork();
        if (pid_ == 0) {
            execl("/usr/bin/Xvfb", "Xvfb", display_.c_str(), "-screen", "0", "640x1136x24", "-nolisten", "tcp",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        std::string socket = "/tmp/.X11-unix/X" + display_.substr(1);
        for (int i = 0; i < 100 && access(socket.c_str(), F_OK) != 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        previous_ = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
        setenv("DISPLAY", display_.c_str(), 1);
    }
    ~VirtualDisplay() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            if (previous_.empty()) {
                unsetenv("DISPLAY");
            } else {
                setenv("DISPLAY", previous_.c_str(), 1);
            }
        }
    }
    bool running() const { return pid_ > 0; }

private:
    pid_t pid_ = -1;
    std::string display_, previous_;
};

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
