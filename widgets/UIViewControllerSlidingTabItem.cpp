#include "widgets/UIViewControllerSlidingTabItem.h"

#include "net/imageloader/AssociatedObject.h"

namespace {

AssociatedObject<TAVOSlidingTabItem>& tabItems() {
    static AssociatedObject<TAVOSlidingTabItem> table;
    return table;
}

}  // namespace

TAVOSlidingTabItemPtr UIViewControllerSlidingTabItem::tabItem(const ui::ViewController& controller) {
    return tabItems().get(controller);
}

void UIViewControllerSlidingTabItem::setTabItem(const ui::ViewControllerPtr& controller,
                                                const TAVOSlidingTabItemPtr& item) {
    tabItems().set(controller, item);
}
