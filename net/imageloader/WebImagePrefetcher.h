// WebImagePrefetcher: loads a list of image URLs into the cache ahead of
// need, a few at a time and at low priority.
#pragma once

#include <memory>
#include <vector>

#include "net/imageloader/WebImageDelegates.h"
#include "platform/foundation/Object.h"

class WebImagePrefetcher : public ns::Object, public WebImageManagerDelegate {
public:
    static std::shared_ptr<WebImagePrefetcher> sharedImagePrefetcher();
    static std::shared_ptr<WebImagePrefetcher> create() {
        return std::shared_ptr<WebImagePrefetcher>(new WebImagePrefetcher());
    }

    // Cancels a running prefetch, then starts the first downloads of the list.
    void prefetchURLs(const std::vector<ns::URLPtr>& urls);
    void cancelPrefetching();
    void startPrefetchingAtIndex(std::size_t index, WebImageManager& manager);
    void reportStatus() {}

    unsigned maxConcurrentDownloads = 3;
    unsigned requestedCount() const { return requestedCount_; }
    unsigned finishedCount() const { return finishedCount_; }
    unsigned skippedCount() const { return skippedCount_; }
    double startedTime() const { return startedTime_; }

    void webImageManagerDidFinishWithImage(WebImageManager& manager, const ui::ImagePtr&) override;
    void webImageManagerDidFailWithError(WebImageManager& manager, const ns::ErrorPtr&) override;

private:
    WebImagePrefetcher() = default;
    void downloadEnded(WebImageManager& manager);

    std::vector<ns::URLPtr> prefetchURLs_;
    unsigned requestedCount_ = 0;
    unsigned finishedCount_ = 0;
    unsigned skippedCount_ = 0;
    double startedTime_ = 0;
};
