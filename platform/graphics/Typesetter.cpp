#include "platform/graphics/Typesetter.h"

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>

#include <cmath>

#include "platform/graphics/TextAttributes.h"

namespace ct {

namespace {

bool isNewline(char32_t c) { return c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029 || c == 0x85; }

icu::BreakIterator* lineBreaker() {
    thread_local std::unique_ptr<icu::BreakIterator> it = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> b(icu::BreakIterator::createLineInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) b.reset();
        return b;
    }();
    return it.get();
}

}  // namespace

std::shared_ptr<Typesetter> Typesetter::create(const ns::AttributedString& text) {
    auto t = std::make_shared<Typesetter>();
    t->text_ = text.copy();
    t->build();
    return t;
}

void Typesetter::build() {
    const std::u16string& s = text_->utf16();
    GlyphMetrics& metrics = GlyphMetrics::current();
    const FontFace* fallbackFace = FontCatalog::shared().fallbackFace();
    glyphOfUnit_.assign(s.size() + 1, 0);
    std::size_t pos = 0;
    std::size_t runIndex = 0;
    for (const auto& run : text_->runs()) {
        runStarts_.push_back(pos);
        FontPtr font = fontFromValue(run.attributes[kFontAttributeName]);
        if (!font) font = defaultFont();
        double kern = run.attributes[kKernAttributeName].doubleValue();
        if (!std::isfinite(kern)) kern = 0;
        fonts_.push_back(font);
        std::size_t primary = fonts_.size() - 1;
        std::size_t fallback = SIZE_MAX;
        std::size_t end = pos + run.length;
        while (pos < end) {
            char32_t c = s[pos];
            std::uint8_t units = 1;
            if (ns::utf16::isHighSurrogate(s[pos]) && pos + 1 < end && ns::utf16::isLowSurrogate(s[pos + 1])) {
                c = 0x10000 + ((char32_t(s[pos]) - 0xD800) << 10) + (char32_t(s[pos + 1]) - 0xDC00);
                units = 2;
            } else if (ns::utf16::isHighSurrogate(s[pos]) || ns::utf16::isLowSurrogate(s[pos])) {
                c = 0xFFFD;
            }
            std::size_t fontIndex = primary;
            if (fallbackFace && !metrics.covers(font->face(), c) && metrics.covers(*fallbackFace, c)) {
                if (fallback == SIZE_MAX) {
                    fonts_.push_back(Font::create(*fallbackFace, font->size()));
                    fallback = fonts_.size() - 1;
                }
                fontIndex = fallback;
            }
            double advance = metrics.advance(fonts_[fontIndex]->face(), c) * fonts_[fontIndex]->size();
            bool newline = isNewline(c);
            if (!newline && advance > 0) advance += kern;
            for (std::size_t k = 0; k < units; ++k) glyphOfUnit_[pos + k] = glyphs_.size();
            glyphs_.push_back({pos, units, c, newline ? 0.0 : advance, runIndex, fontIndex,
                               newline || u_isUWhiteSpace(UChar32(c)), newline});
            pos += units;
        }
        ++runIndex;
    }
    glyphOfUnit_[s.size()] = glyphs_.size();
}

std::size_t Typesetter::glyphAt(std::size_t index) const {
    return index >= glyphOfUnit_.size() ? glyphs_.size() : glyphOfUnit_[index];
}

const std::vector<bool>& Typesetter::breakOpportunities() const {
    if (breaksReady_) return breaks_;
    breaksReady_ = true;
    breaks_.assign(glyphs_.size() + 1, false);
    icu::BreakIterator* it = lineBreaker();
    if (!it) return breaks_;
    UErrorCode status = U_ZERO_ERROR;
    const std::u16string& s = text_->utf16();
    UText* ut = utext_openUChars(nullptr, reinterpret_cast<const UChar*>(s.data()), int64_t(s.size()), &status);
    if (U_FAILURE(status)) return breaks_;
    it->setText(ut, status);
    if (U_SUCCESS(status)) {
        for (int32_t b = it->first(); b != icu::BreakIterator::DONE; b = it->next()) {
            breaks_[glyphAt(std::size_t(b))] = true;
        }
    }
    // Do not keep a pointer to this string inside the shared iterator.
    it->setText(icu::UnicodeString());
    utext_close(ut);
    return breaks_;
}

std::size_t Typesetter::suggestLineBreak(std::size_t start, double width, LineBreakMode mode) const {
    std::size_t g = glyphAt(start);
    std::size_t n = glyphs_.size();
    if (g >= n) return 0;
    bool wrap = mode == LineBreakMode::WordWrapping || mode == LineBreakMode::CharWrapping;
    double x = 0;
    auto unitsTo = [&](std::size_t glyph) { return (glyph >= n ? length() : glyphs_[glyph].index) - start; };
    for (std::size_t i = g; i < n; ++i) {
        const Glyph& gl = glyphs_[i];
        if (gl.newline) {
            std::size_t end = i + 1;
            if (gl.c == '\r' && end < n && glyphs_[end].c == '\n') ++end;
            return unitsTo(end);
        }
        if (!wrap) continue;
        if (i > g && !gl.space && gl.advance > 0 && x + gl.advance > width + 1e-9) {
            // The text overflows here: break at the last opportunity before
            // (break opportunities are only worked out when a line overflows).
            std::size_t end = i;
            if (mode == LineBreakMode::WordWrapping) {
                const auto& breaks = breakOpportunities();
                for (std::size_t b = i; b > g; --b) {
                    if (breaks[b]) {
                        end = b;
                        break;
                    }
                }
            }
            return unitsTo(end);
        }
        x += gl.advance;
    }
    return length() - start;
}

std::size_t Typesetter::suggestClusterBreak(std::size_t start, double width) const {
    return suggestLineBreak(start, width, LineBreakMode::CharWrapping);
}

LinePtr Typesetter::createLine(ns::Range range) const {
    std::size_t g0 = glyphAt(range.location), g1 = glyphAt(std::min(range.max(), length()));
    if (range.location > length()) g0 = g1 = glyphs_.size();
    std::vector<RunPtr> runs;
    double x = 0, ascent = 0, descent = 0, leading = 0;
    auto takeMetrics = [&](const Font& f) {
        ascent = std::max(ascent, f.ascent());
        descent = std::max(descent, f.descent());
        leading = std::max(leading, f.leading());
    };
    std::size_t i = g0;
    while (i < g1) {
        std::size_t j = i;
        std::vector<cg::Point> positions;
        std::vector<cg::Size> advances;
        std::vector<std::size_t> indices;
        while (j < g1 && glyphs_[j].run == glyphs_[i].run && glyphs_[j].font == glyphs_[i].font) {
            positions.push_back({x, 0});
            advances.push_back({glyphs_[j].advance, 0});
            indices.push_back(glyphs_[j].index);
            x += glyphs_[j].advance;
            ++j;
        }
        std::size_t u0 = glyphs_[i].index, u1 = j < glyphs_.size() ? glyphs_[j].index : length();
        const FontPtr& font = fonts_[glyphs_[i].font];
        takeMetrics(*font);
        runs.push_back(std::make_shared<Run>(ns::Range{u0, u1 - u0}, text_->runs()[glyphs_[i].run].attributes, font,
                                             text_->utf16().substr(u0, u1 - u0), std::move(positions),
                                             std::move(advances), std::move(indices)));
        i = j;
    }
    if (runs.empty()) {
        // An empty line still has the height of the font at its position.
        FontPtr f;
        if (!glyphs_.empty()) f = fonts_[glyphs_[std::min(g0, glyphs_.size() - 1)].font];
        takeMetrics(f ? *f : *defaultFont());
    }
    double trailing = 0;
    for (std::size_t k = g1; k > g0 && glyphs_[k - 1].space; --k) trailing += glyphs_[k - 1].advance;
    std::size_t u0 = g0 < glyphs_.size() ? glyphs_[g0].index : length();
    std::size_t u1 = g1 < glyphs_.size() ? glyphs_[g1].index : length();
    return std::make_shared<Line>(ns::Range{u0, u1 - u0}, std::move(runs), x, ascent, descent, leading, trailing);
}

ParagraphStylePtr Typesetter::paragraphStyleAt(std::size_t index) const {
    if (text_->length() == 0) return nullptr;
    return paragraphStyleFromValue(
        text_->attributeAtIndex(kParagraphStyleAttributeName, std::min(index, text_->length() - 1)));
}

bool Typesetter::endsParagraph(std::size_t index) const {
    if (index == 0 || index > length()) return index == 0;
    std::size_t g = glyphAt(index - 1);
    return g < glyphs_.size() && glyphs_[g].newline;
}

}  // namespace ct
