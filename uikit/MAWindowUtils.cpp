#include "uikit/MAWindowUtils.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// Follows `next` from `start` until it answers null. A controller met a
// second time ends the walk, so a badly wired chain cannot loop.
ui::ViewControllerPtr followed(ui::ViewControllerPtr start,
                               const std::function<ui::ViewControllerPtr(const ui::ViewController&)>& next) {
    std::vector<ui::ViewControllerPtr> seen;
    auto current = std::move(start);
    while (current) {
        seen.push_back(current);
        auto following = next(*current);
        if (!following || std::find(seen.begin(), seen.end(), following) != seen.end()) break;
        current = std::move(following);
    }
    return current;
}

}  // namespace

ui::ViewControllerPtr MAWindowUtils::currentViewController(const ui::Window& window) {
    return followed(window.rootViewController(),
                    [](const ui::ViewController& c) { return c.presentedViewController(); });
}

ui::ViewControllerPtr MAWindowUtils::viewControllerForStatusBarStyle(const ui::Window& window) {
    return followed(currentViewController(window),
                    [](const ui::ViewController& c) { return c.childViewControllerForStatusBarStyle(); });
}

ui::ViewControllerPtr MAWindowUtils::viewControllerForStatusBarHidden(const ui::Window& window) {
    return followed(currentViewController(window),
                    [](const ui::ViewController& c) { return c.childViewControllerForStatusBarHidden(); });
}
