#include "platform/render/DesktopInput.h"

#include "platform/ui/Application.h"
#include "platform/ui/Responder.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"

namespace cg {

namespace {

Point inWindow(const ui::Window& window, const Point& screenPoint) {
    return {screenPoint.x - window.frame().origin.x, screenPoint.y - window.frame().origin.y};
}

}  // namespace

void DesktopInput::press(const Point& screenPoint, int clicks) {
    flush();
    pointer_ = screenPoint;
    auto app = ui::Application::existing();
    auto window = app ? app->windowAtPoint(screenPoint) : nullptr;
    if (!window) return;
    window_ = window;
    driver_.down(window, inWindow(*window, screenPoint), clicks < 1 ? 1 : clicks);
}

void DesktopInput::move(const Point& screenPoint) {
    pointer_ = screenPoint;
    movePending_ = driver_.isTouching();
}

void DesktopInput::flush() {
    if (!movePending_) return;
    movePending_ = false;
    auto window = window_.lock();
    if (!window || !driver_.isTouching()) return;
    driver_.moveTo(inWindow(*window, pointer_));
}

void DesktopInput::release(const Point& screenPoint) {
    if (!driver_.isTouching()) return;
    // A release away from the last move is a move first, in the same frame.
    if (screenPoint != pointer_) move(screenPoint);
    flush();
    driver_.up();
    window_.reset();
}

void DesktopInput::cancel() {
    movePending_ = false;
    driver_.cancel();
    window_.reset();
}

bool DesktopInput::wheel(const Point& distance) {
    // A finger on the glass has the content; the wheel waits.
    if (driver_.isTouching()) return false;
    auto app = ui::Application::existing();
    auto window = app ? app->windowAtPoint(pointer_) : nullptr;
    if (!window || window->isHidden()) return false;
    for (auto view = window->hitTest(inWindow(*window, pointer_), nullptr); view; view = view->superview()) {
        if (auto scroll = std::dynamic_pointer_cast<ui::ScrollView>(view); scroll && scroll->scrollByWheel(distance))
            return true;
    }
    return false;
}

void DesktopInput::text(const std::string& utf8) {
    auto responder = ui::Responder::currentFirstResponder();
    if (auto field = std::dynamic_pointer_cast<ui::TextField>(responder)) {
        field->insertText(utf8);
    } else if (auto view = std::dynamic_pointer_cast<ui::TextView>(responder)) {
        view->insertText(utf8);
    }
}

void DesktopInput::backspace() {
    auto responder = ui::Responder::currentFirstResponder();
    if (auto field = std::dynamic_pointer_cast<ui::TextField>(responder)) {
        field->deleteBackward();
    } else if (auto view = std::dynamic_pointer_cast<ui::TextView>(responder)) {
        view->deleteBackward();
    }
}

void DesktopInput::returnKey() {
    auto responder = ui::Responder::currentFirstResponder();
    if (auto field = std::dynamic_pointer_cast<ui::TextField>(responder)) {
        field->pressReturn();
    } else if (auto view = std::dynamic_pointer_cast<ui::TextView>(responder)) {
        view->insertText("\n");
    }
}

}  // namespace cg
