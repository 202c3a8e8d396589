// The in-memory image cache of image views that load over HTTP: images by
// the absolute string of their request's URL, without limits. The default
// cache empties itself on a memory warning.
#pragma once

#include <memory>

#include "platform/foundation/Cache.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/URLRequest.h"
#include "platform/ui/Image.h"

// What image views need of a cache (the platform's protocol of the same name).
class TNImageCaching {
public:
    virtual ~TNImageCaching() = default;
    virtual ui::ImagePtr cachedImageForRequest(const ns::URLRequest& request) = 0;
    virtual void cacheImage(const ui::ImagePtr& image, const ns::URLRequest& request) = 0;
};

class TNImageCache : public ns::Cache, public TNImageCaching {
public:
    static std::shared_ptr<TNImageCache> create() { return std::make_shared<TNImageCache>(); }
    // Made once (per test), registered for memory warnings.
    static std::shared_ptr<TNImageCache> defaultCache();

    // None for requests that ignore local cache data (policies 1 and 4).
    ui::ImagePtr cachedImageForRequest(const ns::URLRequest& request) override;
    // Needs both an image and a request URL.
    void cacheImage(const ui::ImagePtr& image, const ns::URLRequest& request) override;

private:
    ns::ScopedObserver memoryWarning_;
};

using TNImageCachePtr = std::shared_ptr<TNImageCache>;
