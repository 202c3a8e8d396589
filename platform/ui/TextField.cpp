#include "platform/ui/TextField.h"

#include <algorithm>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/StringUtils.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/Path.h"
#include "platform/graphics/StringDrawing.h"

namespace ui {

namespace {

// How far the text stays from the left and right edges inside a border.
constexpr double kBorderTextInset = 7;
constexpr double kRoundedCornerRadius = 5;
constexpr double kCaretWidth = 2;
const Color kPlaceholderColor = Color::white(0.7);
const Color kDefaultCaretColor = Color::rgba(0.26, 0.42, 0.95);

void setFill(cg::Context& context, const Color& c) { context.setRGBFillColor(c.red(), c.green(), c.blue(), c.alpha()); }

}  // namespace

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

void TextField::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    const cg::Rect b = bounds();
    double inset = 0;
    if (borderStyle != TextBorderStyle::None) {
        inset = kBorderTextInset;
        cg::Rect edge = cg::RectInset(b, 0.5, 0.5);
        context->saveGState();
        context->setLineWidth(1);
        context->beginPath();
        if (borderStyle == TextBorderStyle::RoundedRect) {
            context->addPath(cg::Path::withRoundedRect(edge, kRoundedCornerRadius, kRoundedCornerRadius));
            context->setGrayFillColor(1, 1);
            context->setGrayStrokeColor(0.75, 1);
            context->drawPath(cg::PathDrawingMode::FillStroke);
        } else {
            context->addRect(edge);
            context->setGrayStrokeColor(borderStyle == TextBorderStyle::Line ? 0 : 0.5, 1);
            context->strokePath();
        }
        context->restoreGState();
    }
    const cg::Rect area = cg::RectInset(b, inset, 0);
    if (area.size.width <= 0) return;
    const bool showsPlaceholder = text_.empty();
    const std::string shown = showsPlaceholder ? placeholder_ : displayedText();
    const auto ctFont = font_.ctFont();
    const double width = shown.empty() ? 0 : ct::sizeWithFont(shown, ctFont).width;
    const double height = font_.lineHeight();
    const double top = area.origin.y + std::floor((area.size.height - height) / 2);
    auto startFor = [&](double w) {
        if (textAlignment == TextAlignment::Center) return area.origin.x + (area.size.width - w) / 2;
        if (textAlignment == TextAlignment::Right) return cg::RectGetMaxX(area) - w;
        return area.origin.x;
    };
    // Typing past the right edge keeps the end, where the caret is, in view.
    const bool keepsEnd = editing_ && !showsPlaceholder && width + kCaretWidth > area.size.width;
    const double x = keepsEnd ? cg::RectGetMaxX(area) - width - kCaretWidth : std::max(startFor(width), area.origin.x);
    context->saveGState();
    context->clipToRect(area);
    if (!shown.empty()) {
        Color color = showsPlaceholder ? kPlaceholderColor : textColor_.value_or(Color::blackColor());
        setFill(*context, isEnabled() ? color : color.colorWithAlphaComponent(color.alpha() * 0.5));
        if (keepsEnd) ct::drawAtPoint(*context, shown, {x, top}, ctFont);
        else ct::drawAtPoint(*context, shown, {x, top}, cg::RectGetMaxX(area) - x, ctFont, ct::LineBreakMode::TruncatingTail);
    }
    if (editing_) {
        const double caretX = showsPlaceholder ? startFor(0) : x + width;
        setFill(*context, tintColor().value_or(kDefaultCaretColor));
        context->fillRect(cg::RectMake(std::min(caretX, cg::RectGetMaxX(area) - kCaretWidth), top, kCaretWidth, height));
    }
    context->restoreGState();
}

void TextField::touchesEnded(const TouchSet& touches, const Event* event) {
    bool inside = !touches.empty() &&
                  cg::RectContainsPoint(bounds(), touches.front()->locationInView(self<View>()));
    Control::touchesEnded(touches, event);
    if (inside && isEnabled()) becomeFirstResponder();
}

}  // namespace ui
