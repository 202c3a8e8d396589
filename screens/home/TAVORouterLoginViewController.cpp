#include "screens/home/TAVORouterLoginViewController.h"

#include "platform/ui/NavigationController.h"

void TAVORouterLoginViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    view()->setBackgroundColor(ui::Color::whiteColor());
}

void TAVORouterLoginViewController::leftNavItemPressed() {
    if (auto nav = navigationController()) nav->dismissViewControllerAnimated(true);
}
