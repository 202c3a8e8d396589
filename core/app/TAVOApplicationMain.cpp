#include "core/app/TAVOApplicationMain.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/app/TAVOAppDelegate.h"
#include "platform/foundation/Timer.h"
#include "platform/ui/Application.h"

namespace {

std::atomic<bool> stopRequested{false};

void requestStop(int) { stopRequested = true; }

}  // namespace

int TAVOApplicationMain(int argc, char** argv) {
    double quitAfter = -1;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--quit-after") == 0) quitAfter = std::atof(argv[i + 1]);

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    // A signal handler may only set a flag; the main loop looks at it.
    ns::Timer::scheduledTimerWithTimeInterval(0.2, true, [](std::shared_ptr<ns::Timer> timer) {
        if (!stopRequested) return;
        timer->invalidate();
        ui::Application::sharedApplication()->terminate();
    });
    if (quitAfter >= 0) {
        ns::Timer::scheduledTimerWithTimeInterval(quitAfter, false, [](std::shared_ptr<ns::Timer>) {
            ui::Application::sharedApplication()->terminate();
        });
    }

    TAVOAppDelegate::registerClass();
    std::fputs("Keelbox is running (headless); stop it with Ctrl-C.\n", stderr);
    return ui::ApplicationMain(argc, argv, "", TAVOAppDelegate::kClassName);
}
