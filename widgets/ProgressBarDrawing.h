// The drawing the two progress bars share.
#pragma once

#include <algorithm>
#include <cmath>

#include "platform/graphics/Context.h"
#include "platform/ui/Image.h"

// The track over `rect`, then the progress picture over the same rectangle
// squeezed to the progress fraction of its width. The fraction drawn is
// kept within 0 .. 1 whatever the stored progress, so the picture never
// spills past the track or turns over.
void drawProgressBar(cg::Context& context, const cg::Rect& rect, const ui::ImagePtr& track,
                     const ui::ImagePtr& progressImage, float progress);

// A progress as the views draw it: within 0 .. 1, and 0 for a value that
// is not a number.
inline double drawnFraction(double progress) { return std::isnan(progress) ? 0.0 : std::clamp(progress, 0.0, 1.0); }
