#include "net/imageloader/UIButtonWebCache.h"

#include "net/imageloader/AssociatedObject.h"
#include "net/imageloader/WebImageManager.h"
#include "platform/ui/Control.h"

namespace {

class ButtonImageReceiver : public WebImageManagerDelegate {
public:
    explicit ButtonImageReceiver(const ui::ButtonPtr& button) : button_(button) {}
    void webImageManagerDidFinishWithImage(WebImageManager&, const ui::ImagePtr& image) override {
        if (auto button = button_.lock()) button->setImage(image, ui::ControlStateNormal);
    }

private:
    std::weak_ptr<ui::Button> button_;
};

AssociatedObject<ButtonImageReceiver>& receivers() {
    static AssociatedObject<ButtonImageReceiver> table;
    return table;
}

}  // namespace

void UIButtonWebCache::setImageWithURL(const ui::ButtonPtr& button, const ns::URLPtr& url,
                                       const ui::ImagePtr& placeholder) {
    if (!button) return;
    auto receiver = receivers().getOrMake(button, [&] { return std::make_shared<ButtonImageReceiver>(button); });
    auto manager = WebImageManager::sharedManager();
    manager->cancelForDelegate(receiver.get());
    button->setImage(placeholder, ui::ControlStateNormal);
    if (url) manager->downloadWithURL(url, receiver, 0);
}

void UIButtonWebCache::cancelCurrentImageLoad(const ui::ButtonPtr& button) {
    if (!button) return;
    if (auto receiver = receivers().get(*button)) WebImageManager::sharedManager()->cancelForDelegate(receiver.get());
}
