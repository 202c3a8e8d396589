// How a screen describes its own tab: a screen shown as a tab derives from
// this and overrides the hooks it has answers for. Each answer is empty by
// default (no image, no title). Ask through
// UIViewControllerTKTabBarController, which also lets a navigation
// controller answer with its root screen's hooks.
#pragma once

#include <string>

#include "platform/ui/Image.h"

class TKTabHooks {
public:
    virtual ~TKTabHooks() = default;
    // The artwork of the drawn tab look (tabs without an icon image).
    virtual std::string tabImageName() const { return {}; }
    virtual ui::ImagePtr tabImage() const { return nullptr; }
    virtual ui::ImagePtr tabSelectedImage() const { return nullptr; }
    virtual std::string tabTitle() const { return {}; }
};
