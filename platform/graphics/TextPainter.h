// Puts glyphs on a Cairo surface through Pango, with the bundled font files.
#pragma once

#include <string>

#include "platform/graphics/Font.h"

typedef struct _cairo cairo_t;

namespace ct {

// Draws text of one font with its baseline starting at (x, y) in the
// current user space. With yUp the glyphs stand upright in a y-up space
// (as lines draw); otherwise in a y-down space (as views draw strings).
// `kern` adds that many points after each character.
void paintText(cairo_t* cr, const std::u16string& text, const Font& font, double x, double y, bool yUp, double kern);

}  // namespace ct
