#include "net/imageloader/WebImageManager.h"

#include <algorithm>

#include "platform/foundation/Singleton.h"

namespace {

std::string keyOf(const ns::URLPtr& url) { return url ? url->absoluteString() : std::string(); }

}  // namespace

std::shared_ptr<WebImageManager> WebImageManager::sharedManager() { return ns::Singleton<WebImageManager>::get(); }

void WebImageManager::downloadWithURL(const std::string& urlString,
                                      const std::shared_ptr<WebImageManagerDelegate>& delegate, unsigned options) {
    downloadWithURL(ns::URL::URLWithString(urlString), delegate, options);
}

void WebImageManager::downloadWithURLRetryFailed(const ns::URLPtr& url,
                                                 const std::shared_ptr<WebImageManagerDelegate>& delegate,
                                                 bool retryFailed) {
    downloadWithURL(url, delegate, retryFailed ? unsigned(WebImageRetryFailed) : 0u);
}

void WebImageManager::downloadWithURLRetryFailedLowPriority(const ns::URLPtr& url,
                                                            const std::shared_ptr<WebImageManagerDelegate>& delegate,
                                                            bool retryFailed, bool lowPriority) {
    unsigned options = retryFailed ? unsigned(WebImageRetryFailed) : 0u;
    if (lowPriority) options |= WebImageLowPriority;
    downloadWithURL(url, delegate, options);
}

bool WebImageManager::hasFailed(const ns::URLPtr& url) const {
    return std::find(failedURLs_.begin(), failedURLs_.end(), keyOf(url)) != failedURLs_.end();
}

void WebImageManager::downloadWithURL(const ns::URLPtr& url, const std::shared_ptr<WebImageManagerDelegate>& delegate,
                                      unsigned options) {
    if (!url || !delegate) return;
    if (!(options & WebImageRetryFailed) && hasFailed(url)) return;
    cacheDelegates_.push_back(delegate);
    cacheURLs_.push_back(url);
    WebImageRequestInfo info{delegate, url, options};
    WebImageCache::sharedImageCache()->queryDiskCacheForKey(keyOf(url), self<WebImageManager>(), info);
}

long WebImageManager::indexOfDelegate(const WebImageManagerDelegate* delegate, const ns::URLPtr& url) const {
    for (std::size_t i = 0; i < cacheDelegates_.size(); ++i)
        if (cacheDelegates_[i].get() == delegate && keyOf(cacheURLs_[i]) == keyOf(url)) return static_cast<long>(i);
    return -1;
}

void WebImageManager::imageCacheDidFindImage(WebImageCache&, const ui::ImagePtr& image, const std::string&,
                                             const WebImageRequestInfo& info) {
    long index = indexOfDelegate(info.delegate.get(), info.url);
    if (index < 0) return;  // cancelled meanwhile
    auto delegate = cacheDelegates_[static_cast<std::size_t>(index)];
    delegate->webImageManagerDidFinishWithImage(*this, image);
    // The delegate may have cancelled or asked again while being told.
    index = indexOfDelegate(info.delegate.get(), info.url);
    if (index < 0) return;
    cacheDelegates_.erase(cacheDelegates_.begin() + index);
    cacheURLs_.erase(cacheURLs_.begin() + index);
}

void WebImageManager::imageCacheDidNotFindImage(WebImageCache&, const std::string&, const WebImageRequestInfo& info) {
    long index = indexOfDelegate(info.delegate.get(), info.url);
    if (index < 0) return;
    cacheDelegates_.erase(cacheDelegates_.begin() + index);
    cacheURLs_.erase(cacheURLs_.begin() + index);

    const bool lowPriority = (info.options & WebImageLowPriority) != 0;
    WebImageDownloaderPtr downloader;
    auto running = downloaderForURL_.find(keyOf(info.url));
    if (running != downloaderForURL_.end()) {
        downloader = running->second;
        downloader->userInfo = info;
        downloader->lowPriority = lowPriority;
    } else {
        downloader = WebImageDownloader::downloaderWithURL(info.url, self<WebImageManager>(), info, lowPriority);
        // A download that could not even start (no HTTP URL) told nobody,
        // since nobody waited on it yet: tell this requester, keep nothing.
        if (!downloader->isRunning()) {
            info.delegate->webImageManagerDidFailWithError(*this, nullptr);
            return;
        }
        downloaderForURL_[keyOf(info.url)] = downloader;
    }
    downloadDelegates_.push_back(info.delegate);
    downloaders_.push_back(downloader);
}

void WebImageManager::answerWaiting(WebImageDownloader& downloader,
                                    const std::function<void(WebImageManagerDelegate&)>& tell) {
    auto keepSelf = self<WebImageManager>();
    for (std::size_t i = downloaders_.size(); i-- > 0;) {
        if (i >= downloaders_.size() || downloaders_[i].get() != &downloader) continue;
        auto delegate = downloadDelegates_[i];
        auto keepDownloader = downloaders_[i];
        downloaders_.erase(downloaders_.begin() + static_cast<long>(i));
        downloadDelegates_.erase(downloadDelegates_.begin() + static_cast<long>(i));
        tell(*delegate);
    }
}

void WebImageManager::imageDownloaderDidFinishWithImage(WebImageDownloader& downloader, const ui::ImagePtr& image) {
    auto keep = downloader.self<WebImageDownloader>();
    const unsigned options = downloader.userInfo.options;
    answerWaiting(downloader, [&](WebImageManagerDelegate& delegate) {
        if (image)
            delegate.webImageManagerDidFinishWithImage(*this, image);
        else
            delegate.webImageManagerDidFailWithError(*this, nullptr);
    });
    const std::string key = keyOf(downloader.url());
    if (image) {
        WebImageCache::sharedImageCache()->storeImage(image, downloader.imageData(), key,
                                                      !(options & WebImageCacheMemoryOnly));
    } else if (!(options & WebImageRetryFailed) && !hasFailed(downloader.url())) {
        failedURLs_.push_back(key);
    }
    auto running = downloaderForURL_.find(key);
    if (running != downloaderForURL_.end() && running->second.get() == &downloader) downloaderForURL_.erase(running);
}

void WebImageManager::imageDownloaderDidFailWithError(WebImageDownloader& downloader, const ns::ErrorPtr& error) {
    auto keep = downloader.self<WebImageDownloader>();
    answerWaiting(downloader, [&](WebImageManagerDelegate& delegate) {
        delegate.webImageManagerDidFailWithError(*this, error);
    });
    auto running = downloaderForURL_.find(keyOf(downloader.url()));
    if (running != downloaderForURL_.end() && running->second.get() == &downloader) downloaderForURL_.erase(running);
}

void WebImageManager::cancelForDelegate(const WebImageManagerDelegate* delegate) {
    if (!delegate) return;
    for (std::size_t i = cacheDelegates_.size(); i-- > 0;) {
        if (cacheDelegates_[i].get() != delegate) continue;
        cacheDelegates_.erase(cacheDelegates_.begin() + static_cast<long>(i));
        cacheURLs_.erase(cacheURLs_.begin() + static_cast<long>(i));
    }
    for (std::size_t i = downloadDelegates_.size(); i-- > 0;) {
        if (i >= downloadDelegates_.size() || downloadDelegates_[i].get() != delegate) continue;
        auto downloader = downloaders_[i];
        downloaders_.erase(downloaders_.begin() + static_cast<long>(i));
        downloadDelegates_.erase(downloadDelegates_.begin() + static_cast<long>(i));
        if (std::find(downloaders_.begin(), downloaders_.end(), downloader) == downloaders_.end()) {
            downloader->cancel();
            auto running = downloaderForURL_.find(keyOf(downloader->url()));
            if (running != downloaderForURL_.end() && running->second == downloader) downloaderForURL_.erase(running);
        }
    }
}

ui::ImagePtr WebImageManager::imageWithURL(const ns::URLPtr& url) {
    return WebImageCache::sharedImageCache()->imageFromKey(keyOf(url));
}
