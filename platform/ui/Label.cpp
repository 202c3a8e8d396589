#include "platform/ui/Label.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/graphics/StringDrawing.h"

namespace ui {

namespace {
constexpr double kUnbounded = 1e7;

ct::TextAlignment toCT(TextAlignment a) {
    switch (a) {
        case TextAlignment::Center: return ct::TextAlignment::Center;
        case TextAlignment::Right: return ct::TextAlignment::Right;
        case TextAlignment::Justified: return ct::TextAlignment::Justified;
        default: return ct::TextAlignment::Left;
    }
}
}  // namespace

void Label::initWithFrame(const cg::Rect& frame) {
    View::initWithFrame(frame);
    setUserInteractionEnabled(false);
    setOpaque(false);
}

void Label::setText(const std::string& text) { setProperty(text_, text, PropertyEffectsDisplay); }

void Label::setFont(const Font& font) { setProperty(font_, font, PropertyEffectsDisplay, "font"); }

void Label::setTextColor(const Color& color) { setProperty(textColor_, color, PropertyEffectsDisplay, "textColor"); }

void Label::setHighlightedTextColor(const OptionalColor& color) {
    setProperty(highlightedTextColor_, color, PropertyEffectsDisplay, "highlightedTextColor");
}

void Label::setHighlighted(bool h) { setProperty(highlighted_, h, PropertyEffectsDisplay); }

void Label::setEnabled(bool e) { setProperty(enabled_, e, PropertyEffectsDisplay); }

void Label::setTextAlignment(TextAlignment a) { setProperty(alignment_, a, PropertyEffectsDisplay); }

void Label::setLineBreakMode(LineBreakMode m) { setProperty(lineBreakMode_, m, PropertyEffectsDisplay); }

void Label::setNumberOfLines(long n) { setProperty(numberOfLines_, std::max(0L, n), PropertyEffectsDisplay); }

void Label::setAdjustsFontSizeToFitWidth(bool on) { setProperty(adjustsFontSize_, on, PropertyEffectsDisplay); }

void Label::setMinimumFontSize(double size) { setProperty(minimumFontSize_, size, PropertyEffectsDisplay); }

void Label::setMinimumScaleFactor(double f) { setProperty(minimumScaleFactor_, f, PropertyEffectsDisplay); }

void Label::setShadowColor(const OptionalColor& c) {
    setProperty(shadowColor_, c, PropertyEffectsDisplay, "shadowColor");
}

void Label::setShadowOffset(const cg::Size& s) { setProperty(shadowOffset_, s, PropertyEffectsDisplay); }

Color Label::currentTextColor() const {
    if (highlighted_ && highlightedTextColor_) return *highlightedTextColor_;
    return textColor_;
}

double Label::displayedFontSize() const {
    double size = font_.pointSize();
    if (!adjustsFontSize_ || numberOfLines_ != 1 || text_.empty()) return size;
    double minimum = minimumScaleFactor_ > 0 ? size * minimumScaleFactor_ : minimumFontSize_;
    double actual = size;
    ct::sizeWithFont(text_, font_.ctFont(), std::min(minimum, size), &actual, bounds().size.width, lineBreakMode_);
    return actual;
}

cg::Size Label::sizeThatFits(const cg::Size& size) const {
    if (text_.empty()) return {0, 0};
    if (numberOfLines_ == 1) return ct::sizeWithFont(text_, font_.ctFont());
    double width = size.width > 0 ? size.width : kUnbounded;
    double height = numberOfLines_ > 0 ? numberOfLines_ * font_.lineHeight() + 0.5 : kUnbounded;
    return ct::sizeWithFont(text_, font_.ctFont(), cg::Size{width, height}, LineBreakMode::WordWrapping);
}

cg::Rect Label::textRectForBounds(const cg::Rect& b, long lines) const {
    if (text_.empty()) return {b.origin, {0, 0}};
    cg::Size s;
    if (lines == 1) {
        auto f = font_.fontWithSize(displayedFontSize());
        s = ct::sizeWithFont(text_, f.ctFont(), b.size.width, lineBreakMode_);
    } else {
        double height = lines > 0 ? std::min(b.size.height, lines * font_.lineHeight() + 0.5) : b.size.height;
        s = ct::sizeWithFont(text_, font_.ctFont(), cg::Size{b.size.width, std::max(height, font_.lineHeight())},
                             lineBreakMode_);
    }
    s.width = std::min(s.width, b.size.width);
    double x = b.origin.x;
    if (alignment_ == TextAlignment::Center) x += (b.size.width - s.width) / 2;
    if (alignment_ == TextAlignment::Right) x += b.size.width - s.width;
    return cg::RectMake(x, b.origin.y + std::floor((b.size.height - s.height) / 2), s.width, s.height);
}

void Label::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context || text_.empty()) return;
    cg::Rect r = textRectForBounds(bounds(), numberOfLines_);
    r.origin.x = bounds().origin.x;
    r.size.width = bounds().size.width;
    auto f = numberOfLines_ == 1 ? font_.fontWithSize(displayedFontSize()) : font_;
    if (shadowColor_) {
        const Color& sc = *shadowColor_;
        context->setRGBFillColor(sc.red(), sc.green(), sc.blue(), sc.alpha());
        ct::drawInRect(*context, text_, cg::RectOffset(r, shadowOffset_.width, shadowOffset_.height), f.ctFont(),
                       lineBreakMode_, toCT(alignment_));
    }
    Color c = currentTextColor();
    double alpha = enabled_ ? c.alpha() : c.alpha() * 0.5;
    context->setRGBFillColor(c.red(), c.green(), c.blue(), alpha);
    ct::drawInRect(*context, text_, r, f.ctFont(), lineBreakMode_, toCT(alignment_));
}

}  // namespace ui
