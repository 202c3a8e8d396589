// Measuring and drawing plain strings in one font, as views do: lines wrap
// at words (or characters), every line is the font's line height tall,
// sizes are rounded up to whole points, and the last line that fits is
// truncated with an ellipsis under the truncating modes. Drawing happens in
// a y-down context in the context's fill colour.
#pragma once

#include <string_view>

#include "platform/graphics/Font.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/ParagraphStyle.h"

namespace cg {
class Context;
}

namespace ct {

// One line, nothing wrapped, trailing spaces included.
cg::Size sizeWithFont(std::string_view text, const FontPtr& font);
// Wrapped to the width; only lines that fit the height (at least one).
cg::Size sizeWithFont(std::string_view text, const FontPtr& font, cg::Size constrainedToSize,
                      LineBreakMode mode = LineBreakMode::WordWrapping);
// One line no wider than the width (truncated or clipped).
cg::Size sizeWithFont(std::string_view text, const FontPtr& font, double forWidth, LineBreakMode mode);
// One line: the font shrinks (not below minFontSize) until the text fits the
// width; *actualFontSize receives the size used.
cg::Size sizeWithFont(std::string_view text, const FontPtr& font, double minFontSize, double* actualFontSize,
                      double forWidth, LineBreakMode mode);

// The text's lines as drawn in a width: what each line shows.
struct TextLineLayout {
    std::string text;      // the line's characters (truncated lines end in an ellipsis)
    double width = 0;      // without trailing spaces
};
std::vector<TextLineLayout> layoutLines(std::string_view text, const FontPtr& font, cg::Size constrainedToSize,
                                        LineBreakMode mode);

// One line with its top left at the point; returns its size.
cg::Size drawAtPoint(cg::Context& context, std::string_view text, cg::Point point, const FontPtr& font);
cg::Size drawAtPoint(cg::Context& context, std::string_view text, cg::Point point, double forWidth,
                     const FontPtr& font, LineBreakMode mode);
// Wrapped into the rectangle, each line aligned within its width.
cg::Size drawInRect(cg::Context& context, std::string_view text, cg::Rect rect, const FontPtr& font,
                    LineBreakMode mode = LineBreakMode::WordWrapping, TextAlignment alignment = TextAlignment::Left);

}  // namespace ct
