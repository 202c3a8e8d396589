#include "platform/graphics/Line.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Context.h"
#include "platform/graphics/Typesetter.h"

namespace ct {

std::shared_ptr<Line> Line::createWithAttributedString(const ns::AttributedString& text) {
    auto t = Typesetter::create(text);
    return t->createLine(ns::Range{0, text.length()});
}

std::size_t Line::glyphCount() const {
    std::size_t n = 0;
    for (const auto& r : runs_) n += r->glyphCount();
    return n;
}

double Line::typographicBounds(double* ascent, double* descent, double* leading) const {
    if (ascent) *ascent = ascent_;
    if (descent) *descent = descent_;
    if (leading) *leading = leading_;
    return width_;
}

cg::Rect Line::imageBounds() const {
    double w = width_ - trailingWhitespace_;
    if (w <= 0) return cg::RectZero;
    return cg::RectMake(0, -descent_, w, ascent_ + descent_);
}

std::size_t Line::stringIndexForPosition(cg::Point position) const {
    std::size_t last = range_.location;
    for (const auto& run : runs_) {
        for (std::size_t i = 0; i < run->glyphCount(); ++i) {
            double x0 = run->positions()[i].x, adv = run->advances()[i].width;
            char16_t u = run->text()[run->stringIndices()[i] - run->stringRange().location];
            if (u == '\n' || u == '\r') return run->stringIndices()[i];
            if (position.x < x0 + adv / 2) return run->stringIndices()[i];
            last = i + 1 < run->glyphCount() ? run->stringIndices()[i + 1] : run->stringRange().max();
        }
    }
    return last;
}

double Line::offsetForStringIndex(std::size_t index, double* secondary) const {
    double offset = width_;
    bool found = false;
    for (const auto& run : runs_) {
        for (std::size_t i = 0; i < run->glyphCount() && !found; ++i) {
            if (run->stringIndices()[i] >= index) {
                offset = run->positions()[i].x;
                found = true;
            }
        }
        if (found) break;
    }
    if (!found && index <= range_.location) offset = 0;
    if (secondary) *secondary = offset;
    return offset;
}

double Line::penOffsetForFlush(double flushFactor, double flushWidth) const {
    if (flushFactor <= 0 || !std::isfinite(flushWidth)) return 0;
    double w = width_ - trailingWhitespace_;
    double free = flushWidth - w;
    if (free <= 0) return 0;
    return free * std::clamp(flushFactor, 0.0, 1.0);
}

void Line::draw(cg::Context& context) const {
    for (const auto& run : runs_) run->draw(context, ns::Range{0, 0});
}

std::shared_ptr<Line> Line::createTruncatedLine(double width, LineTruncationType type,
                                                const std::shared_ptr<Line>& token) const {
    if (width_ - trailingWhitespace_ <= width + 1e-9) return std::make_shared<Line>(range_, runs_, width_, ascent_, descent_, leading_, trailingWhitespace_);
    // Rebuild the line's text with its attributes, then cut it.
    struct G {
        std::u16string units;
        double advance;
        const ns::Dictionary* attrs;
    };
    std::vector<G> glyphs;
    for (const auto& run : runs_) {
        for (std::size_t i = 0; i < run->glyphCount(); ++i) {
            std::size_t u0 = run->stringIndices()[i] - run->stringRange().location;
            std::size_t u1 = i + 1 < run->glyphCount() ? run->stringIndices()[i + 1] - run->stringRange().location
                                                       : run->text().size();
            glyphs.push_back({run->text().substr(u0, u1 - u0), run->advances()[i].width, &run->attributes()});
        }
    }
    while (!glyphs.empty() && (glyphs.back().units == u" " || glyphs.back().units == u"\n")) glyphs.pop_back();
    if (glyphs.empty()) return nullptr;
    std::shared_ptr<ns::AttributedString> tokenText;
    if (token) {
        tokenText = ns::AttributedString::create();
        for (const auto& run : token->runs_) {
            tokenText->appendAttributedString(*ns::AttributedString::createWithUTF16(run->text(), run->attributes()));
        }
    } else {
        const ns::Dictionary& attrs = type == LineTruncationType::Start ? *glyphs.front().attrs : *glyphs.back().attrs;
        tokenText = ns::AttributedString::create("\u2026", attrs);
    }
    double tokenWidth = Line::createWithAttributedString(*tokenText)->width();
    if (tokenWidth > width + 1e-9) return nullptr;
    double room = width - tokenWidth;
    std::size_t n = glyphs.size(), head = 0, tail = 0;
    double used = 0;
    auto takeHead = [&] {
        if (head + tail < n && used + glyphs[head].advance <= room + 1e-9) {
            used += glyphs[head++].advance;
            return true;
        }
        return false;
    };
    auto takeTail = [&] {
        if (head + tail < n && used + glyphs[n - 1 - tail].advance <= room + 1e-9) {
            used += glyphs[n - 1 - (tail++)].advance;
            return true;
        }
        return false;
    };
    if (type == LineTruncationType::End) {
        while (takeHead()) {}
    } else if (type == LineTruncationType::Start) {
        while (takeTail()) {}
    } else {
        // Both ends give up a character each round until neither can.
        for (bool more = true; more;) {
            const bool head = takeHead();
            const bool tail = takeTail();
            more = head || tail;
        }
    }
    auto out = ns::AttributedString::create();
    auto append = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            out->appendAttributedString(*ns::AttributedString::createWithUTF16(glyphs[i].units, *glyphs[i].attrs));
        }
    };
    append(0, head);
    out->appendAttributedString(*tokenText);
    append(n - tail, n);
    return Line::createWithAttributedString(*out);
}

}  // namespace ct
