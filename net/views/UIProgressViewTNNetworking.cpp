#include "net/views/UIProgressViewTNNetworking.h"

#include "net/imageloader/AssociatedObject.h"
#include "platform/foundation/DispatchQueue.h"

namespace {

struct AnimatedFlags {
    bool upload = false;
    bool download = false;
};

AssociatedObject<AnimatedFlags>& flags() {
    static AssociatedObject<AnimatedFlags> table;
    return table;
}

std::shared_ptr<AnimatedFlags> flagsOf(const std::shared_ptr<ui::ProgressView>& view) {
    return flags().getOrMake(view, [] { return std::make_shared<AnimatedFlags>(); });
}

// The operation's callback wrapped so that it also moves the bar.
TNURLConnectionOperation::ProgressBlock following(const std::shared_ptr<ui::ProgressView>& view, bool animated,
                                                  TNURLConnectionOperation::ProgressBlock previous) {
    std::weak_ptr<ui::ProgressView> weak = view;
    return [weak, animated, previous](std::int64_t bytes, std::int64_t total, std::int64_t expected) {
        if (previous) previous(bytes, total, expected);
        dispatch::Queue::main()->async([weak, animated, total, expected] {
            if (expected <= 0) return;
            if (auto v = weak.lock()) v->setProgress(static_cast<float>(total) / static_cast<float>(expected), animated);
        });
    };
}

}  // namespace

void UIProgressViewTNNetworking::setProgressWithUploadProgressOfOperation(const std::shared_ptr<ui::ProgressView>& view,
                                                                         const TNURLConnectionOperationPtr& operation,
                                                                         bool animated) {
    if (!view || !operation) return;
    operation->setUploadProgressBlock(following(view, animated, operation->uploadProgressBlock()));
}

void UIProgressViewTNNetworking::setProgressWithDownloadProgressOfOperation(const std::shared_ptr<ui::ProgressView>& view,
                                                                           const TNURLConnectionOperationPtr& operation,
                                                                           bool animated) {
    if (!view || !operation) return;
    operation->setDownloadProgressBlock(following(view, animated, operation->downloadProgressBlock()));
}

bool UIProgressViewTNNetworking::uploadProgressAnimated(const std::shared_ptr<ui::ProgressView>& view) {
    auto f = view ? flags().get(*view) : nullptr;
    return f && f->upload;
}

void UIProgressViewTNNetworking::setUploadProgressAnimated(const std::shared_ptr<ui::ProgressView>& view, bool animated) {
    if (view) flagsOf(view)->upload = animated;
}

bool UIProgressViewTNNetworking::downloadProgressAnimated(const std::shared_ptr<ui::ProgressView>& view) {
    auto f = view ? flags().get(*view) : nullptr;
    return f && f->download;
}

void UIProgressViewTNNetworking::setDownloadProgressAnimated(const std::shared_ptr<ui::ProgressView>& view,
                                                             bool animated) {
    if (view) flagsOf(view)->download = animated;
}
