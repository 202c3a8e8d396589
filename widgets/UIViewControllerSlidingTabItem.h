// The tab a page of the sliding tabs shows for itself, kept with the
// controller from outside its class so that any controller can be a page.
#pragma once

#include <memory>

#include "platform/ui/ViewController.h"
#include "widgets/TAVOSlidingTabItem.h"

class UIViewControllerSlidingTabItem {
public:
    UIViewControllerSlidingTabItem() = delete;

    static TAVOSlidingTabItemPtr tabItem(const ui::ViewController& controller);
    static void setTabItem(const ui::ViewControllerPtr& controller, const TAVOSlidingTabItemPtr& item);
};
