// A line of laid-out text: its string range, its glyph runs in order and
// its metrics. Lines come from a typesetter, a framesetter's frame, or
// directly from an attributed string (one line, no wrapping).
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/AttributedString.h"
#include "platform/graphics/Run.h"

namespace ct {

enum class LineTruncationType { Start = 0, End = 1, Middle = 2 };

class Line : public ns::Object {
public:
    // The whole string as one line (line breaks inside it are not honoured).
    static std::shared_ptr<Line> createWithAttributedString(const ns::AttributedString& text);

    ns::Range stringRange() const { return range_; }
    std::size_t glyphCount() const;
    const std::vector<RunPtr>& glyphRuns() const { return runs_; }

    // Width including trailing whitespace; ascent, descent and leading are
    // the largest of the line's fonts.
    double typographicBounds(double* ascent, double* descent, double* leading) const;
    double width() const { return width_; }
    double ascent() const { return ascent_; }
    double descent() const { return descent_; }
    double leading() const { return leading_; }
    double trailingWhitespaceWidth() const { return trailingWhitespace_; }
    cg::Rect imageBounds() const;

    // The caret index nearest to a position along the line (x relative to
    // the line origin): a click on a glyph's right half gives the index after it.
    std::size_t stringIndexForPosition(cg::Point position) const;
    // The caret offset of a string index; indices past the line give its end.
    double offsetForStringIndex(std::size_t index, double* secondaryOffset = nullptr) const;
    // Where to start the line to align it: flushFactor 0 left, 0.5 centre, 1 right.
    double penOffsetForFlush(double flushFactor, double flushWidth) const;

    // Draws at the context's text position with y up (flip a y-down
    // context first, as drawing code on the platform does).
    void draw(cg::Context& context) const;

    // The line cut to a width with the token (an ellipsis when null) where
    // text was removed; null when even the token does not fit.
    std::shared_ptr<Line> createTruncatedLine(double width, LineTruncationType type,
                                              const std::shared_ptr<Line>& token) const;

    Line(ns::Range range, std::vector<RunPtr> runs, double width, double ascent, double descent, double leading,
         double trailingWhitespace)
        : range_(range), runs_(std::move(runs)), width_(width), ascent_(ascent), descent_(descent), leading_(leading),
          trailingWhitespace_(trailingWhitespace) {}

private:
    ns::Range range_;
    std::vector<RunPtr> runs_;
    double width_, ascent_, descent_, leading_, trailingWhitespace_;
};

using LinePtr = std::shared_ptr<Line>;

}  // namespace ct
