// The tab hooks asked of any controller: a screen that derives from
// TKTabHooks answers for itself, a navigation controller answers with its
// root screen's answers, and every other controller has no image and no
// title. Also finds the application's tab bar controller.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Image.h"
#include "platform/ui/ViewController.h"

class TKTabBarController;

class UIViewControllerTKTabBarController {
public:
    static std::string tabImageName(const ui::ViewControllerPtr& controller);
    static ui::ImagePtr tabImage(const ui::ViewControllerPtr& controller);
    static ui::ImagePtr tabSelectedImage(const ui::ViewControllerPtr& controller);
    static std::string tabTitle(const ui::ViewControllerPtr& controller);

    // The first tab bar controller among the controllers of the navigation
    // controller at the root of the application delegate's window, or null.
    static std::shared_ptr<TKTabBarController> tkTabBarController();
};
