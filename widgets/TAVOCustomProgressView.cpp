#include "widgets/TAVOCustomProgressView.h"

#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "widgets/ProgressBarDrawing.h"

void TAVOCustomProgressView::drawRect(const cg::Rect&) {
    auto context = cg::currentContext();
    if (!context) return;
    drawProgressBar(*context, bounds(), trackImage_, progressImage_, progress_);
}
