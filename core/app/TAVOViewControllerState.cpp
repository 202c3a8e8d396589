#include "core/app/TAVOViewControllerState.h"

#include "core/app/TAVOTabScreen.h"
#include "core/services/TAVORecoveryScreens.h"
#include "platform/foundation/Log.h"
#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"

std::shared_ptr<ui::NavigationController> TAVOViewControllerState::appNavigationController() {
    auto app = ui::Application::existing();
    if (!app || !app->delegate()) return nullptr;
    auto window = app->delegate()->window();
    if (!window) return nullptr;
    return std::dynamic_pointer_cast<ui::NavigationController>(window->rootViewController());
}

std::shared_ptr<ui::ViewController> TAVOViewControllerState::getCurrentShowViewController() {
    auto nav = appNavigationController();
    if (!nav) return nullptr;
    auto visible = nav->visibleViewController();
    if (auto* tab = dynamic_cast<TAVOTabScreen*>(visible.get())) return tab->selectedViewController();
    return visible;
}

bool TAVOViewControllerState::hasPresentedViewController() {
    auto nav = appNavigationController();
    return nav && nav->presentedViewController() != nullptr;
}

std::shared_ptr<ui::ViewController> TAVOViewControllerState::getTabViewController() {
    auto nav = appNavigationController();
    if (!nav) return nullptr;
    for (const auto& controller : nav->viewControllers())
        if (dynamic_cast<TAVOTabScreen*>(controller.get())) return controller;
    return nullptr;
}

void TAVOViewControllerState::backToTabViewController(std::function<void()> then) {
    auto nav = appNavigationController();
    if (!nav) return;
    if (auto tab = getTabViewController()) {
        if (tab->presentedViewController()) tab->dismissViewControllerAnimated(false);
        nav->popToViewController(tab, false);
        // A screen pushed inside the selected tab (where the error system's
        // jumps push) is over the tabs too: the tab shows its first screen.
        auto* tabs = dynamic_cast<TAVOTabScreen*>(tab.get());
        if (auto tabStack = std::dynamic_pointer_cast<ui::NavigationController>(tabs->selectedViewController()))
            tabStack->popToRootViewControllerAnimated(false);
        if (then) then();
        return;
    }
    auto screens = TAVORecoveryScreens::shared();
    auto newTab = screens ? screens->makeTabScreen() : nullptr;
    if (!newTab) {
        ns::logWarning("no tab screen to go back to");
        if (then) then();
        return;
    }
    std::weak_ptr<ui::NavigationController> weakNav = nav;
    nav->dismissViewControllerAnimated(false, [weakNav, newTab, then] {
        if (auto n = weakNav.lock()) n->pushViewController(newTab, true);
        if (then) then();
    });
}
