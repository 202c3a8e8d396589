#include "platform/ui/Screen.h"

#include "platform/foundation/Singleton.h"
#include "platform/ui/Application.h"

namespace ui {

std::shared_ptr<Screen> Screen::mainScreen() { return ns::Singleton<Screen>::get(); }

cg::Rect Screen::applicationFrame() const {
    auto app = Application::existing();
    double bar = (app && app->isStatusBarHidden()) ? 0 : 20;
    return cg::RectMake(0, bar, bounds_.size.width, bounds_.size.height - bar);
}

void Screen::setTallScreen(bool tall) { bounds_ = cg::RectMake(0, 0, 320, tall ? 568 : 480); }

}  // namespace ui
