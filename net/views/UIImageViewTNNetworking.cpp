#include "net/views/UIImageViewTNNetworking.h"

#include <map>
#include <mutex>
#include <typeindex>

#include "net/http/TNImageResponseSerializer.h"
#include "net/imageloader/AssociatedObject.h"

namespace {

struct ImageViewLoad {
    TNHTTPRequestOperationPtr operation;
    TNHTTPResponseSerializerPtr serializer;
};

AssociatedObject<ImageViewLoad>& loads() {
    static AssociatedObject<ImageViewLoad> table;
    return table;
}

std::shared_ptr<ImageViewLoad> loadOf(const ui::ImageViewPtr& view) {
    return loads().getOrMake(view, [] { return std::make_shared<ImageViewLoad>(); });
}

std::mutex cachesMutex;
std::map<std::type_index, std::shared_ptr<TNImageCaching>>& attachedCaches() {
    static std::map<std::type_index, std::shared_ptr<TNImageCaching>> caches;
    return caches;
}

bool sameURL(const ns::URLPtr& a, const ns::URLPtr& b) {
    return a && b && a->absoluteString() == b->absoluteString();
}

}  // namespace

std::shared_ptr<ns::OperationQueue> UIImageViewTNNetworking::sharedImageRequestOperationQueue() {
    static auto queue = [] {
        auto q = ns::OperationQueue::create();
        q->setMaxConcurrentOperationCount(ns::OperationQueue::kDefaultMaxConcurrentOperationCount);
        return q;
    }();
    return queue;
}

std::shared_ptr<TNImageCaching> UIImageViewTNNetworking::sharedImageCache(const std::type_info& viewClass) {
    {
        std::lock_guard<std::mutex> lock(cachesMutex);
        auto it = attachedCaches().find(std::type_index(viewClass));
        if (it != attachedCaches().end() && it->second) return it->second;
    }
    return TNImageCache::defaultCache();
}

void UIImageViewTNNetworking::setSharedImageCache(const std::shared_ptr<TNImageCaching>& cache,
                                                  const std::type_info& viewClass) {
    std::lock_guard<std::mutex> lock(cachesMutex);
    attachedCaches()[std::type_index(viewClass)] = cache;
}

TNHTTPResponseSerializerPtr UIImageViewTNNetworking::imageResponseSerializer(const ui::ImageViewPtr& view) {
    if (view) {
        if (auto load = loads().get(*view); load && load->serializer) return load->serializer;
    }
    static auto shared = TNImageResponseSerializer::serializer();
    return shared;
}

void UIImageViewTNNetworking::setImageResponseSerializer(const ui::ImageViewPtr& view,
                                                         TNHTTPResponseSerializerPtr serializer) {
    if (view) loadOf(view)->serializer = std::move(serializer);
}

TNHTTPRequestOperationPtr UIImageViewTNNetworking::imageRequestOperation(const ui::ImageViewPtr& view) {
    if (!view) return nullptr;
    auto load = loads().get(*view);
    return load ? load->operation : nullptr;
}

void UIImageViewTNNetworking::cancelImageRequestOperation(const ui::ImageViewPtr& view) {
    if (!view) return;
    auto load = loads().get(*view);
    if (!load || !load->operation) return;
    load->operation->cancel();
    load->operation = nullptr;
}

void UIImageViewTNNetworking::setImageWithURLRequest(const ui::ImageViewPtr& view, const ns::URLRequest& request,
                                                     const ui::ImagePtr& placeholder, Success success,
                                                     Failure failure) {
    if (!view) return;
    cancelImageRequestOperation(view);
    auto load = loadOf(view);
    const auto& viewObject = *view;  // named first: typeid of a call expression draws a warning
    const std::type_info& viewClass = typeid(viewObject);

    if (auto cached = sharedImageCache(viewClass)->cachedImageForRequest(request)) {
        if (success)
            success(std::nullopt, nullptr, cached);
        else
            view->setImage(cached);
        load->operation = nullptr;
        return;
    }

    if (placeholder) view->setImage(placeholder);
    auto operation = TNHTTPRequestOperation::create(request);
    operation->setResponseSerializer(imageResponseSerializer(view));
    load->operation = operation;

    std::weak_ptr<ui::ImageView> weakView = view;
    std::type_index viewType(viewClass);
    operation->setCompletionBlockWithSuccess(
        [weakView, request, success, viewType](const TNHTTPRequestOperationPtr& finished, const ns::Value& object) {
            auto view = weakView.lock();
            if (!view) return;
            auto image = object.as<ui::Image>();
            auto current = loads().get(*view);
            if (current && current->operation && sameURL(request.url(), current->operation->request().url())) {
                if (success)
                    success(request, finished->HTTPResponse(), image);
                else if (image)
                    view->setImage(image);
                if (current->operation == finished) current->operation = nullptr;
            }
            std::shared_ptr<TNImageCaching> cache;
            {
                std::lock_guard<std::mutex> lock(cachesMutex);
                auto it = attachedCaches().find(viewType);
                if (it != attachedCaches().end()) cache = it->second;
            }
            if (!cache) cache = TNImageCache::defaultCache();
            cache->cacheImage(image, request);
        },
        [weakView, request, failure](const TNHTTPRequestOperationPtr& finished, const ns::ErrorPtr& error) {
            auto view = weakView.lock();
            if (!view) return;
            auto current = loads().get(*view);
            if (current && current->operation && sameURL(request.url(), current->operation->request().url())) {
                if (failure) failure(request, finished->HTTPResponse(), error);
                if (current->operation == finished) current->operation = nullptr;
            }
        });
    sharedImageRequestOperationQueue()->addOperation(operation);
}
