#include "widgets/ProgressBarDrawing.h"

void drawProgressBar(cg::Context& context, const cg::Rect& rect, const ui::ImagePtr& track,
                     const ui::ImagePtr& progressImage, float progress) {
    if (track) context.drawImageTopDown(rect, track->CGImage());
    const double fraction = drawnFraction(progress);
    if (!progressImage || fraction <= 0) return;
    cg::Rect filled = rect;
    filled.size.width *= fraction;
    context.drawImageTopDown(filled, progressImage->CGImage());
}
