#include "platform/ui/AlertView.h"

#include <algorithm>

#include "platform/foundation/Singleton.h"
#include "platform/ui/MainLoop.h"

namespace ui {

namespace {
std::vector<AlertViewPtr>& shown() {
    static std::vector<AlertViewPtr> list;
    static bool registered = false;
    if (!registered) {
        registered = true;
        ns::onTestReset([] { shown().clear(); });
    }
    return list;
}
}  // namespace

AlertViewPtr AlertView::create(const std::string& title, const std::string& message,
                               const std::shared_ptr<AlertViewDelegate>& delegate,
                               const std::optional<std::string>& cancelButtonTitle,
                               const std::vector<std::string>& otherButtonTitles) {
    auto a = make<AlertView>(cg::RectMake(0, 0, 284, 140));
    a->title = title;
    a->message = message;
    a->delegate_ = delegate;
    if (cancelButtonTitle) a->cancelButtonIndex = a->addButtonWithTitle(*cancelButtonTitle);
    for (const auto& t : otherButtonTitles) a->addButtonWithTitle(t);
    return a;
}

long AlertView::addButtonWithTitle(const std::string& title) { return buttons_.add(title); }

std::string AlertView::buttonTitleAtIndex(long index) const { return buttons_.titleAt(index); }

long AlertView::firstOtherButtonIndex() const { return buttons_.firstIndexOtherThan({cancelButtonIndex}); }

void AlertView::setAlertViewStyle(AlertViewStyle style) {
    style_ = style;
    for (auto& f : fields_) f->removeFromSuperview();
    fields_.clear();
    int count = style == AlertViewStyle::Default ? 0 : style == AlertViewStyle::LoginAndPasswordInput ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        auto f = TextField::create(cg::RectMake(12, 80 + 30.0 * i, 260, 25));
        if (style == AlertViewStyle::SecureTextInput || (style == AlertViewStyle::LoginAndPasswordInput && i == 1))
            f->setSecureTextEntry(true);
        fields_.push_back(f);
        addSubview(f);
    }
}

TextFieldPtr AlertView::textFieldAtIndex(long index) const {
    if (index < 0 || index >= static_cast<long>(fields_.size())) return nullptr;
    return fields_[index];
}

void AlertView::show() {
    if (visible_) return;
    auto me = self<AlertView>();
    if (auto d = delegate()) d->willPresentAlertView(*this);
    visible_ = true;
    shown().push_back(me);
    std::weak_ptr<AlertView> weak = me;
    mainloop::performLater([weak] {
        auto a = weak.lock();
        if (!a || !a->visible_) return;
        if (auto d = a->delegate()) d->didPresentAlertView(*a);
    });
}

void AlertView::dismissWithClickedButtonIndex(long index, bool) {
    if (!visible_) return;
    auto me = self<AlertView>();
    if (auto d = delegate()) d->willDismissWithButtonIndex(*this, index);
    visible_ = false;
    if (auto first = std::dynamic_pointer_cast<View>(currentFirstResponder());
        first && first->isDescendantOfView(me))
        first->resignFirstResponder();
    auto& list = shown();
    list.erase(std::remove(list.begin(), list.end(), me), list.end());
    // The alert lives until the delegate heard the end.
    mainloop::performLater([me, index] {
        if (auto d = me->delegate()) d->didDismissWithButtonIndex(*me, index);
    });
}

void AlertView::tapButtonAtIndex(long index) {
    if (!visible_ || index < 0 || index >= numberOfButtons()) return;
    auto me = self<AlertView>();
    if (auto d = delegate()) d->clickedButtonAtIndex(*this, index);
    dismissWithClickedButtonIndex(index, true);
}

std::vector<AlertViewPtr> AlertView::visibleAlerts() { return shown(); }

}  // namespace ui
