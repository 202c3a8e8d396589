#include "platform/graphics/StringDrawing.h"

#include <cmath>
#include <limits>

#include "platform/graphics/AttributedString.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/TextAttributes.h"
#include "platform/graphics/Typesetter.h"

namespace ct {

namespace {

bool truncating(LineBreakMode m) {
    return m == LineBreakMode::TruncatingHead || m == LineBreakMode::TruncatingTail || m == LineBreakMode::TruncatingMiddle;
}

LineTruncationType truncationType(LineBreakMode m) {
    return m == LineBreakMode::TruncatingHead ? LineTruncationType::Start
           : m == LineBreakMode::TruncatingMiddle ? LineTruncationType::Middle
                                                  : LineTruncationType::End;
}

std::shared_ptr<ns::AttributedString> attributed(std::string_view text, const FontPtr& font) {
    ns::Attributes attrs;
    attrs.set(kFontAttributeName, ns::Value(font));
    attrs.set(kForegroundColorFromContextAttributeName, ns::Value(true));
    return ns::AttributedString::create(text, attrs);
}

double ceilPoints(double v) { return std::ceil(v - 1e-9); }

struct Laid {
    std::vector<LinePtr> lines;
};

// Lines of the text in the width, at most maxLines, the last truncated when
// text remains and the mode truncates.
Laid lay(const ns::AttributedString& text, double width, std::size_t maxLines, LineBreakMode mode, bool wrap) {
    Laid out;
    auto ts = Typesetter::create(text);
    std::size_t start = 0, length = ts->length();
    LineBreakMode breakMode = !wrap ? LineBreakMode::Clipping
                              : mode == LineBreakMode::CharWrapping ? LineBreakMode::CharWrapping
                                                                    : LineBreakMode::WordWrapping;
    while (start < length && out.lines.size() < maxLines) {
        std::size_t count = ts->suggestLineBreak(start, width, breakMode);
        if (count == 0) break;
        bool last = out.lines.size() + 1 == maxLines;
        if (last && start + count < length && truncating(mode)) {
            // Everything left goes into the last line, cut to the width.
            auto rest = ts->createLine({start, length - start});
            auto cut = rest->createTruncatedLine(width, truncationType(mode), nullptr);
            out.lines.push_back(cut ? cut : ts->createLine({start, count}));
            return out;
        }
        LinePtr line = ts->createLine({start, count});
        if (!wrap && truncating(mode) && line->width() - line->trailingWhitespaceWidth() > width) {
            if (auto cut = line->createTruncatedLine(width, truncationType(mode), nullptr)) line = cut;
        }
        out.lines.push_back(line);
        start += count;
    }
    return out;
}

cg::Size sizeOf(const Laid& laid, const Font& font, double maxWidth) {
    double w = 0;
    for (const auto& l : laid.lines) w = std::max(w, l->width() - l->trailingWhitespaceWidth());
    return {ceilPoints(std::min(w, maxWidth)), ceilPoints(double(laid.lines.size()) * font.lineHeight())};
}

std::size_t linesThatFit(double height, const Font& font) {
    double lh = font.lineHeight();
    if (!std::isfinite(height) || height <= 0 || height > 1e30 || lh <= 0) return std::numeric_limits<std::size_t>::max();
    return std::max<std::size_t>(1, std::size_t(std::floor(height / lh + 1e-9)));
}

double widthOrInfinity(double w) {
    return std::isfinite(w) && w > 0 && w < 1e30 ? w : std::numeric_limits<double>::infinity();
}

}  // namespace

cg::Size sizeWithFont(std::string_view text, const FontPtr& font) {
    if (!font || text.empty()) return cg::SizeZero;
    auto line = Line::createWithAttributedString(*attributed(text, font));
    return {ceilPoints(line->width()), ceilPoints(font->lineHeight())};
}

cg::Size sizeWithFont(std::string_view text, const FontPtr& font, cg::Size size, LineBreakMode mode) {
    if (!font || text.empty()) return cg::SizeZero;
    double width = widthOrInfinity(size.width);
    Laid laid = lay(*attributed(text, font), width, linesThatFit(size.height, *font), mode, true);
    return sizeOf(laid, *font, width);
}

cg::Size sizeWithFont(std::string_view text, const FontPtr& font, double forWidth, LineBreakMode mode) {
    if (!font || text.empty()) return cg::SizeZero;
    double width = widthOrInfinity(forWidth);
    Laid laid = lay(*attributed(text, font), width, 1, mode, false);
    return sizeOf(laid, *font, width);
}

cg::Size sizeWithFont(std::string_view text, const FontPtr& font, double minFontSize, double* actualFontSize,
                      double forWidth, LineBreakMode mode) {
    if (actualFontSize) *actualFontSize = font ? font->size() : 0;
    if (!font || text.empty()) return cg::SizeZero;
    double width = widthOrInfinity(forWidth);
    FontPtr used = font;
    double natural = Line::createWithAttributedString(*attributed(text, font))->width();
    if (natural > width && minFontSize < font->size()) {
        // Widths scale with the size, so the fitting size follows directly.
        double size = std::max(minFontSize > 0 ? minFontSize : 1.0, std::floor(font->size() * width / natural * 10) / 10);
        used = font->createCopyWithSize(size);
        while (used && used->size() > minFontSize &&
               Line::createWithAttributedString(*attributed(text, used))->width() > width) {
            used = font->createCopyWithSize(std::max(minFontSize, used->size() - 0.5));
        }
        if (!used) used = font;
    }
    if (actualFontSize) *actualFontSize = used->size();
    return sizeWithFont(text, used, forWidth, mode);
}

std::vector<TextLineLayout> layoutLines(std::string_view text, const FontPtr& font, cg::Size size, LineBreakMode mode) {
    std::vector<TextLineLayout> out;
    if (!font || text.empty()) return out;
    auto str = attributed(text, font);
    Laid laid = lay(*str, widthOrInfinity(size.width), linesThatFit(size.height, *font), mode, true);
    for (const auto& l : laid.lines) {
        std::u16string units;
        for (const auto& run : l->glyphRuns()) units += run->text();
        out.push_back({ns::utf16::toUtf8(units), l->width() - l->trailingWhitespaceWidth()});
    }
    return out;
}

namespace {

cg::Size drawLaid(cg::Context& context, const Laid& laid, const Font& font, cg::Rect rect, TextAlignment alignment) {
    double lh = font.lineHeight();
    cg::AffineTransform savedMatrix = context.getTextMatrix();
    cg::Point savedPosition = context.getTextPosition();
    context.setTextMatrix(cg::AffineTransformIdentity);
    double y = rect.origin.y;
    for (const auto& line : laid.lines) {
        double factor = alignment == TextAlignment::Center ? 0.5 : alignment == TextAlignment::Right ? 1 : 0;
        double x = rect.origin.x + line->penOffsetForFlush(factor, rect.size.width);
        context.saveGState();
        // Lines draw with y up: flip about the baseline.
        context.translateCTM(x, y + line->ascent());
        context.scaleCTM(1, -1);
        context.setTextPosition(0, 0);
        line->draw(context);
        context.restoreGState();
        y += lh;
    }
    context.setTextMatrix(savedMatrix);
    context.setTextPosition(savedPosition.x, savedPosition.y);
    return sizeOf(laid, font, rect.size.width);
}

}  // namespace

cg::Size drawAtPoint(cg::Context& context, std::string_view text, cg::Point point, const FontPtr& font) {
    if (!font || text.empty()) return cg::SizeZero;
    Laid laid = lay(*attributed(text, font), std::numeric_limits<double>::infinity(), 1, LineBreakMode::Clipping, false);
    return drawLaid(context, laid, *font, {point, {std::numeric_limits<double>::infinity(), 0}}, TextAlignment::Left);
}

cg::Size drawAtPoint(cg::Context& context, std::string_view text, cg::Point point, double forWidth, const FontPtr& font,
                     LineBreakMode mode) {
    if (!font || text.empty()) return cg::SizeZero;
    double width = widthOrInfinity(forWidth);
    Laid laid = lay(*attributed(text, font), width, 1, mode, false);
    context.saveGState();
    if (std::isfinite(width)) context.clipToRect(cg::RectMake(point.x, point.y, width, font->lineHeight()));
    cg::Size s = drawLaid(context, laid, *font, {point, {width, 0}}, TextAlignment::Left);
    context.restoreGState();
    return s;
}

cg::Size drawInRect(cg::Context& context, std::string_view text, cg::Rect rect, const FontPtr& font, LineBreakMode mode,
                    TextAlignment alignment) {
    if (!font || text.empty()) return cg::SizeZero;
    Laid laid = lay(*attributed(text, font), widthOrInfinity(rect.size.width), linesThatFit(rect.size.height, *font), mode, true);
    return drawLaid(context, laid, *font, rect, alignment);
}

}  // namespace ct
