// WebImageCache: the image loader's shared memory and disk cache. The key
// of an image is its URL's absolute string; on disk it is a file named by
// the key's MD5 digest (32 lower-case hex digits, no extension) in
// Library/Caches/ImageCache. Disk reads and writes run on two serial
// queues of their own; answers come back on the main thread. A memory
// warning or entering the background empties the memory cache; termination
// removes files seven days old or older.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "net/imageloader/WebImageDelegates.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/OperationQueue.h"

class WebImageCache : public ns::Object {
public:
    // Files last written this many seconds ago or earlier are expired.
    static constexpr double kMaxCacheAge = 60 * 60 * 24 * 7;

    static std::shared_ptr<WebImageCache> sharedImageCache();
    // A cache over Library/Caches/ImageCache, created when missing, with
    // its notification observers registered.
    static std::shared_ptr<WebImageCache> create();
    ~WebImageCache() override;

    // Puts the image in memory; with `toDisk` and bytes, also queues a write
    // of the bytes as they came. No image or no key: nothing.
    void storeImage(const ui::ImagePtr& image, const std::optional<ns::Data>& imageData, const std::string& key,
                    bool toDisk);
    // Without bytes these only fill the memory cache.
    void storeImage(const ui::ImagePtr& image, const std::string& key) { storeImage(image, std::nullopt, key, true); }
    void storeImage(const ui::ImagePtr& image, const std::string& key, bool toDisk) {
        storeImage(image, std::nullopt, key, toDisk);
    }

    // Memory first; then, when asked, the file, read at once on the caller.
    ui::ImagePtr imageFromKey(const std::string& key, bool fromDisk = true);
    // A memory hit answers at once; otherwise the file is read on the read
    // queue and the answer comes on the main thread on a later turn.
    void queryDiskCacheForKey(const std::string& key, const std::shared_ptr<WebImageCacheDelegate>& delegate,
                              const WebImageRequestInfo& userInfo);

    void removeImageForKey(const std::string& key);
    // Cancels the queued disk writes and empties the memory cache.
    void clearMemory();
    // Cancels the queued disk writes and empties the folder.
    void clearDisk();
    // Deletes every file below the folder whose modification date is not
    // later than now - kMaxCacheAge.
    void cleanDisk();

    std::string cachePathForKey(const std::string& key) const;
    static std::string fileNameForKey(const std::string& key);
    const std::string& getCachePath() const { return diskCachePath_; }
    // Empties the memory cache when the notification's object is "ImageCache".
    void onCurrentCachePathChanged(const ns::NotificationPtr& notification);

    // Images held in memory now.
    std::size_t memoryCount() const;
    // Blocks until every queued disk write has run (tests and benchmarks).
    void waitForDiskWrites() { cacheInQueue_->waitUntilAllOperationsAreFinished(); }

private:
    WebImageCache() = default;
    void setUp();
    ui::ImagePtr memoryImage(const std::string& key) const;
    void putInMemory(const std::string& key, const ui::ImagePtr& image);
    ui::ImagePtr imageFromDiskForKey(const std::string& key) const;

    mutable std::mutex mutex_;
    std::unordered_map<std::string, ui::ImagePtr> memCache_;
    std::string diskCachePath_;
    std::shared_ptr<ns::OperationQueue> cacheInQueue_;   // disk writes, one at a time
    std::shared_ptr<ns::OperationQueue> cacheOutQueue_;  // disk reads, one at a time
};

using WebImageCachePtr = std::shared_ptr<WebImageCache>;
