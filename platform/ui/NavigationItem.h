// What a controller shows in a navigation bar: a title, an optional title
// view and the bar's left and right views.
#pragma once

#include <memory>
#include <string>

namespace ui {

class View;

struct NavigationItem {
    std::string title;
    std::shared_ptr<View> titleView;
    std::shared_ptr<View> leftBarButtonView;
    std::shared_ptr<View> rightBarButtonView;
    bool hidesBackButton = false;
};

}  // namespace ui
