// The built application started as a program under an X server of its own:
// it writes a screenshot of its window stack of the screen's pixel size with
// something on it and exits with 0; its desktop window comes up at the
// screen's size in points, takes a mouse click, and the program still quits
// cleanly when its time is up. Clicked into a text field, the window shows
// what is typed and what Backspace takes away, and closing the window ends
// the program.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/FileManager.h"
#include "platform/graphics/Image.h"
#include "tests/platform/render/VirtualDisplay.h"
#include "tests/platform/render/XWindow.h"

namespace {

// The built program; its exit status, or -1 when it had to be killed.
class Program {
public:
    explicit Program(std::vector<std::string> args) {
        pid_ = fork();
        if (pid_ == 0) {
            std::vector<char*> argv;
            for (auto& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
    }
    ~Program() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    int wait(double seconds) {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (pid_ > 0) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            if (std::chrono::steady_clock::now() > deadline) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
};

// What a shell command prints on its standard output.
std::string output(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, p)) out += buf;
        pclose(p);
    }
    return out;
}

std::string home() {
    const char* h = std::getenv("KEELBOX_HOME");
    return h ? h : "/tmp";
}

// Enough time for a sanitised build to start on a busy machine.
constexpr double kPatience = 60;

// The id of the application's visible desktop window, or empty.
std::string findKeelboxWindow() {
    std::string window = output("timeout 20 xdotool search --sync --onlyvisible --name '^Keelbox$' | head -n 1");
    while (!window.empty() && window.back() == '\n') window.pop_back();
    return window;
}

// Waits (in real time: the program runs on its own) until `shown` holds for
// a fresh shot of the window.
bool waitForShot(const XWindow& window, const std::function<bool(const XWindow::Shot&)>& shown) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(int(kPatience));
    while (std::chrono::steady_clock::now() < deadline) {
        if (auto shot = window.shot(); shot && shown(*shot)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

}  // namespace

TEST(ApplicationLaunch, ScreenshotIsTheScreensSizeAndNotBlank) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not installed";
    std::string path = home() + "/launch-shot.png";
    Program app({KEELBOX_APP_PATH, "--screenshot", path, "--quit-after", "30"});
    ASSERT_EQ(app.wait(kPatience), 0);
    auto data = ns::FileManager::defaultManager()->contentsAtPath(path);
    ASSERT_TRUE(data) << "no screenshot at " << path;
    auto img = cg::Image::createWithPNGData(*data);
    ASSERT_TRUE(img);
    // 320 points wide at scale 2; the short or the tall screen.
    EXPECT_EQ(img->width(), 640u);
    EXPECT_TRUE(img->height() == 960u || img->height() == 1136u) << img->height();
    // Something besides the background colour is drawn.
    cg::RGBA first = img->pixel(0, 0);
    int different = 0;
    for (std::size_t y = 0; y < img->height(); y += 2) {
        for (std::size_t x = 0; x < img->width(); x += 2) {
            cg::RGBA p = img->pixel(x, y);
            if (std::fabs(p.r - first.r) + std::fabs(p.g - first.g) + std::fabs(p.b - first.b) > 0.3) ++different;
        }
    }
    EXPECT_GT(different, 20);
}

TEST(ApplicationLaunch, DesktopWindowTakesAClickAndQuitsOnTime) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not installed";
    if (access("/usr/bin/xdotool", X_OK) != 0) GTEST_SKIP() << "xdotool is not installed";
    Program app({KEELBOX_APP_PATH, "--quit-after", "3"});
    std::string window = findKeelboxWindow();
    ASSERT_FALSE(window.empty()) << "no Keelbox window on " << display.name();
    std::string geometry = output("xdotool getwindowgeometry --shell " + window);
    EXPECT_NE(geometry.find("WIDTH=320\n"), std::string::npos) << geometry;
    EXPECT_EQ(std::system(("xdotool mousemove --window " + window + " 160 240 click 1").c_str()), 0);
    EXPECT_EQ(app.wait(kPatience), 0);
}

TEST(ApplicationLaunch, TypingIntoAFieldShowsInTheWindowAndClosingEndsTheProgram) {
    VirtualDisplay display;
    if (!display.running()) GTEST_SKIP() << "Xvfb is not installed";
    if (access("/usr/bin/xdotool", X_OK) != 0) GTEST_SKIP() << "xdotool is not installed";
    // The application's test hook lays an empty text field at 10, 110 (300 x
    // 40 points, a rounded border, 20-point text) over its screen.
    setenv("KEELBOX_TEST_TEXT_FIELD", "1", 1);
    Program app({KEELBOX_APP_PATH, "--quit-after", "120"});
    unsetenv("KEELBOX_TEST_TEXT_FIELD");
    const std::string id = findKeelboxWindow();
    ASSERT_FALSE(id.empty()) << "no Keelbox window on " << display.name();
    XWindow window(std::stoul(id));
    const cg::Rect field = cg::RectMake(10, 110, 300, 40);
    const cg::Rect textArea = cg::RectInset(field, 4, 4);
    auto dark = [](const XWindow::Pixel& p) { return p.r + p.g + p.b < 1.5; };
    // The caret is in the tint colour: something neither white, grey nor black.
    auto caret = [](const XWindow::Pixel& p) {
        return std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b}) > 0.3;
    };
    // The field's white inside, within its grey border.
    ASSERT_TRUE(waitForShot(window, [&](const XWindow::Shot& s) {
        auto p = s.at(160, 130);
        return p.r > 0.95 && p.g > 0.95 && p.b > 0.95 && s.count(textArea, dark) == 0;
    })) << "no empty text field drawn";

    std::string xdotool = "xdotool mousemove --window " + id + " 160 130 click 1";
    ASSERT_EQ(std::system(xdotool.c_str()), 0);
    ASSERT_TRUE(waitForShot(window, [&](const XWindow::Shot& s) { return s.count(textArea, caret) > 0; }))
        << "the click did not focus the field";
    int empty = window.shot()->count(textArea, dark);

    ASSERT_EQ(std::system("xdotool type --delay 30 keelbox"), 0);
    int typed = 0;
    EXPECT_TRUE(waitForShot(window, [&](const XWindow::Shot& s) {
        typed = s.count(textArea, dark);
        return typed > empty + 100;
    })) << "typed text not shown: " << typed << " dark pixels, " << empty << " before";

    ASSERT_EQ(std::system("xdotool key --delay 30 BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace"),
              0);
    int left = 0;
    EXPECT_TRUE(waitForShot(window, [&](const XWindow::Shot& s) {
        left = s.count(textArea, dark);
        return left <= empty;
    })) << "Backspace left " << left << " dark pixels";

    ASSERT_TRUE(window.requestClose());
    EXPECT_EQ(app.wait(kPatience), 0);
}
