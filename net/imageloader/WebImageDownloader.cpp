#include "net/imageloader/WebImageDownloader.h"

#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/RunLoop.h"

namespace {

void post(const char* name) { ns::NotificationCenter::defaultCenter()->postNotificationName(name); }

}  // namespace

std::shared_ptr<WebImageDownloader> WebImageDownloader::downloaderWithURL(
    const ns::URLPtr& url, const std::weak_ptr<WebImageDownloaderDelegate>& delegate,
    const WebImageRequestInfo& userInfo, bool lowPriority) {
    std::shared_ptr<WebImageDownloader> downloader(new WebImageDownloader());
    downloader->url_ = url;
    downloader->delegate = delegate;
    downloader->userInfo = userInfo;
    downloader->lowPriority = lowPriority;
    dispatch::Queue::main()->sync([&] { downloader->start(); });
    return downloader;
}

void WebImageDownloader::start() {
    // The platform's local cache is never consulted: the loader has its own.
    ns::URLRequest request(url_, ns::kURLRequestReloadIgnoringLocalCacheData, kTimeoutInterval);
    if (!url_ || !ns::URLConnection::canHandleRequest(request)) {
        if (auto d = delegate.lock()) d->imageDownloaderDidFailWithError(*this, nullptr);
        return;
    }
    auto connection = ns::URLConnection::create(request, self<WebImageDownloader>(), false);
    auto loop = ns::RunLoop::current();
    connection->scheduleInRunLoop(loop, ns::kDefaultRunLoopMode);
    if (!lowPriority) connection->scheduleInRunLoop(loop, ns::kRunLoopCommonModes);
    connection_ = connection;
    imageData_ = ns::Data();
    connection->start();
    post(WebImageDownloadStartNotification);
}

void WebImageDownloader::cancel() {
    if (!connection_) return;
    auto connection = std::move(connection_);
    connection_ = nullptr;
    connection->cancel();
    post(WebImageDownloadStopNotification);
}

void WebImageDownloader::connectionDidReceiveData(const ns::URLConnectionPtr&, const ns::Data& data) {
    if (imageData_) imageData_->append(data);
}

void WebImageDownloader::connectionDidFinishLoading(const ns::URLConnectionPtr&) {
    auto keep = self<WebImageDownloader>();
    connection_ = nullptr;
    post(WebImageDownloadStopNotification);
    auto d = delegate.lock();
    if (d) d->imageDownloaderDidFinish(*this);
    ui::ImagePtr image = imageData_ ? ui::Image::imageWithData(*imageData_) : nullptr;
    if (d) d->imageDownloaderDidFinishWithImage(*this, image);
}

void WebImageDownloader::connectionDidFailWithError(const ns::URLConnectionPtr&, const ns::ErrorPtr& error) {
    auto keep = self<WebImageDownloader>();
    post(WebImageDownloadStopNotification);
    if (auto d = delegate.lock()) d->imageDownloaderDidFailWithError(*this, error);
    connection_ = nullptr;
    imageData_.reset();
}
