// Image views that load an image over HTTP with a request operation: the
// cache of the view's class answers first; otherwise the placeholder shows
// while the operation runs, and a new load cancels the view's previous one.
// (Loading by plain URL goes through UIImageViewWebCache.)
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <typeinfo>

#include "net/http/TNHTTPRequestOperation.h"
#include "net/views/TNImageCache.h"
#include "platform/ui/ImageView.h"

class UIImageViewTNNetworking {
public:
    // A cache hit passes neither request nor response.
    using Success = std::function<void(const std::optional<ns::URLRequest>&, const ns::HTTPURLResponsePtr&,
                                       const ui::ImagePtr&)>;
    using Failure = std::function<void(const ns::URLRequest&, const ns::HTTPURLResponsePtr&, const ns::ErrorPtr&)>;

    // The cache attached to exactly this view class, else the default cache.
    static std::shared_ptr<TNImageCaching> sharedImageCache(const std::type_info& viewClass = typeid(ui::ImageView));
    static void setSharedImageCache(const std::shared_ptr<TNImageCaching>& cache,
                                    const std::type_info& viewClass = typeid(ui::ImageView));

    // The view's serializer, else one image serializer shared by all views.
    static TNHTTPResponseSerializerPtr imageResponseSerializer(const ui::ImageViewPtr& view);
    static void setImageResponseSerializer(const ui::ImageViewPtr& view, TNHTTPResponseSerializerPtr serializer);

    static void setImageWithURLRequest(const ui::ImageViewPtr& view, const ns::URLRequest& request,
                                       const ui::ImagePtr& placeholder, Success success = nullptr,
                                       Failure failure = nullptr);
    static void cancelImageRequestOperation(const ui::ImageViewPtr& view);
    // The load in flight, if any.
    static TNHTTPRequestOperationPtr imageRequestOperation(const ui::ImageViewPtr& view);
    // Where the loads run (no limit of its own).
    static std::shared_ptr<ns::OperationQueue> sharedImageRequestOperationQueue();
};
