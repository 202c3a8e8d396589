// WebImageDownloader: one download of one URL for the image loader, over a
// connection on the main run loop (also in the common modes unless low
// priority, so it keeps running while the user scrolls). The HTTP status is
// not looked at: whatever bytes arrive are offered as an image. Start and
// stop are announced with notifications that carry no object.
#pragma once

#include <memory>

#include "net/imageloader/WebImageDelegates.h"
#include "platform/foundation/Data.h"
#include "platform/net/URLConnection.h"

inline constexpr const char* WebImageDownloadStartNotification = "WebImageDownloadStartNotification";
inline constexpr const char* WebImageDownloadStopNotification = "WebImageDownloadStopNotification";

class WebImageDownloader : public ns::Object, public ns::URLConnectionDelegate {
public:
    static constexpr double kTimeoutInterval = 15.0;

    // Sets the fields and runs start() on the main thread, waiting for it.
    static std::shared_ptr<WebImageDownloader> downloaderWithURL(const ns::URLPtr& url,
                                                                 const std::weak_ptr<WebImageDownloaderDelegate>& delegate,
                                                                 const WebImageRequestInfo& userInfo = {},
                                                                 bool lowPriority = false);
    // Kept for callers that tune the loader; downloads are not limited.
    static void setMaxConcurrentDownloads(unsigned) {}

    void start();
    // Stops a running download without telling the delegate.
    void cancel();

    const ns::URLPtr& url() const { return url_; }
    std::weak_ptr<WebImageDownloaderDelegate> delegate;
    WebImageRequestInfo userInfo;
    bool lowPriority = false;
    // The bytes received so far; none before start and after a failure.
    const std::optional<ns::Data>& imageData() const { return imageData_; }
    bool isRunning() const { return connection_ != nullptr; }

    void connectionDidReceiveData(const ns::URLConnectionPtr&, const ns::Data& data) override;
    void connectionDidFinishLoading(const ns::URLConnectionPtr&) override;
    void connectionDidFailWithError(const ns::URLConnectionPtr&, const ns::ErrorPtr& error) override;

private:
    WebImageDownloader() = default;
    ns::URLPtr url_;
    ns::URLConnectionPtr connection_;
    std::optional<ns::Data> imageData_;
};

using WebImageDownloaderPtr = std::shared_ptr<WebImageDownloader>;
