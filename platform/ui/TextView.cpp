#include "platform/ui/TextView.h"

#include <algorithm>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/StringUtils.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/StringDrawing.h"

namespace ui {

void TextView::setText(const std::string& text) { setProperty(text_, text, PropertyEffectsDisplay); }

void TextView::setTextDelegate(const std::shared_ptr<TextViewDelegate>& d) {
    textDelegate_ = d;
    setDelegate(d);
}

bool TextView::becomeFirstResponder() {
    if (isFirstResponder()) return true;
    if (!canBecomeFirstResponder()) return false;
    auto keep = self<TextView>();
    auto d = textDelegate();
    if (d && !d->textViewShouldBeginEditing(*this)) return false;
    if (!ScrollView::becomeFirstResponder()) return false;
    editing_ = true;
    if (d) d->textViewDidBeginEditing(*this);
    return true;
}

bool TextView::canResignFirstResponder() const {
    if (resigning_) return true;
    auto d = textDelegate();
    return !d || d->textViewShouldEndEditing(const_cast<TextView&>(*this));
}

bool TextView::resignFirstResponder() {
    if (!isFirstResponder()) return true;
    auto keep = self<TextView>();
    if (!canResignFirstResponder()) return false;
    resigning_ = true;
    bool ok = ScrollView::resignFirstResponder();
    resigning_ = false;
    if (!ok) return false;
    editing_ = false;
    if (auto d = textDelegate()) d->textViewDidEndEditing(*this);
    return true;
}

bool TextView::replaceRange(ns::Range range, const std::string& replacement) {
    if (!editable) return false;
    auto keep = self<TextView>();
    std::size_t length = ns::utf16::length(text_);
    if (range.location > length) range.location = length;
    if (range.length > length - range.location) range.length = length - range.location;
    auto d = textDelegate();
    if (d && !d->shouldChangeTextInRange(*this, range, replacement)) return false;
    text_ = ns::str::replacingCharacters(text_, range, replacement);
    if (d) d->textViewDidChange(*this);
    ns::NotificationCenter::defaultCenter()->postNotificationName(TextViewTextDidChangeNotification,
                                                                  ns::Value(self<TextView>()));
    return true;
}

bool TextView::insertText(const std::string& text) {
    return replaceRange(ns::makeRange(ns::utf16::length(text_), 0), text);
}

bool TextView::deleteBackward() {
    std::size_t length = ns::utf16::length(text_);
    if (length == 0) return false;
    std::size_t n = length >= 2 && ns::utf16::isLowSurrogate(ns::utf16::characterAt(text_, length - 1)) ? 2 : 1;
    return replaceRange(ns::makeRange(length - n, n), "");
}

void TextView::touchesEnded(const TouchSet& touches, const Event* event) {
    ScrollView::touchesEnded(touches, event);
    if (editable) becomeFirstResponder();
}

void TextView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context || text_.empty()) return;
    const Color c = textColor.value_or(Color::blackColor());
    context->setRGBFillColor(c.red(), c.green(), c.blue(), c.alpha());
    const ct::TextAlignment alignment = textAlignment == TextAlignment::Center  ? ct::TextAlignment::Center
                                        : textAlignment == TextAlignment::Right ? ct::TextAlignment::Right
                                                                                 : ct::TextAlignment::Left;
    // In content coordinates from the top, so the text scrolls with the content.
    const cg::Rect area = cg::RectMake(kTextInsetX, kTextInsetY, bounds().size.width - 2 * kTextInsetX,
                                       std::max(bounds().size.height, contentSize().height) - kTextInsetY);
    ct::drawInRect(*context, text_, area, font_.ctFont(),
                   ct::LineBreakMode::WordWrapping, alignment);
}

}  // namespace ui
