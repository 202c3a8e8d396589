// Breaks attributed text into lines. Every character gets its advance from
// its font (or the fallback font for characters the font lacks, such as
// Chinese in a Latin font); lines break at the opportunities ICU finds,
// with whitespace hanging past the width, and at paragraph separators.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/AttributedString.h"
#include "platform/graphics/Line.h"
#include "platform/graphics/ParagraphStyle.h"

namespace ct {

class Typesetter : public ns::Object {
public:
    static std::shared_ptr<Typesetter> create(const ns::AttributedString& text);

    const ns::AttributedString& text() const { return *text_; }
    std::size_t length() const { return text_->length(); }

    // How many UTF-16 units from `start` make the next line within `width`
    // (at least one character). Clipping and truncating modes never wrap:
    // the line runs to the end of the paragraph.
    std::size_t suggestLineBreak(std::size_t start, double width, LineBreakMode mode = LineBreakMode::WordWrapping) const;
    std::size_t suggestClusterBreak(std::size_t start, double width) const;
    LinePtr createLine(ns::Range range) const;

    // The paragraph style over an index (null when none).
    ParagraphStylePtr paragraphStyleAt(std::size_t index) const;
    // Whether the character before `index` ends a paragraph.
    bool endsParagraph(std::size_t index) const;

    struct Glyph {
        std::size_t index;     // UTF-16 index of the character
        std::uint8_t units;    // 1 or 2
        char32_t c;
        double advance;
        std::size_t run;       // attribute run
        std::size_t font;      // drawing font, index into fonts_
        bool space;            // whitespace that may hang at a line end
        bool newline;          // ends a paragraph
    };

private:
    void build();
    std::size_t glyphAt(std::size_t index) const;
    const std::vector<bool>& breakOpportunities() const;

    std::shared_ptr<ns::AttributedString> text_;
    std::vector<Glyph> glyphs_;
    std::vector<std::size_t> glyphOfUnit_;     // UTF-16 index -> glyph
    std::vector<std::size_t> runStarts_;
    std::vector<FontPtr> fonts_;
    mutable std::vector<bool> breaks_;         // break allowed before glyph i
    mutable bool breaksReady_ = false;
};

using TypesetterPtr = std::shared_ptr<Typesetter>;

}  // namespace ct
