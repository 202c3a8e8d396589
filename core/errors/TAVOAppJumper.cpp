#include "core/errors/TAVOAppJumper.h"

#include "core/app/TAVOViewControllerState.h"
#include "core/services/TAVORecoveryScreens.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/Singleton.h"
#include "platform/ui/NavigationController.h"

std::shared_ptr<TAVOAppJumper> TAVOAppJumper::jumper() { return ns::Singleton<TAVOAppJumper>::get(); }

namespace {

// Pushes the screen on the navigation stack of the screen on display.
void pushOnShownScreen(const std::shared_ptr<ui::ViewController>& screen) {
    if (!screen) {
        ns::logWarning("no recovery screen registered");
        return;
    }
    std::shared_ptr<ui::NavigationController> nav;
    if (auto shown = TAVOViewControllerState::getCurrentShowViewController()) {
        nav = std::dynamic_pointer_cast<ui::NavigationController>(shown);
        if (!nav) nav = shown->navigationController();
    }
    if (!nav) nav = TAVOViewControllerState::appNavigationController();
    if (nav) nav->pushViewController(screen, true);
}

}  // namespace

void TAVOAppJumper::jumpToUpgradeRomPage() {
    auto screens = TAVORecoveryScreens::shared();
    pushOnShownScreen(screens ? screens->makeUpgradeRomScreen() : nullptr);
}

// The recovery screen goes on top of the tab screen, also when a new tab
// screen has first to be pushed on a later turn.
void TAVOAppJumper::jumpToRemoteAccountPage() {
    TAVOViewControllerState::backToTabViewController([] {
        auto screens = TAVORecoveryScreens::shared();
        pushOnShownScreen(screens ? screens->makeRemoteAccountLoginScreen(true) : nullptr);
    });
}

void TAVOAppJumper::jumpToLocalAccountPage() {
    TAVOViewControllerState::backToTabViewController([] {
        auto screens = TAVORecoveryScreens::shared();
        pushOnShownScreen(screens ? screens->makeLocalBindScreen(false) : nullptr);
    });
}
