// WebImageManager: the image loader's coordinator. A request is answered
// from the cache (memory, then disk), else by a download that every
// requester of the same URL shares; URLs whose bytes were no image are
// remembered and not asked for again (unless the request says so).
// Everything runs on the main thread.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "net/imageloader/WebImageCache.h"
#include "net/imageloader/WebImageDelegates.h"
#include "net/imageloader/WebImageDownloader.h"

class WebImageManager : public ns::Object, public WebImageDownloaderDelegate, public WebImageCacheDelegate {
public:
    static std::shared_ptr<WebImageManager> sharedManager();
    static std::shared_ptr<WebImageManager> create() { return std::shared_ptr<WebImageManager>(new WebImageManager()); }

    // No URL or no delegate: nothing happens.
    void downloadWithURL(const ns::URLPtr& url, const std::shared_ptr<WebImageManagerDelegate>& delegate,
                         unsigned options = 0);
    // A URL given as text.
    void downloadWithURL(const std::string& urlString, const std::shared_ptr<WebImageManagerDelegate>& delegate,
                         unsigned options = 0);
    void downloadWithURLRetryFailed(const ns::URLPtr& url, const std::shared_ptr<WebImageManagerDelegate>& delegate,
                                    bool retryFailed);
    void downloadWithURLRetryFailedLowPriority(const ns::URLPtr& url,
                                               const std::shared_ptr<WebImageManagerDelegate>& delegate,
                                               bool retryFailed, bool lowPriority);

    // Forgets every request of this very delegate; a download nobody else
    // waits for is cancelled.
    void cancelForDelegate(const WebImageManagerDelegate* delegate);
    // The image from memory or disk, at once, or none.
    ui::ImagePtr imageWithURL(const ns::URLPtr& url);

    // Diagnostics.
    bool hasFailed(const ns::URLPtr& url) const;
    std::size_t runningDownloadCount() const { return downloaderForURL_.size(); }

    void imageCacheDidFindImage(WebImageCache&, const ui::ImagePtr& image, const std::string& key,
                                const WebImageRequestInfo& info) override;
    void imageCacheDidNotFindImage(WebImageCache&, const std::string& key, const WebImageRequestInfo& info) override;
    void imageDownloaderDidFinishWithImage(WebImageDownloader& downloader, const ui::ImagePtr& image) override;
    void imageDownloaderDidFailWithError(WebImageDownloader& downloader, const ns::ErrorPtr& error) override;

private:
    WebImageManager() = default;
    // Index in the cache-waiting lists of (this very delegate, an equal URL); -1 when gone.
    long indexOfDelegate(const WebImageManagerDelegate* delegate, const ns::URLPtr& url) const;
    // Tells every delegate waiting for `downloader` and forgets them.
    void answerWaiting(WebImageDownloader& downloader,
                       const std::function<void(WebImageManagerDelegate&)>& tell);

    std::vector<std::shared_ptr<WebImageManagerDelegate>> downloadDelegates_;
    std::vector<WebImageDownloaderPtr> downloaders_;
    std::vector<std::shared_ptr<WebImageManagerDelegate>> cacheDelegates_;
    std::vector<ns::URLPtr> cacheURLs_;
    std::map<std::string, WebImageDownloaderPtr> downloaderForURL_;  // by absolute string
    std::vector<std::string> failedURLs_;
};

using WebImageManagerPtr = std::shared_ptr<WebImageManager>;
