#include "platform/ui/Window.h"

#include "platform/ui/Application.h"
#include "platform/ui/ViewController.h"

namespace ui {

void Window::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    layer()->setHidden(true);
    Application::sharedApplication()->registerWindow(self<Window>());
}

Window::~Window() = default;

void Window::setWindowLevel(double level) {
    level_ = level;
    if (auto app = Application::existing()) app->windowLevelChanged();
}

bool Window::isKeyWindow() const {
    auto app = Application::existing();
    return app && app->keyWindow().get() == this;
}

void Window::makeKeyWindow() {
    auto app = Application::sharedApplication();
    auto old = app->keyWindow();
    if (old.get() == this) return;
    app->setKeyWindow(self<Window>());
    if (old) old->resignKeyWindow();
    becomeKeyWindow();
}

void Window::makeKeyAndVisible() {
    makeKeyWindow();
    setHidden(false);
}

void Window::resignKeyWindow() {}

void Window::setHidden(bool hidden) {
    bool was = isHidden();
    if (hidden == was) return;
    if (!hidden) {
        View::setHidden(false);
        if (root_) {
            root_->beginAppearanceTransition(true, false);
            root_->endAppearanceTransition();
        }
    } else {
        if (root_) root_->beginAppearanceTransition(false, false);
        View::setHidden(true);
        if (root_) root_->endAppearanceTransition();
        // The window below takes the status bar back.
        if (auto app = Application::existing()) app->updateStatusBarAppearance();
    }
}

void Window::setRootViewController(const std::shared_ptr<ViewController>& controller) {
    if (controller == root_) return;
    auto old = root_;
    const bool visible = !isHidden();
    if (old) {
        if (visible) old->beginAppearanceTransition(false, false);
        if (old->isViewLoaded()) old->view()->removeFromSuperview();
        if (visible) old->endAppearanceTransition();
    }
    root_ = controller;
    if (!controller) return;
    auto v = controller->view();
    v->setFrame(bounds());
    v->setAutoresizingMask(ViewAutoresizingFlexibleWidth | ViewAutoresizingFlexibleHeight);
    if (visible) controller->beginAppearanceTransition(true, false);
    addSubview(v);
    if (visible) controller->endAppearanceTransition();
}

std::shared_ptr<Responder> Window::nextResponder() const { return Application::existing(); }

cg::Point Window::convertPointToWindow(const cg::Point& p, const std::shared_ptr<Window>& window) const {
    cg::Point screen{p.x + frame().origin.x, p.y + frame().origin.y};
    if (!window) return screen;
    return {screen.x - window->frame().origin.x, screen.y - window->frame().origin.y};
}

}  // namespace ui
