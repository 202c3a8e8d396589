#include "net/imageloader/WebImagePrefetcher.h"

#include "net/imageloader/WebImageManager.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Singleton.h"

std::shared_ptr<WebImagePrefetcher> WebImagePrefetcher::sharedImagePrefetcher() {
    return ns::Singleton<WebImagePrefetcher>::get();
}

void WebImagePrefetcher::prefetchURLs(const std::vector<ns::URLPtr>& urls) {
    cancelPrefetching();
    startedTime_ = ns::Clock::now();
    prefetchURLs_ = urls;
    auto manager = WebImageManager::sharedManager();
    for (std::size_t i = 0; i < maxConcurrentDownloads && requestedCount_ < prefetchURLs_.size(); ++i)
        startPrefetchingAtIndex(i, *manager);
}

void WebImagePrefetcher::startPrefetchingAtIndex(std::size_t index, WebImageManager& manager) {
    if (index >= prefetchURLs_.size()) return;
    ++requestedCount_;
    manager.downloadWithURL(prefetchURLs_[index], self<WebImagePrefetcher>(), WebImageLowPriority);
}

void WebImagePrefetcher::cancelPrefetching() {
    prefetchURLs_.clear();
    requestedCount_ = finishedCount_ = skippedCount_ = 0;
    WebImageManager::sharedManager()->cancelForDelegate(this);
}

void WebImagePrefetcher::downloadEnded(WebImageManager& manager) {
    if (requestedCount_ < prefetchURLs_.size()) {
        startPrefetchingAtIndex(requestedCount_, manager);
    } else if (finishedCount_ == requestedCount_) {
        reportStatus();
    }
}

void WebImagePrefetcher::webImageManagerDidFinishWithImage(WebImageManager& manager, const ui::ImagePtr&) {
    ++finishedCount_;
    downloadEnded(manager);
}

void WebImagePrefetcher::webImageManagerDidFailWithError(WebImageManager& manager, const ns::ErrorPtr&) {
    ++finishedCount_;
    ++skippedCount_;
    downloadEnded(manager);
}
