#include "platform/graphics/Framesetter.h"

#include <cmath>
#include <limits>

namespace ct {

namespace {

double flushFactor(TextAlignment a) {
    switch (a) {
    case TextAlignment::Right: return 1;
    case TextAlignment::Center: return 0.5;
    default: return 0;  // left, natural (left-to-right), justified (ragged here)
    }
}

double limitOrInfinity(double v) {
    return std::isfinite(v) && v > 0 && v < 1e30 ? v : std::numeric_limits<double>::infinity();
}

}  // namespace

std::shared_ptr<Framesetter> Framesetter::create(const ns::AttributedString& text) {
    auto f = std::make_shared<Framesetter>();
    f->typesetter_ = Typesetter::create(text);
    return f;
}

Framesetter::Layout Framesetter::layout(ns::Range range, cg::Size box, bool limitHeight) const {
    Layout out;
    const Typesetter& ts = *typesetter_;
    std::size_t length = ts.length();
    std::size_t start = std::min(range.location, length);
    std::size_t end = range.length == 0 ? length : std::min(length, range.location + range.length);
    double cursor = 0;  // distance from the top consumed so far
    double usedWidth = 0, usedHeight = 0;
    bool first = true;
    while (start < end) {
        ParagraphStylePtr style = ts.paragraphStyleAt(start);
        auto value = [&](ParagraphStyleSpecifier s) { return style ? style->value(s) : ParagraphStyle::defaultValue(s); };
        bool paragraphStart = ts.endsParagraph(start);
        double indent = paragraphStart ? value(ParagraphStyleSpecifier::FirstLineHeadIndent)
                                       : value(ParagraphStyleSpecifier::HeadIndent);
        double tail = value(ParagraphStyleSpecifier::TailIndent);
        double avail = tail > 0 ? tail - indent : box.width + tail - indent;
        auto mode = LineBreakMode(int(value(ParagraphStyleSpecifier::LineBreakMode)));
        std::size_t count = ts.suggestLineBreak(start, avail, mode);
        if (count == 0) break;
        count = std::min(count, end - start);
        LinePtr line = ts.createLine({start, count});
        double h = line->ascent() + line->descent() + line->leading();
        double multiple = value(ParagraphStyleSpecifier::LineHeightMultiple);
        if (multiple > 0) h *= multiple;
        double minH = value(ParagraphStyleSpecifier::MinimumLineHeight), maxH = value(ParagraphStyleSpecifier::MaximumLineHeight);
        if (minH > 0) h = std::max(h, minH);
        if (maxH > 0) h = std::min(h, maxH);
        double lineTop = cursor + (paragraphStart && !first ? value(ParagraphStyleSpecifier::ParagraphSpacingBefore) : 0);
        if (limitHeight && lineTop + h - line->leading() > box.height + 1e-6) break;
        double baselineFromTop = lineTop + h - line->descent() - line->leading();
        double x = indent + line->penOffsetForFlush(flushFactor(TextAlignment(int(value(ParagraphStyleSpecifier::Alignment)))), avail);
        out.lines.push_back(line);
        out.origins.push_back({x, box.height - baselineFromTop});
        usedWidth = std::max(usedWidth, indent + line->width() - line->trailingWhitespaceWidth());
        usedHeight = lineTop + h;
        cursor = lineTop + h + value(ParagraphStyleSpecifier::LineSpacing);
        start += count;
        if (ts.endsParagraph(start)) cursor += value(ParagraphStyleSpecifier::ParagraphSpacing);
        first = false;
    }
    std::size_t from = std::min(range.location, length);
    out.visibleRange = {from, start - from};
    out.used = {usedWidth, usedHeight};
    return out;
}

FramePtr Framesetter::createFrame(ns::Range range, const cg::Path& path) const {
    cg::Rect box = path.boundingBox();
    if (cg::RectIsNull(box)) box = cg::RectZero;
    Layout l = layout(range, box.size, true);
    std::size_t from = std::min(range.location, typesetter_->length());
    ns::Range full{from, range.length == 0 ? typesetter_->length() - from : range.length};
    return std::make_shared<Frame>(full, l.visibleRange, path, box, std::move(l.lines), std::move(l.origins));
}

cg::Size Framesetter::suggestFrameSizeWithConstraints(ns::Range range, cg::Size constraints, ns::Range* fitRange) const {
    double w = limitOrInfinity(constraints.width), h = limitOrInfinity(constraints.height);
    Layout l = layout(range, {w, std::isinf(h) ? 0 : h}, !std::isinf(h));
    if (fitRange) *fitRange = l.visibleRange;
    return l.used;
}

}  // namespace ct
