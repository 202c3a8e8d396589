#include "net/imageloader/UIImageViewWebCache.h"

#include "net/imageloader/AssociatedObject.h"
#include "net/imageloader/WebImageManager.h"

namespace {

// Waits at the manager for one image view, which it holds weakly.
class ImageViewImageReceiver : public WebImageManagerDelegate {
public:
    explicit ImageViewImageReceiver(const ui::ImageViewPtr& view) : view_(view) {}
    void webImageManagerDidFinishWithImage(WebImageManager&, const ui::ImagePtr& image) override {
        if (auto view = view_.lock()) view->setImage(image);
    }

private:
    std::weak_ptr<ui::ImageView> view_;
};

AssociatedObject<ImageViewImageReceiver>& receivers() {
    static AssociatedObject<ImageViewImageReceiver> table;
    return table;
}

}  // namespace

std::shared_ptr<WebImageManagerDelegate> UIImageViewWebCache::managerDelegateForView(const ui::ImageViewPtr& view) {
    if (!view) return nullptr;
    return receivers().getOrMake(view, [&] { return std::make_shared<ImageViewImageReceiver>(view); });
}

void UIImageViewWebCache::setImageWithURL(const ui::ImageViewPtr& view, const ns::URLPtr& url,
                                          const ui::ImagePtr& placeholder, unsigned options) {
    if (!view) return;
    auto receiver = managerDelegateForView(view);
    auto manager = WebImageManager::sharedManager();
    manager->cancelForDelegate(receiver.get());
    view->setImage(placeholder);
    if (url) manager->downloadWithURL(url, receiver, options);
}

void UIImageViewWebCache::cancelCurrentImageLoad(const ui::ImageViewPtr& view) {
    if (!view) return;
    if (auto receiver = receivers().get(*view)) WebImageManager::sharedManager()->cancelForDelegate(receiver.get());
}
