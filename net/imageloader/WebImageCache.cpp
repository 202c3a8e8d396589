#include "net/imageloader/WebImageCache.h"

#include <cstdio>

#include "platform/crypto/Digest.h"
#include "platform/foundation/ApplicationNotifications.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/Sandbox.h"
#include "platform/foundation/Singleton.h"
#include "platform/foundation/StringPaths.h"

std::shared_ptr<WebImageCache> WebImageCache::sharedImageCache() { return ns::Singleton<WebImageCache>::get(); }

std::shared_ptr<WebImageCache> WebImageCache::create() {
    std::shared_ptr<WebImageCache> cache(new WebImageCache());
    cache->setUp();
    return cache;
}

void WebImageCache::setUp() {
    diskCachePath_ = ns::str::appendingPathComponent(ns::cachesDirectory(), "ImageCache");
    auto files = ns::FileManager::defaultManager();
    if (!files->fileExistsAtPath(diskCachePath_)) files->createDirectoryAtPath(diskCachePath_, true);

    cacheInQueue_ = ns::OperationQueue::create();
    cacheInQueue_->setMaxConcurrentOperationCount(1);
    cacheOutQueue_ = ns::OperationQueue::create();
    cacheOutQueue_->setMaxConcurrentOperationCount(1);

    // Observers are held weakly by the centre; the callbacks hold the cache weakly too.
    auto center = ns::NotificationCenter::defaultCenter();
    std::weak_ptr<WebImageCache> weak = self<WebImageCache>();
    auto clear = [weak](const ns::NotificationPtr&) {
        if (auto cache = weak.lock()) cache->clearMemory();
    };
    center->addObserver(shared_from_this(), clear, ns::UIApplicationDidReceiveMemoryWarningNotification);
    center->addObserver(shared_from_this(), clear, ns::UIApplicationDidEnterBackgroundNotification);
    center->addObserver(
        shared_from_this(),
        [weak](const ns::NotificationPtr&) {
            if (auto cache = weak.lock()) cache->cleanDisk();
        },
        ns::UIApplicationWillTerminateNotification);
}

WebImageCache::~WebImageCache() {
    ns::NotificationCenter::defaultCenter()->removeObserver(this);
    if (cacheInQueue_) cacheInQueue_->waitUntilAllOperationsAreFinished();
    if (cacheOutQueue_) cacheOutQueue_->cancelAllOperations();
}

std::string WebImageCache::fileNameForKey(const std::string& key) {
    unsigned char digest[cc::kCCMD5DigestLength];
    cc::digest(cc::DigestAlgorithm::MD5, key.data(), key.size(), digest);
    char hex[2 * cc::kCCMD5DigestLength + 1];
    for (std::size_t i = 0; i < cc::kCCMD5DigestLength; ++i) std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
    return std::string(hex, 2 * cc::kCCMD5DigestLength);
}

std::string WebImageCache::cachePathForKey(const std::string& key) const {
    return ns::str::appendingPathComponent(diskCachePath_, fileNameForKey(key));
}

ui::ImagePtr WebImageCache::memoryImage(const std::string& key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = memCache_.find(key);
    return it == memCache_.end() ? nullptr : it->second;
}

void WebImageCache::putInMemory(const std::string& key, const ui::ImagePtr& image) {
    std::lock_guard<std::mutex> lock(mutex_);
    memCache_[key] = image;
}

std::size_t WebImageCache::memoryCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return memCache_.size();
}

ui::ImagePtr WebImageCache::imageFromDiskForKey(const std::string& key) const {
    auto data = ns::dataWithContentsOfFile(cachePathForKey(key));
    return data ? ui::Image::imageWithData(*data) : nullptr;
}

void WebImageCache::storeImage(const ui::ImagePtr& image, const std::optional<ns::Data>& imageData,
                               const std::string& key, bool toDisk) {
    if (!image || key.empty()) return;
    putInMemory(key, image);
    if (!toDisk || !imageData) return;
    // The write owns its key and bytes: a later store or clear never
    // changes what an already queued write puts down.
    std::string path = cachePathForKey(key);
    auto bytes = std::make_shared<const ns::Data>(*imageData);
    cacheInQueue_->addOperationWithBlock([path, bytes] { ns::writeDataToFile(*bytes, path, true); });
}

ui::ImagePtr WebImageCache::imageFromKey(const std::string& key, bool fromDisk) {
    if (key.empty()) return nullptr;
    if (auto image = memoryImage(key)) return image;
    if (!fromDisk) return nullptr;
    auto image = imageFromDiskForKey(key);
    if (image) putInMemory(key, image);
    return image;
}

void WebImageCache::queryDiskCacheForKey(const std::string& key, const std::shared_ptr<WebImageCacheDelegate>& delegate,
                                         const WebImageRequestInfo& userInfo) {
    if (!delegate) return;
    if (key.empty()) {
        delegate->imageCacheDidNotFindImage(*this, key, userInfo);
        return;
    }
    if (auto image = memoryImage(key)) {
        delegate->imageCacheDidFindImage(*this, image, key, userInfo);
        return;
    }
    auto cache = self<WebImageCache>();
    cacheOutQueue_->addOperationWithBlock([cache, key, delegate, userInfo] {
        auto image = cache->imageFromDiskForKey(key);
        dispatch::Queue::main()->async([cache, key, delegate, userInfo, image] {
            if (image) {
                cache->putInMemory(key, image);
                delegate->imageCacheDidFindImage(*cache, image, key, userInfo);
            } else {
                delegate->imageCacheDidNotFindImage(*cache, key, userInfo);
            }
        });
    });
}

void WebImageCache::removeImageForKey(const std::string& key) {
    if (key.empty()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        memCache_.erase(key);
    }
    ns::FileManager::defaultManager()->removeItemAtPath(cachePathForKey(key));
}

void WebImageCache::clearMemory() {
    cacheInQueue_->cancelAllOperations();
    std::lock_guard<std::mutex> lock(mutex_);
    memCache_.clear();
}

void WebImageCache::clearDisk() {
    cacheInQueue_->cancelAllOperations();
    auto files = ns::FileManager::defaultManager();
    files->removeItemAtPath(diskCachePath_);
    files->createDirectoryAtPath(diskCachePath_, true);
}

void WebImageCache::cleanDisk() {
    const double expiry = ns::Date::now().timeIntervalSince1970() - kMaxCacheAge;
    auto files = ns::FileManager::defaultManager();
    auto paths = files->subpathsOfDirectoryAtPath(diskCachePath_);
    if (!paths) return;
    for (const auto& relative : *paths) {
        std::string path = ns::str::appendingPathComponent(diskCachePath_, relative);
        auto attributes = files->attributesOfItemAtPath(path);
        if (!attributes) continue;
        const ns::Value* type = attributes->find(ns::kFileType);
        if (type && type->stringValue() == ns::kFileTypeDirectory) continue;
        const ns::Value* modified = attributes->find(ns::kFileModificationDate);
        if (!modified || !modified->isDate()) continue;
        if (modified->asDate().timeIntervalSince1970() <= expiry) files->removeItemAtPath(path);
    }
}

void WebImageCache::onCurrentCachePathChanged(const ns::NotificationPtr& notification) {
    if (notification && notification->object().isString() && notification->object().stringValue() == "ImageCache") {
        std::lock_guard<std::mutex> lock(mutex_);
        memCache_.clear();
    }
}
