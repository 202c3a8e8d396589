#include "uikit/MAAlertViewController.h"

#include "platform/ui/Application.h"
#include "uikit/MAAlertView.h"
#include "uikit/MAWindowUtils.h"

std::shared_ptr<MAAlertViewController> MAAlertViewController::create(const std::shared_ptr<MAAlertView>& alertView) {
    auto controller = make<MAAlertViewController>();
    controller->setAlertView(alertView);
    return controller;
}

void MAAlertViewController::loadView() {
    if (alertView_) {
        setView(alertView_);
        return;
    }
    ui::ViewController::loadView();
}

void MAAlertViewController::viewDidLoad() {
    ui::ViewController::viewDidLoad();
    if (alertView_) alertView_->setup();
}

ui::ViewControllerPtr MAAlertViewController::screenUnderneath() const {
    auto window = alertView_ ? alertView_->oldKeyWindow() : nullptr;
    auto screen = window ? MAWindowUtils::currentViewController(*window) : nullptr;
    // An alert's own window never answers for itself.
    return screen.get() == this ? nullptr : screen;
}

std::shared_ptr<ui::Window> MAAlertViewController::windowUnderneath() const {
    if (auto window = alertView_ ? alertView_->oldKeyWindow() : nullptr) return window;
    auto app = ui::Application::existing();
    if (!app) return nullptr;
    auto windows = app->windows();
    return windows.empty() ? nullptr : windows.front();
}

unsigned MAAlertViewController::supportedInterfaceOrientations() const {
    auto screen = screenUnderneath();
    return screen ? screen->supportedInterfaceOrientations() : kAllOrientations;
}

bool MAAlertViewController::shouldAutorotate() const {
    auto screen = screenUnderneath();
    return screen ? screen->shouldAutorotate() : true;
}

bool MAAlertViewController::shouldAutorotateToInterfaceOrientation(ui::InterfaceOrientation orientation) const {
    auto screen = screenUnderneath();
    return screen ? screen->shouldAutorotateToInterfaceOrientation(orientation) : true;
}

ui::StatusBarStyle MAAlertViewController::preferredStatusBarStyle() const {
    auto window = windowUnderneath();
    auto decider = window ? MAWindowUtils::viewControllerForStatusBarStyle(*window) : nullptr;
    return decider && decider.get() != this ? decider->preferredStatusBarStyle() : ui::StatusBarStyle::Default;
}

bool MAAlertViewController::prefersStatusBarHidden() const {
    auto window = windowUnderneath();
    auto decider = window ? MAWindowUtils::viewControllerForStatusBarHidden(*window) : nullptr;
    return decider && decider.get() != this ? decider->prefersStatusBarHidden() : false;
}

void MAAlertViewController::willRotateToInterfaceOrientation(ui::InterfaceOrientation orientation, double duration) {
    ui::ViewController::willRotateToInterfaceOrientation(orientation, duration);
    if (!alertView_) return;
    alertView_->resetTransition();
    alertView_->invalidateLayout();
}

void MAAlertViewController::willAnimateRotationToInterfaceOrientation(ui::InterfaceOrientation orientation,
                                                                      double duration) {
    ui::ViewController::willAnimateRotationToInterfaceOrientation(orientation, duration);
    setNeedsStatusBarAppearanceUpdate();
}
