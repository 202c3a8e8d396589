// What the image loader's parts tell each other. Every method is optional:
// the defaults do nothing, as a delegate that does not answer to a message.
#pragma once

#include <memory>

#include "platform/foundation/Error.h"
#include "platform/foundation/URL.h"
#include "platform/ui/Image.h"

class WebImageManager;
class WebImageDownloader;
class WebImageCache;
class WebImageManagerDelegate;

// Request options of the manager (bits).
enum WebImageOptions : unsigned {
    WebImageRetryFailed = 1,      // ask again for a URL that gave no image before
    WebImageLowPriority = 2,      // the download pauses while the user scrolls
    WebImageCacheMemoryOnly = 4,  // keep the image in memory, not on disk
};

// The manager's record of one request, carried through the cache and the
// downloader and handed back with their answers.
struct WebImageRequestInfo {
    std::shared_ptr<WebImageManagerDelegate> delegate;
    ns::URLPtr url;
    unsigned options = 0;
};

class WebImageManagerDelegate {
public:
    virtual ~WebImageManagerDelegate() = default;
    virtual void webImageManagerDidFinishWithImage(WebImageManager&, const ui::ImagePtr&) {}
    // `error` is none when the bytes were no image.
    virtual void webImageManagerDidFailWithError(WebImageManager&, const ns::ErrorPtr&) {}
};

class WebImageDownloaderDelegate {
public:
    virtual ~WebImageDownloaderDelegate() = default;
    virtual void imageDownloaderDidFinish(WebImageDownloader&) {}
    // `image` is none when the bytes were no image.
    virtual void imageDownloaderDidFinishWithImage(WebImageDownloader&, const ui::ImagePtr&) {}
    virtual void imageDownloaderDidFailWithError(WebImageDownloader&, const ns::ErrorPtr&) {}
};

class WebImageCacheDelegate {
public:
    virtual ~WebImageCacheDelegate() = default;
    virtual void imageCacheDidFindImage(WebImageCache&, const ui::ImagePtr&, const std::string& /*key*/,
                                        const WebImageRequestInfo&) {}
    virtual void imageCacheDidNotFindImage(WebImageCache&, const std::string& /*key*/, const WebImageRequestInfo&) {}
};
