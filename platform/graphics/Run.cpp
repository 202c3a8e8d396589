#include "platform/graphics/Run.h"

#include <cairo.h>

#include <algorithm>

#include "platform/graphics/Context.h"
#include "platform/graphics/TextAttributes.h"
#include "platform/graphics/TextPainter.h"

namespace ct {

ns::Range Run::glyphSpan(ns::Range r) const {
    std::size_t n = glyphCount();
    if (r.length == 0) return {std::min(r.location, n), n - std::min(r.location, n)};
    std::size_t lo = std::min(r.location, n);
    return {lo, std::min(r.length, n - lo)};
}

double Run::typographicBounds(ns::Range glyphRange, double* ascent, double* descent, double* leading) const {
    if (ascent) *ascent = font_->ascent();
    if (descent) *descent = font_->descent();
    if (leading) *leading = font_->leading();
    ns::Range span = glyphSpan(glyphRange);
    double w = 0;
    for (std::size_t i = span.location; i < span.max(); ++i) w += advances_[i].width;
    return w;
}

cg::Rect Run::imageBounds(ns::Range glyphRange) const {
    ns::Range span = glyphSpan(glyphRange);
    if (span.length == 0) return cg::RectZero;
    double w = typographicBounds(glyphRange, nullptr, nullptr, nullptr);
    return cg::RectMake(positions_[span.location].x, -font_->descent(), w, font_->ascent() + font_->descent());
}

void Run::shift(double dx) {
    for (auto& p : positions_) p.x += dx;
}

void Run::draw(cg::Context& context, ns::Range glyphRange) const {
    ns::Range span = glyphSpan(glyphRange);
    if (span.length == 0) return;
    std::size_t u0 = indices_[span.location] - range_.location;
    std::size_t u1 = span.max() < glyphCount() ? indices_[span.max()] - range_.location : text_.size();
    std::u16string part = text_.substr(u0, u1 - u0);
    double width = typographicBounds(glyphRange, nullptr, nullptr, nullptr);
    cg::Point at = context.getTextPosition();
    cg::AffineTransform tm = context.getTextMatrix();
    double x = positions_[span.location].x;

    cg::RGBA color{0, 0, 0, 1};
    if (attributes_[kForegroundColorFromContextAttributeName].boolValue()) {
        color = context.fillColor();
    } else if (auto c = colorFromValue(attributes_[kForegroundColorAttributeName])) {
        color = c->rgba();
    }
    long underline = long(attributes_[kUnderlineStyleAttributeName].intValue()) & 0xFF;
    cg::RGBA underlineColor = color;
    if (auto c = colorFromValue(attributes_[kUnderlineColorAttributeName])) underlineColor = c->rgba();
    double kern = attributes_[kKernAttributeName].doubleValue();

    cg::DrawCall call = context.makeCall(cg::DrawOp::ShowText);
    call.text = ns::utf16::toUtf8(part);
    call.fontName = font_->postScriptName();
    call.fontSize = font_->size();
    call.fillColor = color;
    call.startPoint = {at.x + x, at.y};
    context.record(std::move(call));

    cg::Rect extents = cg::RectApplyAffineTransform(
        cg::RectMake(x, -font_->descent() - 2, width, font_->ascent() + font_->descent() + 4), tm);
    extents = cg::RectOffset(extents, at.x, at.y);
    const Font& font = *font_;
    context.paintWithEffects(extents, [&](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, at.x, at.y);
        cairo_matrix_t m;
        cairo_matrix_init(&m, tm.a, tm.b, tm.c, tm.d, tm.tx, tm.ty);
        cairo_transform(cr, &m);
        cairo_set_source_rgba(cr, color.r, color.g, color.b, color.a);
        paintText(cr, part, font, x, 0, true, kern);
        if (underline != 0) {
            double thickness = font.underlineThickness() * (underline == 2 ? 2 : 1);
            double y = font.underlinePosition();
            cairo_set_source_rgba(cr, underlineColor.r, underlineColor.g, underlineColor.b, underlineColor.a);
            cairo_rectangle(cr, x, y - thickness / 2, width, thickness);
            if (underline == 9) cairo_rectangle(cr, x, y - thickness * 2.5, width, thickness);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    });
}

}  // namespace ct
