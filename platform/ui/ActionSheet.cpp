#include "platform/ui/ActionSheet.h"

#include <algorithm>

#include "platform/foundation/Singleton.h"
#include "platform/ui/MainLoop.h"
#include "platform/ui/Window.h"

namespace ui {

namespace {
std::vector<std::shared_ptr<ActionSheet>>& shown() {
    static std::vector<std::shared_ptr<ActionSheet>> list;
    static bool registered = false;
    if (!registered) {
        registered = true;
        ns::onTestReset([] { shown().clear(); });
    }
    return list;
}
}  // namespace

std::shared_ptr<ActionSheet> ActionSheet::create(const std::string& title,
                                                 const std::shared_ptr<ActionSheetDelegate>& delegate,
                                                 const std::optional<std::string>& cancelButtonTitle,
                                                 const std::optional<std::string>& destructiveButtonTitle,
                                                 const std::vector<std::string>& otherButtonTitles) {
    auto s = make<ActionSheet>(cg::RectMake(0, 0, 320, 200));
    s->title = title;
    s->delegate_ = delegate;
    if (destructiveButtonTitle) s->destructiveButtonIndex = s->addButtonWithTitle(*destructiveButtonTitle);
    for (const auto& t : otherButtonTitles) s->addButtonWithTitle(t);
    if (cancelButtonTitle) s->cancelButtonIndex = s->addButtonWithTitle(*cancelButtonTitle);
    return s;
}

long ActionSheet::addButtonWithTitle(const std::string& title) { return buttons_.add(title); }

std::string ActionSheet::buttonTitleAtIndex(long index) const { return buttons_.titleAt(index); }

long ActionSheet::firstOtherButtonIndex() const {
    return buttons_.firstIndexOtherThan({cancelButtonIndex, destructiveButtonIndex});
}

void ActionSheet::showInView(const ViewPtr& view) {
    if (visible_) return;
    visible_ = true;
    auto me = self<ActionSheet>();
    if (view) {
        if (auto w = view->window()) {
            cg::Rect b = w->bounds();
            setFrame(cg::RectMake(0, b.size.height - frame().size.height, b.size.width, frame().size.height));
            w->addSubview(me);
        }
    }
    shown().push_back(me);
}

void ActionSheet::dismissWithClickedButtonIndex(long index, bool) {
    if (!visible_) return;
    auto me = self<ActionSheet>();
    if (auto d = delegate()) d->willDismissWithButtonIndex(*this, index);
    visible_ = false;
    removeFromSuperview();
    auto& list = shown();
    list.erase(std::remove(list.begin(), list.end(), me), list.end());
    mainloop::performLater([me, index] {
        if (auto d = me->delegate()) d->didDismissWithButtonIndex(*me, index);
    });
}

void ActionSheet::tapButtonAtIndex(long index) {
    if (!visible_ || index < 0 || index >= numberOfButtons()) return;
    auto me = self<ActionSheet>();
    if (auto d = delegate()) d->clickedButtonAtIndex(*this, index);
    dismissWithClickedButtonIndex(index, true);
}

std::vector<std::shared_ptr<ActionSheet>> ActionSheet::visibleSheets() { return shown(); }

}  // namespace ui
