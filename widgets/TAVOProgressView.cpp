#include "widgets/TAVOProgressView.h"

#include "net/http/TNURLConnectionOperation.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/graphics/Context.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "widgets/ProgressBarDrawing.h"

void TAVOProgressView::setProgress(float progress) {
    setProperty(progress_, progress > 1 ? 1.0f : progress, ui::PropertyEffectsDisplay);
}

void TAVOProgressView::setProgressWithDownloadProgressOfOperation(
    const std::shared_ptr<TNURLConnectionOperation>& operation) {
    if (!operation) return;
    auto previous = operation->downloadProgressBlock();
    std::weak_ptr<TAVOProgressView> weak = weakSelf<TAVOProgressView>();
    operation->setDownloadProgressBlock(
        [previous, weak](std::int64_t bytes, std::int64_t totalBytes, std::int64_t totalExpected) {
            if (previous) previous(bytes, totalBytes, totalExpected);
            dispatch::Queue::main()->async([weak, totalBytes, totalExpected] {
                auto bar = weak.lock();
                if (!bar || totalExpected <= 0) return;
                bar->setProgress(static_cast<float>(totalBytes) / static_cast<float>(totalExpected));
            });
        });
}

void TAVOProgressView::drawRect(const cg::Rect& rect) {
    auto context = cg::currentContext();
    if (!context) return;
    drawProgressBar(*context, rect, trackImage_, progressImage_, progress_);
}
