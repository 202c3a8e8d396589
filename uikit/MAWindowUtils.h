// What a window shows on top and which of its controllers decides the
// status bar: an alert's window answers rotation and status-bar questions
// for the screen underneath through these.
#pragma once

#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"

class MAWindowUtils {
public:
    // The root view controller, followed along what each presents to the
    // last one presented; null without a root.
    static ui::ViewControllerPtr currentViewController(const ui::Window& window);
    // The current controller, followed along the children that decide the
    // status bar's style (or its hidden state) in their parent's place.
    static ui::ViewControllerPtr viewControllerForStatusBarStyle(const ui::Window& window);
    static ui::ViewControllerPtr viewControllerForStatusBarHidden(const ui::Window& window);
};
