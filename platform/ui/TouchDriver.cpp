#include "platform/ui/TouchDriver.h"

#include "platform/ui/Application.h"
#include "platform/ui/TouchArena.h"
#include "platform/ui/View.h"
#include "platform/ui/Window.h"

namespace ui {

TouchDriver::~TouchDriver() {
    if (arena_) cancel();
}

void TouchDriver::wait(double seconds) {
    if (advance_ && seconds > 0) advance_(seconds);
}

std::shared_ptr<View> TouchDriver::down(const std::shared_ptr<Window>& window, const cg::Point& point, int tapCount) {
    if (arena_) up();
    if (!window) return nullptr;
    touch_ = Touch::create();
    touch_->window = window;
    touch_->windowLocation = touch_->previousWindowLocation = point;
    touch_->tapCount = tapCount;
    std::shared_ptr<View> hit;
    if (!window->isHidden()) hit = window->hitTest(point, nullptr);
    touch_->view = hit;
    arena_ = std::make_unique<TouchArena>(window, touch_, hit);
    arena_->began();
    return hit;
}

void TouchDriver::moveTo(const cg::Point& point) {
    if (!arena_) return;
    touch_->previousWindowLocation = touch_->windowLocation;
    touch_->windowLocation = point;
    arena_->moved();
}

void TouchDriver::up() {
    if (!arena_) return;
    auto arena = std::move(arena_);
    arena->ended();
    arena.reset();
    touch_.reset();
}

void TouchDriver::cancel() {
    if (!arena_) return;
    auto arena = std::move(arena_);
    arena->cancelled();
    arena.reset();
    touch_.reset();
}

std::shared_ptr<View> TouchDriver::tap(const std::shared_ptr<Window>& window, const cg::Point& point, int tapCount) {
    auto hit = down(window, point, tapCount);
    up();
    return hit;
}

std::shared_ptr<View> TouchDriver::tapView(const std::shared_ptr<View>& view) {
    if (!view) return nullptr;
    auto w = view->window();
    if (!w) return nullptr;
    cg::Rect b = view->bounds();
    cg::Point mid = view->convertPointToView({cg::RectGetMidX(b), cg::RectGetMidY(b)}, nullptr);
    return tap(w, mid);
}

std::shared_ptr<View> TouchDriver::tapScreen(const cg::Point& screenPoint) {
    auto w = Application::sharedApplication()->windowAtPoint(screenPoint);
    if (!w) return nullptr;
    cg::Point p{screenPoint.x - w->frame().origin.x, screenPoint.y - w->frame().origin.y};
    return tap(w, p);
}

std::shared_ptr<View> TouchDriver::longPress(const std::shared_ptr<Window>& window, const cg::Point& point,
                                             double seconds) {
    auto hit = down(window, point);
    wait(seconds);
    up();
    return hit;
}

std::shared_ptr<View> TouchDriver::drag(const std::shared_ptr<Window>& window, const cg::Point& from,
                                        const cg::Point& to, double seconds, int steps) {
    auto hit = down(window, from);
    if (steps < 1) steps = 1;
    for (int i = 1; i <= steps; ++i) {
        wait(seconds / steps);
        double f = static_cast<double>(i) / steps;
        moveTo({from.x + (to.x - from.x) * f, from.y + (to.y - from.y) * f});
    }
    up();
    return hit;
}

}  // namespace ui
