#include "platform/ui/TextField.h"

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/StringUtils.h"

namespace ui {

void TextField::setText(const std::string& text) { setProperty(text_, text, PropertyEffectsDisplay); }

void TextField::setPlaceholder(const std::string& p) { setProperty(placeholder_, p, PropertyEffectsDisplay); }

void TextField::setFont(const Font& f) { setProperty(font_, f, PropertyEffectsDisplay, "font"); }

void TextField::setTextColor(const OptionalColor& c) { setProperty(textColor_, c, PropertyEffectsDisplay, "textColor"); }

std::string TextField::displayedText() const {
    if (!traits.secureTextEntry) return text_;
    std::string out;
    for (std::size_t i = 0, n = ns::utf16::length(text_); i < n; ++i) out += "\u2022";
    return out;
}

void TextField::postTextNotification(const std::string& name) {
    ns::NotificationCenter::defaultCenter()->postNotificationName(name, ns::Value(self<TextField>()));
}

bool TextField::canBecomeFirstResponder() const { return isEnabled() && !isHidden(); }

bool TextField::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!canBecomeFirstResponder()) return false;
    auto keep = self<TextField>();
    auto d = delegate();
    if (d && !d->textFieldShouldBeginEditing(*this)) return false;
    if (!Control::becomeFirstResponder()) return false;
    editing_ = true;
    if (clearsOnBeginEditing) text_.clear();
    if (d) d->textFieldDidBeginEditing(*this);
    sendActionsForControlEvents(ControlEventEditingDidBegin);
    postTextNotification(TextFieldTextDidBeginEditingNotification);
    return true;
}

bool TextField::canResignFirstResponder() const {
    if (resigning_) return true;
    auto d = delegate();
    return !d || d->textFieldShouldEndEditing(const_cast<TextField&>(*this));
}

bool TextField::resignFirstResponder() {
    if (!isFirstResponder()) return true;
    auto keep = self<TextField>();
    if (!canResignFirstResponder()) return false;
    resigning_ = true;  // the delegate was asked once
    bool ok = Control::resignFirstResponder();
    resigning_ = false;
    if (!ok) return false;
    editing_ = false;
    if (auto d = delegate()) d->textFieldDidEndEditing(*this);
    sendActionsForControlEvents(ControlEventEditingDidEnd);
    postTextNotification(TextFieldTextDidEndEditingNotification);
    return true;
}

bool TextField::replaceRange(ns::Range range, const std::string& replacement) {
    auto keep = self<TextField>();
    std::size_t length = ns::utf16::length(text_);
    if (range.location > length) range.location = length;
    if (range.length > length - range.location) range.length = length - range.location;
    if (auto d = delegate(); d && !d->shouldChangeCharactersInRange(*this, range, replacement)) return false;
    text_ = ns::str::replacingCharacters(text_, range, replacement);
    sendActionsForControlEvents(ControlEventEditingChanged);
    postTextNotification(TextFieldTextDidChangeNotification);
    return true;
}

bool TextField::insertText(const std::string& text) {
    return replaceRange(ns::makeRange(ns::utf16::length(text_), 0), text);
}

bool TextField::deleteBackward() {
    std::size_t length = ns::utf16::length(text_);
    if (length == 0) return false;
    // A surrogate pair goes as one character.
    std::size_t n = length >= 2 && ns::utf16::isLowSurrogate(ns::utf16::characterAt(text_, length - 1)) ? 2 : 1;
    return replaceRange(ns::makeRange(length - n, n), "");
}

bool TextField::clear() {
    auto keep = self<TextField>();
    if (auto d = delegate(); d && !d->textFieldShouldClear(*this)) return false;
    text_.clear();
    sendActionsForControlEvents(ControlEventEditingChanged);
    postTextNotification(TextFieldTextDidChangeNotification);
    return true;
}

bool TextField::pressReturn() {
    auto keep = self<TextField>();
    bool answer = true;
    if (auto d = delegate()) answer = d->textFieldShouldReturn(*this);
    if (answer) sendActionsForControlEvents(ControlEventEditingDidEndOnExit);
    return answer;
}

void TextField::touchesEnded(const TouchSet& touches, const Event* event) {
    bool inside = !touches.empty() &&
                  cg::RectContainsPoint(bounds(), touches.front()->locationInView(self<View>()));
    Control::touchesEnded(touches, event);
    if (inside && isEnabled()) becomeFirstResponder();
}

}  // namespace ui
