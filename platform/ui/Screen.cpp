#include "platform/ui/Screen.h"

#include "platform/foundation/Singleton.h"
#include "platform/ui/Application.h"

namespace ui {

std::shared_ptr<Screen> Screen::mainScreen() { return ns::Singleton<Screen>::get(); }

cg::Rect Screen::applicationFrame() const {
    auto app = Application::existing();
    if (!app) return cg::RectMake(0, 20, bounds_.size.width, bounds_.size.height - 20);
    // The screen less the strip the status bar takes along one of its edges.
    cg::Rect frame = bounds_;
    cg::Rect bar = app->statusBarFrame();
    if (bar.size.width == bounds_.size.width) {
        if (bar.origin.y == 0) frame.origin.y += bar.size.height;
        frame.size.height -= bar.size.height;
    } else {
        if (bar.origin.x == 0) frame.origin.x += bar.size.width;
        frame.size.width -= bar.size.width;
    }
    return frame;
}

void Screen::setTallScreen(bool tall) { bounds_ = cg::RectMake(0, 0, 320, tall ? 568 : 480); }

}  // namespace ui
