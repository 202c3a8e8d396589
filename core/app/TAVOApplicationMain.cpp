#include "core/app/TAVOApplicationMain.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/app/TAVOAppDelegate.h"
#include "platform/foundation/JSONSerialization.h"
#include "platform/foundation/Timer.h"
#include "platform/render/DesktopWindow.h"
#include "platform/render/LayerRenderer.h"
#include "platform/ui/Application.h"
#include "platform/ui/ApplicationMain.h"

namespace {

std::atomic<bool> stopRequested{false};
int exitStatus = 0;

void requestStop(int) { stopRequested = true; }

void terminateApplication() { ui::Application::sharedApplication()->terminate(); }

// Without --quit-after, the screenshot waits this long: past the launch
// splash, for the screen start-up reaches.
constexpr double kDefaultScreenshotSeconds = 3.0;

// Writes the window stack after the seconds given, then ends the program.
void scheduleScreenshot(const std::string& path, double seconds) {
    ns::Timer::scheduledTimerWithTimeInterval(seconds, false, [path](std::shared_ptr<ns::Timer>) {
        if (!cg::LayerRenderer::writePNG(cg::LayerRenderer::renderWindowStack(), path)) {
            std::fprintf(stderr, "keelbox: cannot write the screenshot to %s\n", path.c_str());
            exitStatus = 1;
        }
        terminateApplication();
    });
}

// Shows the window stack on the desktop when there is a display; the window
// lives as long as the program.
bool openDesktopWindow() {
    if (!std::getenv("DISPLAY")) return false;
    static std::unique_ptr<cg::DesktopWindow> window = cg::DesktopWindow::open("Keelbox");
    if (!window) return false;
    ns::Timer::scheduledTimerWithTimeInterval(1.0 / 60, true, [](std::shared_ptr<ns::Timer> timer) {
        if (window->pump()) return;
        timer->invalidate();
        terminateApplication();
    });
    return true;
}

// Plays the platform launching the process from a tapped notification: the
// payload (a JSON object) goes into the launch options.
bool addPushPayload(ns::Value& options, const char* json) {
    ns::ErrorPtr error;
    ns::Value payload = ns::JSONSerialization::JSONObjectWithData(ns::Data::fromString(json), 0, &error);
    if (!payload.isDictionary()) {
        std::fprintf(stderr, "keelbox: --push-payload needs a JSON object\n");
        return false;
    }
    ns::Dictionary dictionary = options.isDictionary() ? options.asDictionary() : ns::Dictionary();
    dictionary.set(ui::ApplicationLaunchOptionsRemoteNotificationKey, payload);
    options = ns::Value(dictionary);
    return true;
}

}  // namespace

int TAVOApplicationMain(int argc, char** argv, const ns::Value& launchOptions) {
    double quitAfter = -1;
    std::string screenshot;
    ns::Value options = launchOptions;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-after") == 0) quitAfter = std::atof(argv[i + 1]);
        if (std::strcmp(argv[i], "--screenshot") == 0) screenshot = argv[i + 1];
        if (std::strcmp(argv[i], "--push-payload") == 0 && !addPushPayload(options, argv[i + 1])) return 2;
    }

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    // A signal handler may only set a flag; the main loop looks at it.
    ns::Timer::scheduledTimerWithTimeInterval(0.2, true, [](std::shared_ptr<ns::Timer> timer) {
        if (!stopRequested) return;
        timer->invalidate();
        ui::Application::sharedApplication()->terminate();
    });
    // With a screenshot, the program ends when it is written: the screen
    // reached after --quit-after.
    if (quitAfter >= 0 && screenshot.empty()) {
        ns::Timer::scheduledTimerWithTimeInterval(quitAfter, false,
                                                  [](std::shared_ptr<ns::Timer>) { terminateApplication(); });
    }

    TAVOAppDelegate::registerClass();
    if (!screenshot.empty()) {
        scheduleScreenshot(screenshot, quitAfter >= 0 ? quitAfter : kDefaultScreenshotSeconds);
    } else if (openDesktopWindow()) {
        std::fputs("Keelbox is running in its window; close it or press Ctrl-C to stop.\n", stderr);
    } else {
        std::fputs("Keelbox is running (headless); stop it with Ctrl-C.\n", stderr);
    }
    int status = ui::ApplicationMain(argc, argv, "", TAVOAppDelegate::kClassName, options);
    return status != 0 ? status : exitStatus;
}
