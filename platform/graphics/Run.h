// A glyph run: a stretch of a line drawn in one font with one set of
// attributes. One glyph per character (code point); positions are relative
// to the line's origin.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/Utf16.h"
#include "platform/foundation/Value.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Geometry.h"

namespace cg {
class Context;
}

namespace ct {

class Run : public ns::Object {
public:
    ns::Range stringRange() const { return range_; }
    std::size_t glyphCount() const { return positions_.size(); }
    const ns::Dictionary& attributes() const { return attributes_; }
    // The font the run is drawn in (a fallback font where the attributed
    // font has no glyphs for the characters).
    const FontPtr& font() const { return font_; }
    const std::vector<cg::Point>& positions() const { return positions_; }
    const std::vector<cg::Size>& advances() const { return advances_; }
    // The UTF-16 index of each glyph's character.
    const std::vector<std::size_t>& stringIndices() const { return indices_; }
    // The run's text as UTF-16.
    const std::u16string& text() const { return text_; }

    // Width of a glyph range ({0, 0} for the whole run) and the run's
    // vertical metrics.
    double typographicBounds(ns::Range glyphRange, double* ascent, double* descent, double* leading) const;
    // The box the glyph range covers, relative to the line origin: its
    // advances across, cap height up and descent down.
    cg::Rect imageBounds(ns::Range glyphRange) const;
    // Draws the glyph range at the context's text position (y up, as lines draw).
    void draw(cg::Context& context, ns::Range glyphRange) const;

    // Built by the typesetter.
    Run(ns::Range range, ns::Dictionary attributes, FontPtr font, std::u16string text, std::vector<cg::Point> positions,
        std::vector<cg::Size> advances, std::vector<std::size_t> indices)
        : range_(range), attributes_(std::move(attributes)), font_(std::move(font)), text_(std::move(text)),
          positions_(std::move(positions)), advances_(std::move(advances)), indices_(std::move(indices)) {}
    // Moves the run along the line (used when lines are assembled).
    void shift(double dx);

private:
    ns::Range glyphSpan(ns::Range glyphRange) const;
    ns::Range range_;
    ns::Dictionary attributes_;
    FontPtr font_;
    std::u16string text_;
    std::vector<cg::Point> positions_;
    std::vector<cg::Size> advances_;
    std::vector<std::size_t> indices_;
};

using RunPtr = std::shared_ptr<Run>;

}  // namespace ct
