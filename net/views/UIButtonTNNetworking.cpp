#include "net/views/UIButtonTNNetworking.h"

#include "net/http/TNImageResponseSerializer.h"
#include "net/imageloader/AssociatedObject.h"

namespace {

struct ButtonLoads {
    TNHTTPRequestOperationPtr image;
    TNHTTPRequestOperationPtr background;
};

AssociatedObject<ButtonLoads>& loads() {
    static AssociatedObject<ButtonLoads> table;
    return table;
}

bool sameURL(const ns::URLPtr& a, const ns::URLPtr& b) {
    return a && b && a->absoluteString() == b->absoluteString();
}

ns::URLRequest imageRequest(const ns::URLPtr& url) {
    ns::MutableURLRequest request(url);
    request.addValue("image/*", "Accept");
    return request;
}

// The shared steps of both kinds of load.
void load(const ui::ButtonPtr& button, unsigned state, const ns::URLRequest& request, const ui::ImagePtr& placeholder,
          UIButtonTNNetworking::Success success, UIButtonTNNetworking::Failure failure, bool background) {
    if (!button) return;
    auto slots = loads().getOrMake(button, [] { return std::make_shared<ButtonLoads>(); });
    auto& slot = background ? slots->background : slots->image;
    if (slot) {
        slot->cancel();
        slot = nullptr;
    }
    if (background)
        button->setBackgroundImage(placeholder, state);
    else
        button->setImage(placeholder, state);

    auto operation = TNHTTPRequestOperation::create(request);
    operation->setResponseSerializer(TNImageResponseSerializer::serializer());
    slot = operation;
    std::weak_ptr<ui::Button> weakButton = button;
    operation->setCompletionBlockWithSuccess(
        [weakButton, request, state, success, background](const TNHTTPRequestOperationPtr& finished,
                                                          const ns::Value& object) {
            auto button = weakButton.lock();
            if (!button || !sameURL(request.url(), finished->request().url())) return;
            auto image = object.as<ui::Image>();
            if (success) {
                success(finished->HTTPResponse(), image);
            } else if (image) {
                if (background)
                    button->setBackgroundImage(image, state);
                else
                    button->setImage(image, state);
            }
        },
        [weakButton, request, failure](const TNHTTPRequestOperationPtr& finished, const ns::ErrorPtr& error) {
            auto response = finished->HTTPResponse();
            if (!weakButton.lock() || !response || !sameURL(request.url(), response->url())) return;
            if (failure) failure(error);
        });
    UIButtonTNNetworking::sharedImageRequestOperationQueue()->addOperation(operation);
}

}  // namespace

std::shared_ptr<ns::OperationQueue> UIButtonTNNetworking::sharedImageRequestOperationQueue() {
    static auto queue = [] {
        auto q = ns::OperationQueue::create();
        q->setMaxConcurrentOperationCount(ns::OperationQueue::kDefaultMaxConcurrentOperationCount);
        return q;
    }();
    return queue;
}

void UIButtonTNNetworking::setImageForState(const ui::ButtonPtr& button, unsigned state, const ns::URLPtr& url,
                                            const ui::ImagePtr& placeholder) {
    setImageForState(button, state, imageRequest(url), placeholder, nullptr, nullptr);
}

void UIButtonTNNetworking::setImageForState(const ui::ButtonPtr& button, unsigned state, const ns::URLRequest& request,
                                            const ui::ImagePtr& placeholder, Success success, Failure failure) {
    load(button, state, request, placeholder, std::move(success), std::move(failure), false);
}

void UIButtonTNNetworking::setBackgroundImageForState(const ui::ButtonPtr& button, unsigned state,
                                                      const ns::URLPtr& url, const ui::ImagePtr& placeholder) {
    setBackgroundImageForState(button, state, imageRequest(url), placeholder, nullptr, nullptr);
}

void UIButtonTNNetworking::setBackgroundImageForState(const ui::ButtonPtr& button, unsigned state,
                                                      const ns::URLRequest& request, const ui::ImagePtr& placeholder,
                                                      Success success, Failure failure) {
    load(button, state, request, placeholder, std::move(success), std::move(failure), true);
}

void UIButtonTNNetworking::cancelImageRequestOperation(const ui::ButtonPtr& button) {
    if (!button) return;
    if (auto slots = loads().get(*button); slots && slots->image) {
        slots->image->cancel();
        slots->image = nullptr;
    }
}

void UIButtonTNNetworking::cancelBackgroundImageRequestOperation(const ui::ButtonPtr& button) {
    if (!button) return;
    if (auto slots = loads().get(*button); slots && slots->background) {
        slots->background->cancel();
        slots->background = nullptr;
    }
}

TNHTTPRequestOperationPtr UIButtonTNNetworking::imageRequestOperation(const ui::ButtonPtr& button) {
    if (!button) return nullptr;
    auto slots = loads().get(*button);
    return slots ? slots->image : nullptr;
}

TNHTTPRequestOperationPtr UIButtonTNNetworking::backgroundImageRequestOperation(const ui::ButtonPtr& button) {
    if (!button) return nullptr;
    auto slots = loads().get(*button);
    return slots ? slots->background : nullptr;
}
