#include "net/views/TNImageCache.h"

#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/OperationQueue.h"
#include "platform/foundation/Singleton.h"

std::shared_ptr<TNImageCache> TNImageCache::defaultCache() {
    return ns::Singleton<TNImageCache>::get([] {
        auto cache = TNImageCache::create();
        std::weak_ptr<TNImageCache> weak = cache;
        auto center = ns::NotificationCenter::defaultCenter();
        auto token = center->addObserverForName(ns::UIApplicationDidReceiveMemoryWarningNotification, ns::Value(),
                                                ns::OperationQueue::mainQueue(), [weak](const ns::NotificationPtr&) {
                                                    if (auto c = weak.lock()) c->removeAllObjects();
                                                });
        cache->memoryWarning_ = ns::ScopedObserver(center, token);
        return cache;
    });
}

ui::ImagePtr TNImageCache::cachedImageForRequest(const ns::URLRequest& request) {
    switch (request.cachePolicy()) {
    case ns::kURLRequestReloadIgnoringLocalCacheData:
    case ns::kURLRequestReloadIgnoringLocalAndRemoteCacheData:
        return nullptr;
    default:
        break;
    }
    if (!request.url()) return nullptr;
    return objectForKey(request.url()->absoluteString()).as<ui::Image>();
}

void TNImageCache::cacheImage(const ui::ImagePtr& image, const ns::URLRequest& request) {
    if (image && request.url()) setObject(ns::Value(image), request.url()->absoluteString());
}
