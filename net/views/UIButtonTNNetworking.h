// Buttons that load their image or background image for a control state
// over HTTP with a request operation. A new load cancels the previous one
// of the same kind; buttons use no cache.
#pragma once

#include <functional>

#include "net/http/TNHTTPRequestOperation.h"
#include "platform/ui/Button.h"

class UIButtonTNNetworking {
public:
    using Success = std::function<void(const ns::HTTPURLResponsePtr&, const ui::ImagePtr&)>;
    using Failure = std::function<void(const ns::ErrorPtr&)>;

    // A request for the URL accepting "image/*".
    static void setImageForState(const ui::ButtonPtr& button, unsigned state, const ns::URLPtr& url,
                                 const ui::ImagePtr& placeholder = nullptr);
    // A failure before any response arrives reports nothing.
    static void setImageForState(const ui::ButtonPtr& button, unsigned state, const ns::URLRequest& request,
                                 const ui::ImagePtr& placeholder, Success success, Failure failure);
    static void setBackgroundImageForState(const ui::ButtonPtr& button, unsigned state, const ns::URLPtr& url,
                                           const ui::ImagePtr& placeholder = nullptr);
    static void setBackgroundImageForState(const ui::ButtonPtr& button, unsigned state, const ns::URLRequest& request,
                                           const ui::ImagePtr& placeholder, Success success, Failure failure);
    static void cancelImageRequestOperation(const ui::ButtonPtr& button);
    static void cancelBackgroundImageRequestOperation(const ui::ButtonPtr& button);
    static TNHTTPRequestOperationPtr imageRequestOperation(const ui::ButtonPtr& button);
    static TNHTTPRequestOperationPtr backgroundImageRequestOperation(const ui::ButtonPtr& button);
    static std::shared_ptr<ns::OperationQueue> sharedImageRequestOperationQueue();
};
