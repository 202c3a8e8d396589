#include "uikit/UIViewControllerTKTabBarController.h"

#include "platform/ui/Application.h"
#include "platform/ui/NavigationController.h"
#include "platform/ui/Window.h"
#include "uikit/TKTabBarController.h"
#include "uikit/TKTabHooks.h"

namespace {

// The controller whose hooks answer for `controller`: itself when it has
// hooks of its own, else a navigation controller's root, followed down.
const TKTabHooks* hooksFor(const ui::ViewControllerPtr& controller) {
    auto current = controller;
    while (current) {
        if (auto* hooks = dynamic_cast<const TKTabHooks*>(current.get())) return hooks;
        auto nav = std::dynamic_pointer_cast<ui::NavigationController>(current);
        if (!nav || nav->viewControllers().empty()) return nullptr;
        current = nav->viewControllers().front();
    }
    return nullptr;
}

}  // namespace

std::string UIViewControllerTKTabBarController::tabImageName(const ui::ViewControllerPtr& controller) {
    auto* hooks = hooksFor(controller);
    return hooks ? hooks->tabImageName() : std::string();
}

ui::ImagePtr UIViewControllerTKTabBarController::tabImage(const ui::ViewControllerPtr& controller) {
    auto* hooks = hooksFor(controller);
    return hooks ? hooks->tabImage() : nullptr;
}

ui::ImagePtr UIViewControllerTKTabBarController::tabSelectedImage(const ui::ViewControllerPtr& controller) {
    auto* hooks = hooksFor(controller);
    return hooks ? hooks->tabSelectedImage() : nullptr;
}

std::string UIViewControllerTKTabBarController::tabTitle(const ui::ViewControllerPtr& controller) {
    auto* hooks = hooksFor(controller);
    return hooks ? hooks->tabTitle() : std::string();
}

std::shared_ptr<TKTabBarController> UIViewControllerTKTabBarController::tkTabBarController() {
    auto app = ui::Application::existing();
    if (!app || !app->delegate()) return nullptr;
    auto window = app->delegate()->window();
    if (!window) return nullptr;
    auto nav = std::dynamic_pointer_cast<ui::NavigationController>(window->rootViewController());
    if (!nav) return nullptr;
    for (const auto& controller : nav->viewControllers())
        if (auto tabs = std::dynamic_pointer_cast<TKTabBarController>(controller)) return tabs;
    return nullptr;
}
